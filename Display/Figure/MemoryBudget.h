// How much memory new work may still take: the smaller of what the machine has available
// (MemAvailable) and what the process's address-space limit leaves. Work that needs more is
// refused before it starts, with one message, rather than failing half-way.
#ifndef MemoryBudget_H
#define MemoryBudget_H

#include <string>

class MemoryBudget {
 public:
  // Bytes available now; a very large number when nothing can be read.
  static unsigned long long Available();
  // True when iBytes fit; otherwise false with oError "<iWhat>: out of memory (needs about …,
  // about … available)".
  static bool Fits(const std::string& iWhat, unsigned long long iBytes, std::string& oError);
};

#endif
