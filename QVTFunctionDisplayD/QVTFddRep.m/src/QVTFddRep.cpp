// Module-wide state of QVTFddRep, built when the shared library is loaded and destroyed when it is
// unloaded: first the log, then the measuring renders' support pointer (destroyed in reverse).
// Per-thread attach notifications, which some platforms send to loaded modules, do not exist here.
#include <string>

#include "CATSupport.h"
#include "QVTFddModule.h"
#include "QVTFddModuleFrame.h"
#include "QVTSydLogMsg.h"

namespace {

QVTSydLocalLog sModuleLog("Fdp", "QVTFddRep");

struct SizeRenderSupportHolder {
  CATSupport* support = nullptr;
  ~SizeRenderSupportHolder() {
    delete support;
    support = nullptr;
  }
} sSizeRenderSupport;

}  // namespace

QVTSydLocalLog& QVTFddModuleLog() { return sModuleLog; }

CATSupport*& QVTFddSizeRenderSupport() { return sSizeRenderSupport.support; }

void QVTFddAssertionMessage(const char* iSourceName, int iLine, const char* iText) {
  std::string lSource = "QVTFunctionDisplayD\\QVTFddRep.m\\src\\";
  if (iSourceName) lSource += iSourceName;
  QVTSydLogMsg lMessage(lSource.c_str(), iLine, 0, &sModuleLog);
  lMessage.AddFandFlush(iText);
}
