// What a request or the loading of its data could not do: a usage error (an option that cannot be
// carried out as written), a data error (a file or array that cannot be drawn), or a lack of
// memory. Each front end shows it its own way: fdd-plot as one line and status 2 or 1, the window
// as a message, Python as ValueError or MemoryError.
#ifndef RequestError_H
#define RequestError_H

#include <string>

struct RequestError {
  enum eKind { eNone, eUsage, eData, eMemory };

  eKind Kind = eNone;
  std::string Message;

  explicit operator bool() const { return Kind != eNone; }
  // The exit status of a command that ends on it: 2 for usage, 1 otherwise, 0 for none.
  int Status() const { return Kind == eNone ? 0 : Kind == eUsage ? 2 : 1; }

  // Sets the error and returns false, so that checks read "return oError.Usage(...)".
  bool Usage(const std::string& iMessage) { return Set(eUsage, iMessage); }
  bool Data(const std::string& iMessage) { return Set(eData, iMessage); }
  bool Memory(const std::string& iMessage) { return Set(eMemory, iMessage); }

 private:
  bool Set(eKind iKind, const std::string& iMessage) {
    Kind = iKind;
    Message = iMessage;
    return false;
  }
};

#endif
