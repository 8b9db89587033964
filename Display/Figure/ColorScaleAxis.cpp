#include "ColorScaleAxis.h"

#include <cmath>

#include "QVTFddMathSaturateToInt.h"

namespace {

// Tables are colour stops (red, green, blue) at equal spacing.
// Viridis, sampled at 65 equally spaced places; linear interpolation between them stays within
// one unit of the full 256-entry table.
const unsigned char kViridis[][3] = {
    {68, 1, 84}, {70, 6, 90}, {71, 13, 96}, {71, 19, 101},
    {72, 24, 106}, {72, 29, 111}, {72, 35, 116}, {72, 40, 120},
    {71, 45, 123}, {70, 50, 126}, {69, 54, 129}, {68, 59, 132},
    {66, 64, 134}, {64, 69, 135}, {63, 73, 137}, {61, 78, 138},
    {59, 82, 139}, {57, 86, 140}, {55, 90, 141}, {53, 94, 141},
    {51, 99, 141}, {49, 102, 142}, {47, 106, 142}, {46, 110, 142},
    {44, 114, 142}, {43, 118, 142}, {41, 122, 142}, {40, 125, 142},
    {38, 129, 142}, {37, 133, 142}, {35, 137, 142}, {34, 140, 141},
    {33, 144, 140}, {32, 148, 140}, {31, 152, 139}, {30, 155, 138},
    {31, 159, 136}, {32, 163, 135}, {33, 166, 133}, {36, 170, 131},
    {40, 174, 128}, {44, 177, 126}, {49, 181, 123}, {55, 184, 119},
    {62, 188, 116}, {69, 191, 112}, {76, 194, 108}, {84, 198, 103},
    {93, 201, 99}, {101, 204, 93}, {110, 206, 88}, {120, 209, 82},
    {130, 211, 76}, {140, 214, 70}, {150, 216, 63}, {160, 218, 57},
    {171, 220, 50}, {181, 222, 43}, {192, 223, 36}, {203, 225, 31},
    {213, 226, 26}, {224, 227, 24}, {234, 229, 26}, {244, 230, 30},
    {253, 231, 37},
};

// Rainbow for spectra, piecewise linear in eighths: dark blue, blue, azure, cyan, light green,
// yellow, orange, red, dark red.
const unsigned char kRainbow[][3] = {
    {0, 0, 128},   {0, 0, 255},   {0, 128, 255}, {0, 255, 255}, {128, 255, 128},
    {255, 255, 0}, {255, 128, 0}, {255, 0, 0},   {128, 0, 0},
};

const unsigned char kGrey[][3] = {{0, 0, 0}, {255, 255, 255}};

// The stops of iTable, three bytes each, and their number.
const unsigned char* sStops(ColorScaleAxis::eTable iTable, int& oCount) {
  switch (iTable) {
    case ColorScaleAxis::Rainbow:
      oCount = static_cast<int>(sizeof(kRainbow) / sizeof(kRainbow[0]));
      return kRainbow[0];
    case ColorScaleAxis::Grey:
      oCount = static_cast<int>(sizeof(kGrey) / sizeof(kGrey[0]));
      return kGrey[0];
    default:
      oCount = static_cast<int>(sizeof(kViridis) / sizeof(kViridis[0]));
      return kViridis[0];
  }
}

int sMix(unsigned char iA, unsigned char iB, double iFraction) {
  return QVTFddMathSaturateToInt(iA + (iB - iA) * iFraction + 0.5);
}

}  // namespace

ColorScaleAxis::ColorScaleAxis(double iMin, double iMax, eTable iTable) : _Min(iMin), _Max(iMax), _Table(iTable) {}

void ColorScaleAxis::GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) {
  // Place in the table, 0 at _Min and 1 at _Max; equal limits put the limit itself in the
  // middle.
  double t = 0.0;
  if (std::isnan(iValue))
    t = iValue;
  else if (_Max == _Min)
    t = iValue < _Min ? 0.0 : (iValue > _Max ? 1.0 : 0.5);
  else
    t = (0.5 * iValue - 0.5 * _Min) / (0.5 * _Max - 0.5 * _Min);  // halves: -1e308 .. 1e308 spans no infinity
  t += iShift;
  if (std::isnan(t)) {
    oRed = kNaNRed;
    oGreen = kNaNGreen;
    oBlue = kNaNBlue;
    return;
  }
  t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
  int lCount = 0;
  const unsigned char* lStops = sStops(_Table, lCount);
  const double lPlace = t * (lCount - 1);
  int i = QVTFddMathSaturateToInt(lPlace);
  if (i > lCount - 2) i = lCount - 2;
  const double lFraction = lPlace - i;
  const unsigned char* a = lStops + 3 * i;
  const unsigned char* b = a + 3;
  oRed = sMix(a[0], b[0], lFraction);
  oGreen = sMix(a[1], b[1], lFraction);
  oBlue = sMix(a[2], b[2], lFraction);
}

bool ColorScaleAxis::TableFromName(const std::string& iName, eTable& oTable) {
  if (iName == "viridis")
    oTable = Viridis;
  else if (iName == "rainbow")
    oTable = Rainbow;
  else if (iName == "grey" || iName == "gray")
    oTable = Grey;
  else
    return false;
  return true;
}

const char* ColorScaleAxis::TableName(eTable iTable) {
  switch (iTable) {
    case Rainbow:
      return "rainbow";
    case Grey:
      return "grey";
    default:
      return "viridis";
  }
}
