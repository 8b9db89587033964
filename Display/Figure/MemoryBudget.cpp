#include "MemoryBudget.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>

#include "MessageText.h"

namespace {

// MemAvailable of /proc/meminfo in bytes, or the largest number when it cannot be read.
unsigned long long MachineAvailable() {
  std::ifstream lInfo("/proc/meminfo");
  std::string lKey;
  unsigned long long lKilobytes = 0;
  std::string lUnit;
  while (lInfo >> lKey >> lKilobytes >> lUnit)
    if (lKey == "MemAvailable:") return lKilobytes * 1024ULL;
  return std::numeric_limits<unsigned long long>::max();
}

// What the address-space limit leaves beside the process's present size.
unsigned long long LimitLeft() {
  rlimit lLimit{};
  if (::getrlimit(RLIMIT_AS, &lLimit) != 0 || lLimit.rlim_cur == RLIM_INFINITY)
    return std::numeric_limits<unsigned long long>::max();
  unsigned long long lPages = 0;
  if (FILE* lStatm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(lStatm, "%llu", &lPages) != 1) lPages = 0;
    std::fclose(lStatm);
  }
  const unsigned long long lUsed = lPages * static_cast<unsigned long long>(::sysconf(_SC_PAGESIZE));
  return lLimit.rlim_cur > lUsed ? lLimit.rlim_cur - lUsed : 0;
}

}  // namespace

unsigned long long MemoryBudget::Available() { return std::min(MachineAvailable(), LimitLeft()); }

bool MemoryBudget::Fits(const std::string& iWhat, unsigned long long iBytes, std::string& oError) {
  const unsigned long long lAvailable = Available();
  if (iBytes <= lAvailable) return true;
  oError = iWhat + ": out of memory (needs about " + MessageText::Bytes(iBytes) + ", about " +
           MessageText::Bytes(lAvailable) + " available)";
  return false;
}
