#include "CommandSupport.h"

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ArrayVector.h"
#include "CATFont.h"
#include "DataFile.h"
#include "Figure.h"
#include "NumericArray.h"

namespace {

// A whole number at the start of iText; false when there is none.
bool ReadNumber(const char*& ioText, double& oValue) {
  char* lEnd = nullptr;
  oValue = std::strtod(ioText, &lEnd);
  if (lEnd == ioText) return false;
  ioText = lEnd;
  return true;
}

}  // namespace

bool CommandSupport::ParseSize(const std::string& iText, int& oWidth, int& oHeight, std::string& oError) {
  const char* p = iText.c_str();
  double w = 0.0, h = 0.0;
  const bool lRead = ReadNumber(p, w) && (*p == 'x' || *p == 'X' || *p == ',') && ReadNumber(++p, h) && *p == '\0';
  if (!lRead || w != std::floor(w) || h != std::floor(h)) {
    oError = "size '" + iText + "': write it as WIDTHxHEIGHT in pixels, such as 1000x600";
    return false;
  }
  if (!(w >= kMinSide && w <= kMaxSide && h >= kMinSide && h <= kMaxSide)) {
    oError = "size '" + iText + "': each side must lie between " + std::to_string(kMinSide) + " and " +
             std::to_string(kMaxSide) + " pixels";
    return false;
  }
  oWidth = static_cast<int>(w);
  oHeight = static_cast<int>(h);
  return true;
}

bool CommandSupport::ParsePair(const std::string& iText, double& oFirst, double& oSecond, std::string& oError) {
  const char* p = iText.c_str();
  double a = 0.0, b = 0.0;
  if (!(ReadNumber(p, a) && *p == ',' && ReadNumber(++p, b) && *p == '\0') || !std::isfinite(a) || !std::isfinite(b)) {
    oError = "'" + iText + "': write two numbers as A,B";
    return false;
  }
  oFirst = a;
  oSecond = b;
  return true;
}

ArrayVector* CommandSupport::LoadVector(const std::string& iSpec) {
  std::string lError;
  NumericArray* lArray = DataFile::LoadVector(iSpec, lError);
  if (!lArray) {
    Fail(lError);
    return nullptr;
  }
  ArrayVector* lVector = new ArrayVector(lArray, 0, lArray->GetRows());
  lArray->Release();
  if (!lVector) Fail(iSpec + ": out of memory");
  return lVector;
}

NumericArray* CommandSupport::LoadMatrix(const std::string& iPath) {
  std::string lError;
  NumericArray* lArray = DataFile::LoadMatrix(iPath, lError);
  if (!lArray) Fail(lError);
  return lArray;
}

CATFont* CommandSupport::LoadFont() {
  CATFont* lFont = CATFont::CreateDefault();
  if (!lFont) Fail("no text font: install the package fonts-dejavu-core");
  return lFont;
}

bool CommandSupport::Write(Figure& ioFigure, const std::string& iPath, CATFont& iFont) {
  // Beyond a file size limit the write must fail with its reason (EFBIG), not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  std::string lError;
  const bool lWritten = ioFigure.Write({iPath}, iFont, lError);
  for (const std::string& lWarning : ioFigure.GetWarnings()) std::fprintf(stderr, "fdd-plot: warning: %s\n", lWarning.c_str());
  if (lWritten) return true;
  Fail(lError);
  return false;
}

int CommandSupport::Fail(const std::string& iMessage) {
  std::fprintf(stderr, "fdd-plot: %s\n", iMessage.c_str());
  return 1;
}

std::string CommandSupport::NameOf(const std::string& iSpec) {
  std::string lPath, lColumn;
  bool lHasColumn = false;
  DataFile::SplitSpec(iSpec, lPath, lColumn, lHasColumn);
  if (lHasColumn && !lColumn.empty()) return lColumn;
  const size_t lSlash = lPath.find_last_of('/');
  std::string lName = lSlash == std::string::npos ? lPath : lPath.substr(lSlash + 1);
  const size_t lDot = lName.rfind('.');
  if (lDot != std::string::npos && lDot > 0) lName.erase(lDot);
  return lName;
}
