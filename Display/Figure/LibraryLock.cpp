#include "LibraryLock.h"

std::timed_mutex& LibraryLock::Mutex() {
  static std::timed_mutex sMutex;
  return sMutex;
}
