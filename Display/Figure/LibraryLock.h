// The one lock of the library's objects, and the threading contract it keeps, written once for
// fdd-view and fddplot alike.
//
// What is shared: the host's reference counts are plain counters, and the objects that carry them
// are shared between figures: the data vectors (a curve's x and y, a map's values), the font, and
// the vectors the levels of detail hold. Making a figure (filling its plots, which takes
// references), laying it out into a scene (whose primitives take references), and releasing a
// figure or a scene (which gives them back) all change those counts, whichever thread does it.
// So: whoever makes, builds or releases a figure or a scene holds this lock; drawing a scene
// already built into a render of its own, or reading a figure, does not need it. The library's
// other process-wide state keeps itself whole (the primitive list's pool has its own lock, the
// axes' measuring caches are per thread, the measuring support is made under a lock of its own).
// Whoever holds this lock never waits for another lock that a waiter for this one may hold (not
// Python's interpreter lock, not a window's frame worker's), so it cannot deadlock.
#ifndef LibraryLock_H
#define LibraryLock_H

#include <chrono>
#include <mutex>

class LibraryLock {
 public:
  // Waits for the lock.
  LibraryLock() : _Lock(Mutex()) {}
  // Waits at most iLongest; Owns says whether it was taken.
  explicit LibraryLock(std::chrono::milliseconds iLongest) : _Lock(Mutex(), iLongest) {}
  LibraryLock(const LibraryLock&) = delete;
  LibraryLock& operator=(const LibraryLock&) = delete;

  bool Owns() const { return _Lock.owns_lock(); }
  // The process's one lock of the library's objects.
  static std::timed_mutex& Mutex();

 private:
  std::unique_lock<std::timed_mutex> _Lock;
};

#endif
