#include "ColorScaleAxis.h"

#include <algorithm>
#include <cmath>
#include <cstring>

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
  lLimits._Min = _Scale.ToAxis(_Min);
  lLimits._Max = _Scale.ToAxis(_Max);
  lLimits._Stops = sStops(_Table, lLimits._Count);
  return lLimits;
}

double ColorScaleAxis::Place(double iValue, const Limits& iLimits) const {
  // 0 at the minimum and 1 at the maximum; equal limits put the limit itself in the middle. On a
  // logarithmic scale the logarithms are placed (NaN at or below zero).
  const double lValue = _Scale.ToAxis(iValue);
  const double lMin = iLimits._Min, lMax = iLimits._Max;
  if (std::isnan(lValue)) return lValue;
  if (lMax == lMin) return lValue < lMin ? 0.0 : (lValue > lMax ? 1.0 : 0.5);
  return (0.5 * lValue - 0.5 * lMin) / (0.5 * lMax - 0.5 * lMin);  // halves: -1e308 .. 1e308 spans no infinity
}

int ColorScaleAxis::Mix(double iPlace, const Limits& iLimits, int& oRed, int& oGreen, int& oBlue) const {
  double t = iPlace;
  if (std::isnan(t)) {
    oRed = kNaNRed;
    oGreen = kNaNGreen;
    oBlue = kNaNBlue;
    return -1;
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
  return i;
}

void ColorScaleAxis::GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) {
  const Limits lLimits = PlacedLimits();
  Mix(Place(iValue, lLimits) + iShift, lLimits, oRed, oGreen, oBlue);
}

int ColorScaleAxis::PixelOf(double iValue, const Limits& iLimits, unsigned char* oPixel) const {
  int lRed = 0, lGreen = 0, lBlue = 0;
  const int lStop = Mix(Place(iValue, iLimits) + 0.0, iLimits, lRed, lGreen, lBlue);
  oPixel[0] = static_cast<unsigned char>(lRed);
  oPixel[1] = static_cast<unsigned char>(lGreen);
  oPixel[2] = static_cast<unsigned char>(lBlue);
  oPixel[3] = 255;
  return lStop;
}

namespace {

// The pixel's four bytes as one word, in memory order.
unsigned int sWord(const unsigned char* iPixel) {
  unsigned int lWord = 0;
  std::memcpy(&lWord, iPixel, 4);
  return lWord;
}

}  // namespace

void ColorScaleAxis::BuildBuckets() {
  _BucketsTried = true;
  const Limits lLimits = PlacedLimits();
  const double lLow = std::min(_Min, _Max), lHigh = std::max(_Min, _Max), lWidth = lHigh - lLow;
  const double lStep = lWidth / kBuckets;
  // A bucket's bounds must be far finer than its width, or a value could fall into a bucket
  // whose bounds do not enclose it.
  if (_Scale.IsLog() || !std::isfinite(lWidth) || !(lWidth > 0.0) || !(std::max(-lLow, lHigh) * 1e-9 < lStep)) return;
  _BucketLow = lLow;
  _BucketHigh = lHigh;
  _BucketScale = kBuckets / lWidth;
  _Lookup.assign(static_cast<size_t>(kBuckets) + 3, kUnknown);
  // Values beyond the limits take the colour of the nearer end; NaN shows nothing.
  unsigned char lPixel[4];
  PixelOf(-INFINITY, lLimits, lPixel);
  _Lookup[0] = sWord(lPixel);
  PixelOf(INFINITY, lLimits, lPixel);
  _Lookup[kBuckets + 1] = sWord(lPixel);
  _Lookup[kBuckets + 2] = 0;
}

unsigned int ColorScaleAxis::SettleBucket(size_t k, const Limits& iLimits) const {
  // Every step of the colour is monotone in the value between two stops of the table: a bucket
  // whose widened ends lie between the same stops with the same colour has that colour
  // throughout. The widening covers the rounding of a value's bucket number.
  const double lStep = (_BucketHigh - _BucketLow) / kBuckets, b = static_cast<double>(k) - 1.0;
  unsigned char lFirst[4], lLast[4];
  const int lFrom = PixelOf(_BucketLow + (b - 0.25) * lStep, iLimits, lFirst);
  const int lTo = PixelOf(_BucketLow + (b + 1.25) * lStep, iLimits, lLast);
  return lFrom == lTo && std::equal(lFirst, lFirst + 3, lLast) ? sWord(lFirst) : kMixed;
}

void ColorScaleAxis::GetPixelColors(const double* iValues, int iCount, unsigned char* oPixels, long iStride) {
  // What GetColor does, with the limits and the table looked up once for all values, and on a
  // linear scale most colours read from their bucket.
  const Limits lLimits = PlacedLimits();
  if (!_BucketsTried) BuildBuckets();
  if (_Lookup.empty()) {
    for (int i = 0; i < iCount; ++i, oPixels += iStride) {
      if (std::isnan(iValues[i]))
        std::fill(oPixels, oPixels + 4, 0);
      else
        PixelOf(iValues[i], lLimits, oPixels);
    }
    return;
  }
  unsigned int* lLookup = _Lookup.data();
  const double lLow = _BucketLow, lHigh = _BucketHigh, lScale = _BucketScale;
  for (int i = 0; i < iCount; ++i, oPixels += iStride) {
    const double v = iValues[i];
    size_t k = kBuckets + 2;
    if (v > lHigh)
      k = kBuckets + 1;
    else if (v >= lLow)
      k = 1 + static_cast<size_t>(std::min(static_cast<int>((v - lLow) * lScale), kBuckets - 1));
    else if (v < lLow)
      k = 0;
    unsigned int lPixel = lLookup[k];
    if (lPixel == kUnknown) lPixel = lLookup[k] = SettleBucket(k, lLimits);
    if (lPixel != kMixed)
      std::memcpy(oPixels, &lPixel, 4);
    else
      PixelOf(v, lLimits, oPixels);
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
