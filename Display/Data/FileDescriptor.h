// A data file open for reading, closed when its holder goes: the one owner of the descriptor, so
// that no path out of a reader has to close it by hand. Move-only.
#ifndef FileDescriptor_H
#define FileDescriptor_H

#include <cstddef>
#include <string>

class FileDescriptor {
 public:
  // iPath open for reading as a regular file, with its size as seen now; a closed holder with
  // oError "<iPath>: <what is wrong>" otherwise (missing, a folder, a FIFO, too large to map).
  static FileDescriptor Open(const std::string& iPath, std::string& oError);
  // The same for a descriptor already open, which the holder takes over (closed on failure too);
  // iName names it in messages.
  static FileDescriptor Adopt(int iFd, const std::string& iName, std::string& oError);

  FileDescriptor() = default;
  ~FileDescriptor();
  FileDescriptor(FileDescriptor&& ioOther) noexcept;
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  bool IsOpen() const { return _Fd >= 0; }
  // The descriptor, -1 when closed; it stays this holder's.
  int Get() const { return _Fd; }
  // Bytes of the file when it was opened.
  size_t GetSize() const { return _Size; }
  // The whole file mapped read-only and populated at once (the plots read every value, and one
  // call maps the cached pages far faster than a fault per page would); the caller unmaps
  // GetSize() bytes. Null with oError "<iName>: ..." (out of memory or a system error).
  void* Map(const std::string& iName, std::string& oError) const;

 private:
  FileDescriptor(int iFd, size_t iSize) : _Fd(iFd), _Size(iSize) {}

  int _Fd = -1;
  size_t _Size = 0;
};

#endif
