// A file written whole or not at all. The bytes go to a temporary file beside the target
// (".name.XXXXXX" in the same folder, so that the final rename stays on one file system), which
// replaces the target only when every byte was written and the file closed without error. Until
// then an existing target is untouched; a temporary file that is not committed is removed.
// A target that is a symbolic link (a chain of them, a dangling one) is written where the links
// lead: the links stay.
//
// Keeps the system's reason for the first failure (strerror text, such as "No space left on
// device"); after a failure every further write is refused at once.
#ifndef WholeFile_H
#define WholeFile_H

#include <cstddef>
#include <string>

class WholeFile {
 public:
  // Creates the temporary file; GetError tells why when that fails.
  explicit WholeFile(const std::string& iPath);
  ~WholeFile();
  WholeFile(const WholeFile&) = delete;
  WholeFile& operator=(const WholeFile&) = delete;

  // False once anything failed.
  bool IsGood() const { return _Fd >= 0 && _Error.empty(); }
  bool Write(const void* iData, size_t iSize);
  // Writes what is buffered, closes and renames over the target; false (and the temporary file
  // removed) when any step failed.
  bool Commit();
  // The reason of the first failure; empty while there is none.
  const std::string& GetError() const { return _Error; }

 private:
  bool Flush();
  void Fail(int iErrno);

  std::string _Path;
  std::string _TempPath;
  int _Fd = -1;
  bool _Committed = false;
  std::string _Error;
  // Writers such as cairo's PDF stream hand over a few bytes at a time.
  size_t _Used = 0;
  unsigned char _Buffer[65536];
};

#endif
