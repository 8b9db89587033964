#include "ColorScaleAxis.h"

#include <cmath>

#include "ColorTables.h"

namespace {

// Tables are colour stops (red, green, blue) at equal spacing, interpolated linearly between.
// Rainbow for spectra, piecewise linear in eighths: dark blue, blue, azure, cyan, light green,
// yellow, orange, red, dark red.
const unsigned char kRainbow[][3] = {
    {0, 0, 128},   {0, 0, 255},   {0, 128, 255}, {0, 255, 255}, {128, 255, 128},
    {255, 255, 0}, {255, 128, 0}, {255, 0, 0},   {128, 0, 0},
};

const unsigned char kGrey[][3] = {{0, 0, 0}, {255, 255, 255}};

// The stops of iTable, three bytes each, and their number.
const unsigned char* sStops(ColorScaleAxis::eTable iTable, int& oCount) {
  oCount = 256;
  switch (iTable) {
    case ColorScaleAxis::Rainbow:
      oCount = static_cast<int>(sizeof(kRainbow) / sizeof(kRainbow[0]));
      return kRainbow[0];
    case ColorScaleAxis::Grey:
      oCount = static_cast<int>(sizeof(kGrey) / sizeof(kGrey[0]));
      return kGrey[0];
    case ColorScaleAxis::Magma: return ColorTables::kMagma[0];
    case ColorScaleAxis::Inferno: return ColorTables::kInferno[0];
    case ColorScaleAxis::Plasma: return ColorTables::kPlasma[0];
    case ColorScaleAxis::Cividis: return ColorTables::kCividis[0];
    case ColorScaleAxis::Turbo: return ColorTables::kTurbo[0];
    default: return ColorTables::kViridis[0];
  }
}

// iFraction is within 0 .. 1, so the sum lies within 0.5 .. 255.5, where a plain conversion
// truncates as the saturating one does, without its call: a colour map asks this for every pixel.
int sMix(unsigned char iA, unsigned char iB, double iFraction) {
  return static_cast<int>(iA + (iB - iA) * iFraction + 0.5);
}

// The tables by name, in the order help texts list them.
const struct {
  const char* name;
  ColorScaleAxis::eTable table;
} kTableNames[] = {{"viridis", ColorScaleAxis::Viridis}, {"magma", ColorScaleAxis::Magma},
                   {"inferno", ColorScaleAxis::Inferno}, {"plasma", ColorScaleAxis::Plasma},
                   {"cividis", ColorScaleAxis::Cividis}, {"turbo", ColorScaleAxis::Turbo},
                   {"rainbow", ColorScaleAxis::Rainbow}, {"grey", ColorScaleAxis::Grey}};

const char kReversed[] = "_r";

}  // namespace

ColorScaleAxis::ColorScaleAxis(double iMin, double iMax, eTable iTable, bool iReversed)
    : _Min(iMin), _Max(iMax), _Table(iTable), _Reversed(iReversed) {}

ColorScaleAxis::Limits ColorScaleAxis::PlacedLimits() const {
  Limits lLimits;
  lLimits._Min = _Log ? std::log10(_Min) : _Min;
  lLimits._Max = _Log ? std::log10(_Max) : _Max;
  lLimits._Stops = sStops(_Table, lLimits._Count);
  return lLimits;
}

double ColorScaleAxis::Place(double iValue, const Limits& iLimits) const {
  // 0 at the minimum and 1 at the maximum; equal limits put the limit itself in the middle. On a
  // logarithmic scale the logarithms are placed (NaN at or below zero).
  const double lValue = _Log ? (iValue > 0.0 ? std::log10(iValue) : NAN) : iValue;
  const double lMin = iLimits._Min, lMax = iLimits._Max;
  if (std::isnan(lValue)) return lValue;
  if (lMax == lMin) return lValue < lMin ? 0.0 : (lValue > lMax ? 1.0 : 0.5);
  return (0.5 * lValue - 0.5 * lMin) / (0.5 * lMax - 0.5 * lMin);  // halves: -1e308 .. 1e308 spans no infinity
}

void ColorScaleAxis::Mix(double iPlace, const Limits& iLimits, int& oRed, int& oGreen, int& oBlue) const {
  double t = iPlace;
  if (std::isnan(t)) {
    oRed = kNaNRed;
    oGreen = kNaNGreen;
    oBlue = kNaNBlue;
    return;
  }
  t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
  if (_Reversed) t = 1.0 - t;
  const int lCount = iLimits._Count;
  const double lPlace = t * (lCount - 1);
  int i = static_cast<int>(lPlace);  // t is within 0 .. 1 here
  if (i > lCount - 2) i = lCount - 2;
  const double lFraction = lPlace - i;
  const unsigned char* a = iLimits._Stops + 3 * i;
  const unsigned char* b = a + 3;
  oRed = sMix(a[0], b[0], lFraction);
  oGreen = sMix(a[1], b[1], lFraction);
  oBlue = sMix(a[2], b[2], lFraction);
}

void ColorScaleAxis::GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) {
  const Limits lLimits = PlacedLimits();
  Mix(Place(iValue, lLimits) + iShift, lLimits, oRed, oGreen, oBlue);
}

void ColorScaleAxis::GetPixelColors(const double* iValues, int iCount, unsigned char* oPixels, long iStride) {
  // What GetColor does, with the limits and the table looked up once for all values.
  const Limits lLimits = PlacedLimits();
  for (int i = 0; i < iCount; ++i, oPixels += iStride) {
    const double v = iValues[i];
    if (std::isnan(v)) {
      oPixels[0] = oPixels[1] = oPixels[2] = oPixels[3] = 0;
      continue;
    }
    int lRed = 0, lGreen = 0, lBlue = 0;
    Mix(Place(v, lLimits) + 0.0, lLimits, lRed, lGreen, lBlue);
    oPixels[0] = static_cast<unsigned char>(lRed);
    oPixels[1] = static_cast<unsigned char>(lGreen);
    oPixels[2] = static_cast<unsigned char>(lBlue);
    oPixels[3] = 255;
  }
}

bool ColorScaleAxis::TableFromName(const std::string& iName, eTable& oTable) {
  for (const auto& n : kTableNames)
    if (iName == n.name) {
      oTable = n.table;
      return true;
    }
  if (iName != "gray") return false;
  oTable = Grey;
  return true;
}

bool ColorScaleAxis::TableFromName(const std::string& iName, eTable& oTable, bool& oReversed) {
  const size_t n = sizeof(kReversed) - 1;
  const bool lReversed = iName.size() > n && iName.compare(iName.size() - n, n, kReversed) == 0;
  if (!TableFromName(lReversed ? iName.substr(0, iName.size() - n) : iName, oTable)) return false;
  oReversed = lReversed;
  return true;
}

const char* ColorScaleAxis::TableName(eTable iTable) {
  for (const auto& n : kTableNames)
    if (n.table == iTable) return n.name;
  return "viridis";
}

std::string ColorScaleAxis::TableNames() {
  std::string lNames;
  const size_t n = sizeof(kTableNames) / sizeof(kTableNames[0]);
  for (size_t i = 0; i < n; ++i) lNames += (i == 0 ? "" : i + 1 == n ? " or " : ", ") + std::string(kTableNames[i].name);
  return lNames + ", each reversed with _r (viridis_r)";
}
