#include "CommandSupport.h"

#include <cstdio>

#include "CATFont.h"
#include "Figure.h"
#include "RequestError.h"

RefPtr<CATFont> CommandSupport::LoadFont() {
  RefPtr<CATFont> lFont(CATFont::CreateDefault());
  if (!lFont) Fail("no text font: install the package fonts-dejavu-core");
  return lFont;
}

bool CommandSupport::Write(Figure& ioFigure, const std::string& iPath, CATFont& iFont) {
  std::string lError;
  const bool lWritten = ioFigure.Write({iPath}, iFont, lError);
  PrintWarnings(ioFigure);
  if (lWritten) return true;
  Fail(lError);
  return false;
}

void CommandSupport::Warn(const std::string& iMessage) { Fail("warning: " + iMessage); }

void CommandSupport::PrintWarnings(const Figure& iFigure) {
  for (const std::string& lWarning : iFigure.GetWarnings()) Warn(lWarning);
}

namespace {

const char* sProgram = "fdd-plot";

}  // namespace

void CommandSupport::SetProgram(const char* iName) { sProgram = iName ? iName : "fdd-plot"; }

const char* CommandSupport::GetProgram() { return sProgram; }

int CommandSupport::RunGuarded(int (*iMain)(int, char**), int argc, char** argv) {
  try {
    return iMain(argc, argv);
  } catch (const std::bad_alloc&) {
    return Fail("out of memory");
  } catch (const std::exception& iError) {
    return Fail(iError.what());
  }
}

int CommandSupport::Fail(const std::string& iMessage) {
  std::fprintf(stderr, "%s: %s\n", sProgram, iMessage.c_str());
  return 1;
}

int CommandSupport::Failed(const RequestError& iError, int iStatus) {
  if (iError) Fail(iError.Message);
  return iStatus;
}

int CommandSupport::Usage(const std::string& iMessage) {
  Fail(iMessage);
  return 2;
}
