#include "PlotAxis.h"

#include <algorithm>
#include <cmath>

#include "CATListValCATUnicodeString.h"
#include "CATUnicodeString.h"
#include "FigureStyle.h"
#include "LinearTicks.h"
#include "Log10Vector.h"
#include "LogTicks.h"
#include "QVTFdd2DAxisDrawing.h"

void PlotAxis::SetRange(double iMin, double iMax) {
  _Min = iMin;
  _Max = iMax;
}

bool PlotAxis::HasRange() const {
  if (!std::isfinite(_Min) || !std::isfinite(_Max) || !(_Max > _Min)) return false;
  return !_Log || _Min > 0.0;
}

double PlotAxis::ToAxis(double iValue) const { return _Log ? Log10Vector::Log10(iValue) : iValue; }

void PlotAxis::MakeTicks(double iMin, double iMax, double iLength, bool iHorizontal, const FigureStyle& iStyle,
                         RefPtr<QVTIFddTicks>& oMajor, RefPtr<QVTIFddTicks>& oMinor) const {
  LeveledTicks* lMajor = nullptr;
  LeveledTicks* lMinor = nullptr;
  if (_Log) {
    lMajor = new LogTicks(iMin, iMax, LogTicks::eMajor);
    lMinor = new LogTicks(iMin, iMax, LogTicks::eMinor);
  } else {
    lMajor = new LinearTicks(iMin, iMax, LinearTicks::eMajor);
    lMinor = new LinearTicks(iMin, iMax, LinearTicks::eMinor);
  }
  const double lSpacing = (iHorizontal ? iStyle.TickSpacingX : iStyle.TickSpacingY) * iStyle.TextHeight;
  const double lMaxTicks = std::isfinite(iLength) && iLength > 0.0 ? 1.5 + iLength / lSpacing : 2.0;
  if (lMajor) {
    lMajor->SetTickLength(iStyle.MajorTickLength);
    const int lDropped = lMajor->DropDenseLevels(static_cast<int>(std::min(lMaxTicks, 1e6)));
    if (lMinor) lMinor->DropFirstLevels(lDropped);
  }
  if (lMinor) lMinor->SetTickLength(iStyle.MinorTickLength);
  oMajor = RefPtr<QVTIFddTicks>(lMajor);
  oMinor = RefPtr<QVTIFddTicks>(lMinor);
}

RefPtr<QVTFdd2DAxisDrawing> PlotAxis::MakeDrawing(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                                  const CATMathDirection2D& iSide, QVTIFddTicks* iMajor,
                                                  QVTIFddTicks* iMinor, const std::string& iLabel,
                                                  const FigureStyle& iStyle, CATFont& iFont) {
  // One SPS without limit texts: the ticks say where the range lies.
  CATUnicodeString lMinTexts[1] = {""};
  CATUnicodeString lMaxTexts[1] = {""};
  return RefPtr<QVTFdd2DAxisDrawing>(new QVTFdd2DAxisDrawing(
      iStart, iEnd, iSide, static_cast<float>(iStyle.TextHeight), &iFont, lMinTexts, lMaxTexts, 1, 0, 0,
      QVTFdd2DAxisDrawing::eOutside, iMajor, iMinor, nullptr, iLabel.c_str(), "", 1, CATListValCATUnicodeString()));
}
