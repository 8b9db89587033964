// The lines of a text file read in blocks, so that a file of any length is read in a little
// memory (a block, or the longest line); or the lines of a text already in memory. Lines are
// handed out without their '\n' and stay valid until the next one is asked for.
#ifndef TextLines_H
#define TextLines_H

#include <string>
#include <string_view>

class TextLines {
 public:
  // The file open on iFd, else (iFd negative) iText, from byte iStart. A file is read with pread:
  // the descriptor's offset is left alone, so that several readers may share it. iText must
  // outlive the reader.
  TextLines(int iFd, std::string_view iText, unsigned long long iStart);
  TextLines(const TextLines&) = delete;
  TextLines& operator=(const TextLines&) = delete;

  // The next line; false at the end of the text or when the file cannot be read (GetErrno).
  // A line longer than the buffer grows it, which may throw std::bad_alloc.
  bool Next(std::string_view& oLine);
  // The system's error number of a failed read, else 0.
  int GetErrno() const { return _Errno; }
  // The byte offset of the line that Next hands out next.
  unsigned long long GetPosition() const { return _Offset - (_End - _Begin); }

 private:
  // Reads more of the file behind the unread bytes; false at its end or on an error.
  bool Fill();

  int _Fd = -1;
  std::string _Buffer;
  const char* _Data = nullptr;  // the buffer, or the text in memory
  size_t _Begin = 0;            // unread bytes are [_Begin, _End) of _Data
  size_t _End = 0;
  unsigned long long _Offset = 0;  // the offset in the text of _Data[_End]
  bool _AtEnd = false;
  int _Errno = 0;
};

#endif
