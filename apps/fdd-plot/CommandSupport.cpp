#include "CommandSupport.h"

#include <cmath>
#include <cstdio>
#include <charconv>
#include <cstring>
#include <vector>

#include "ArrayVector.h"
#include "CATFont.h"
#include "DataFile.h"
#include "Figure.h"
#include "NumericArray.h"

namespace {

// A decimal number at the start of ioText (no hexadecimal, no leading space; "inf" and "nan" are
// read and refused by the callers); false when there is none.
bool ReadNumber(const char*& ioText, double& oValue) {
  const char* lEnd = ioText + std::strlen(ioText);
  const std::from_chars_result lRead = std::from_chars(ioText, lEnd, oValue);
  if (lRead.ec != std::errc() || lRead.ptr == ioText) return false;
  ioText = lRead.ptr;
  return true;
}

// Decimal digits only, up to a limit that fits an int; false when there are none.
bool ReadSide(const char*& ioText, int& oValue) {
  const char* lStart = ioText;
  long long lValue = 0;
  while (*ioText >= '0' && *ioText <= '9' && lValue < 1000000) lValue = lValue * 10 + (*ioText++ - '0');
  oValue = static_cast<int>(lValue);
  return ioText != lStart && !(*ioText >= '0' && *ioText <= '9');
}

}  // namespace

bool CommandSupport::ParseSize(const std::string& iText, int& oWidth, int& oHeight, std::string& oError) {
  const char* p = iText.c_str();
  int w = 0, h = 0;
  const bool lRead = ReadSide(p, w) && (*p == 'x' || *p == 'X' || *p == ',') && ReadSide(++p, h) && *p == '\0';
  if (!lRead) {
    oError = "size '" + iText + "': write it as WIDTHxHEIGHT in pixels, such as 1000x600";
    return false;
  }
  if (!(w >= kMinSide && w <= kMaxSide && h >= kMinSide && h <= kMaxSide)) {
    oError = "size '" + iText + "': each side must lie between " + std::to_string(kMinSide) + " and " +
             std::to_string(kMaxSide) + " pixels";
    return false;
  }
  oWidth = w;
  oHeight = h;
  return true;
}

bool CommandSupport::ParsePair(const std::string& iText, double& oFirst, double& oSecond, std::string& oError) {
  const char* p = iText.c_str();
  double a = 0.0, b = 0.0;
  if (!(ReadNumber(p, a) && *p == ',' && ReadNumber(++p, b) && *p == '\0') || !std::isfinite(a) || !std::isfinite(b)) {
    oError = "'" + iText + "': write two decimal numbers as A,B";
    return false;
  }
  oFirst = a;
  oSecond = b;
  return true;
}

bool CommandSupport::ParseLimits(const std::string& iOption, const std::string& iText, double& oLow, double& oHigh,
                                 std::string& oError) {
  if (iText.empty()) return true;
  if (!ParsePair(iText, oLow, oHigh, oError)) {
    oError = iOption + " " + oError;
    return false;
  }
  if (oLow < oHigh) return true;
  oError = iOption + " " + iText + ": the limits A,B need A < B";
  return false;
}

RefPtr<ArrayVector> CommandSupport::LoadVector(const std::string& iSpec, std::string* oName) {
  std::string lError, lName;
  const RefPtr<NumericArray> lArray(DataFile::LoadVector(iSpec, lError, lName));
  if (!lArray) {
    Fail(lError);
    return {};
  }
  if (oName) *oName = lName;
  RefPtr<ArrayVector> lVector(new ArrayVector(lArray.Get(), 0, lArray->GetRows()));
  if (!lVector) Fail(iSpec + ": out of memory");
  return lVector;
}

RefPtr<NumericArray> CommandSupport::LoadMatrix(const std::string& iPath) {
  std::string lError;
  RefPtr<NumericArray> lArray(DataFile::LoadMatrix(iPath, lError));
  if (!lArray) Fail(lError);
  return lArray;
}

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

int CommandSupport::Usage(const std::string& iMessage) {
  Fail(iMessage);
  return 2;
}
