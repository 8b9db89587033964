#include "Legend.h"

#include <algorithm>

#include "CAT2DLineGP.h"
#include "CATFont.h"
#include "CATMathPoint2Df.h"
#include "CATSymbolType.h"
#include "CATViewer.h"
#include "DashedLine.h"
#include "FigureStyle.h"
#include "Scene.h"
#include "TextFit.h"
#include "QVTFdd2DBackgroundGP.h"
#include "RefPtr.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "MemoryDoubleVector.h"

namespace {

double RowHeight(const FigureStyle& iStyle) { return iStyle.TextHeight * 1.5; }
double Inset(const FigureStyle& iStyle) { return iStyle.TextHeight * 0.6; }
// The width of a box beside its names.
double Frame(const FigureStyle& iStyle) { return 2 * Inset(iStyle) + iStyle.LegendLine + 0.5 * iStyle.TextHeight; }

}  // namespace

void Legend::Add(const std::string& iName, const SeriesStyle& iStyle, eSample iSample) {
  _Entries.push_back({iName, iStyle, iSample});
}

std::vector<std::string> Legend::Names(const FigureStyle& iStyle, CATFont& iFont, double iMaxWidth) const {
  std::vector<std::string> lNames;
  for (const Entry& lEntry : _Entries)
    lNames.push_back(TextFit::Line(lEntry.name, iFont, iStyle.TextHeight, iMaxWidth - Frame(iStyle)));
  return lNames;
}

void Legend::GetSize(const FigureStyle& iStyle, CATFont& iFont, double iMaxWidth, double& oWidth,
                     double& oHeight) const {
  double lText = 0.0;
  for (const std::string& lName : Names(iStyle, iFont, iMaxWidth))
    lText = std::max(lText, iFont.GetAdvance(lName) * iStyle.TextHeight);
  oWidth = Frame(iStyle) + lText;
  oHeight = 2 * Inset(iStyle) + RowHeight(iStyle) * static_cast<double>(_Entries.size());
}

void Legend::Show(CATViewer& ioViewer, double iLeft, double iTop, double iMaxWidth, const FigureStyle& iStyle,
                  CATFont& iFont) const {
  double lWidth = 0.0, lHeight = 0.0;
  GetSize(iStyle, iFont, iMaxWidth, lWidth, lHeight);
  const std::vector<std::string> lNames = Names(iStyle, iFont, iMaxWidth);
  const int g = iStyle.FrameGrey;
  Scene::Show(ioViewer,
              new QVTFdd2DBackgroundGP(CATMathPoint2D(iLeft, iTop - lHeight), CATMathPoint2D(iLeft + lWidth, iTop), 0),
              Scene::Color(g, g, g));
  Scene::Show(ioViewer,
              new QVTFdd2DBackgroundGP(CATMathPoint2D(iLeft + 1, iTop - lHeight + 1),
                                       CATMathPoint2D(iLeft + lWidth - 1, iTop - 1), 0),
              Scene::Color(255, 255, 255));
  const double lAscent = iFont.GetAscent() + iFont.GetDescent();
  for (size_t i = 0; i < _Entries.size(); ++i) {
    const Entry& e = _Entries[i];
    const SeriesStyle& s = e.style;
    const double lMid = iTop - Inset(iStyle) - RowHeight(iStyle) * (static_cast<double>(i) + 0.5);
    const double x0 = iLeft + Inset(iStyle), x1 = x0 + iStyle.LegendLine;
    if (e.sample == Bar) {
      const double h = iStyle.TextHeight * 0.8;
      Scene::Show(ioViewer,
                  new QVTFdd2DBackgroundGP(CATMathPoint2D(x0 + 4, lMid - h / 2), CATMathPoint2D(x1 - 4, lMid + h / 2), 0),
                  Scene::Color(s.Red, s.Green, s.Blue));
    } else if (s.Line) {
      const int lThickness = s.Width > 0 ? s.Width : iStyle.CurveThickness;
      DashedLine lLine(s.GetDashes(lThickness), CATMathBox2D(x0, x1, lMid - 1, lMid + 1));
      lLine.Add(x0, lMid);
      lLine.Add(x1, lMid);
      const std::vector<CATMathPoint2Df>& lPoints = lLine.GetPoints();
      Scene::Show(ioViewer, new CAT2DLineGP(lPoints.data(), static_cast<int>(lPoints.size()), 1, 0),
                  Scene::Color(s.Red, s.Green, s.Blue, 255, lThickness));
    }
    if (e.sample == Line && s.Symbols) {
      // The marker through the same primitive as the curve's markers: one point in a unit box.
      const RefPtr<MemoryDoubleVector> lX(new MemoryDoubleVector({0.5}));
      const RefPtr<MemoryDoubleVector> lY(new MemoryDoubleVector({0.5}));
      const double c = (x0 + x1) / 2;
      if (lX && lY)
        Scene::Show(ioViewer,
                    new QVTFdd2DCurveSymbolsGP(s.Symbol, CATMathBox2D(0, 1, 0, 1),
                                               CATMathBox2D(c - 1, c + 1, lMid - 1, lMid + 1), lX.Get(), lY.Get()),
                    Scene::Color(s.Red, s.Green, s.Blue));
    }
    Scene::Caption(ioViewer, iFont, x1 + 0.5 * iStyle.TextHeight, lMid - lAscent * iStyle.TextHeight / 2,
                   iStyle.TextHeight, lNames[i].c_str());
  }
}
