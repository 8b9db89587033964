#include "PlotAxis.h"

#include <algorithm>
#include <cmath>

#include "CATListValCATUnicodeString.h"
#include "CATUnicodeString.h"
#include "DataRange.h"
#include "FigureStyle.h"
#include "LinearTicks.h"
#include "LogTicks.h"
#include "QVTFdd2DAxisDrawing.h"
#include "TextFit.h"
#include "TickValueFormat.h"

void PlotAxis::SetRange(double iMin, double iMax) {
  _Min = iMin;
  _Max = iMax;
}

bool PlotAxis::HasRange() const {
  if (!std::isfinite(_Min) || !std::isfinite(_Max) || !(_Max > _Min)) return false;
  return _Scale.IsValid(_Min);
}

void PlotAxis::ShownRange(double iLow, double iHigh, double iMargin, bool iHasData, const std::string& iName,
                          double& oMin, double& oMax, std::string& oWarning) const {
  oWarning.clear();
  if (HasRange()) {
    oMin = _Min;
    oMax = _Max;
    return;
  }
  DataRange::Axis(iLow, iHigh, iMargin, _Scale.IsLog(), oMin, oMax);
  const std::string lAxis = std::string("the ") + _Scale.GetName() + " " + iName + " axis";
  // Only a logarithmic axis refuses ends: a range of finite ends below zero is for it alone.
  const bool lGiven = std::isfinite(_Min) && std::isfinite(_Max) && _Max > _Min;
  if (lGiven) {
    auto lText = [](double iValue) { return TickValueFormat::Compact(iValue, 1e-4, 1e6, false).ToUTF8(); };
    if (!_Scale.IsValid(_Max)) {
      oWarning = lAxis + " cannot show the range " + lText(_Min) + " .. " + lText(_Max) + ": it shows the data's";
    } else {
      // The upper end stays; the lower one is the data's, or a decade below the upper end.
      oMax = _Max;
      if (!(oMin < oMax)) oMin = _Scale.FromAxis(_Scale.ToAxis(oMax) - 1.0);
      oWarning = lAxis + " cannot start at " + lText(_Min) + ": it starts at the data's lower end";
    }
    return;
  }
  if (_Scale.IsLog() && iHasData && !(iHigh > 0.0)) oWarning = lAxis + " has no value above 0";
}

void PlotAxis::MakeTicks(double iMin, double iMax, double iLength, bool iHorizontal, const FigureStyle& iStyle,
                         RefPtr<QVTIFddTicks>& oMajor, RefPtr<QVTIFddTicks>& oMinor) const {
  LeveledTicks* lMajor = nullptr;
  LeveledTicks* lMinor = nullptr;
  if (_Scale.IsLog()) {
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
  // The label is centred on the axis: no longer than the axis, it never pushes the data box's ends.
  const double lLength = std::hypot(iEnd.GetX() - iStart.GetX(), iEnd.GetY() - iStart.GetY());
  const std::string lLabel = TextFit::Line(iLabel, iFont, iStyle.TextHeight, lLength);
  return RefPtr<QVTFdd2DAxisDrawing>(new QVTFdd2DAxisDrawing(
      iStart, iEnd, iSide, static_cast<float>(iStyle.TextHeight), &iFont, lMinTexts, lMaxTexts, 1, 0, 0,
      QVTFdd2DAxisDrawing::eOutside, iMajor, iMinor, nullptr, lLabel.c_str(), "", 1, CATListValCATUnicodeString()));
}
