#include "PlotPrimitivesPage.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "CATMathBox2D.h"
#include "CATMathLine2D.h"
#include "CATSymbolType.h"
#include "CATViewer.h"
#include "PagePanels.h"
#include "Scene.h"
#include "MemoryDoubleVector.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFdd2DBarGP.h"
#include "QVTFdd2DCurveGP.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "QVTFdd2DResizeHandleGP.h"
#include "RefPtr.h"

// Model units are millimetres of a 160 x 100 page: four panels, each a plot area with a frame.
namespace {

const double kPi = 3.14159265358979323846;
const double kCaption = 3.0;
const double kSmall = 2.4;

CATGraphicAttributeSet FrameColor() { return Scene::Color(150, 155, 165); }
CATGraphicAttributeSet Blue(int iThickness = 0) { return Scene::Color(31, 100, 190, 255, iThickness); }
CATGraphicAttributeSet Orange(int iThickness = 0) { return Scene::Color(230, 110, 20, 255, iThickness); }
CATGraphicAttributeSet Green(int iThickness = 0) { return Scene::Color(40, 150, 70, 255, iThickness); }
CATGraphicAttributeSet Purple(int iThickness = 0) { return Scene::Color(140, 60, 170, 255, iThickness); }

// A light plot area with a thin frame.
void PlotArea(CATViewer& ioViewer, const CATMathBox2D& iBox) {
  const CATMathPoint2D lLow = iBox.GetLow(), lHigh = iBox.GetHigh();
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(lLow, lHigh, 0), Scene::Color(246, 248, 251));
  Scene::Outline(ioViewer, iBox, FrameColor());
}

// Shows the samples as a curve over iData mapped onto iDisplay and, when iSymbol is not negative,
// as symbols of that type. The primitives hold their own references on the vectors.
void Series(CATViewer& ioViewer, std::vector<double> iX, std::vector<double> iY, const CATMathBox2D& iData,
            const CATMathBox2D& iDisplay, const CATGraphicAttributeSet& iColor, int iSymbol = -1,
            const CATGraphicAttributeSet& iSymbolColor = CATGraphicAttributeSet()) {
  const RefPtr<MemoryDoubleVector> lX(new MemoryDoubleVector(std::move(iX)));
  const RefPtr<MemoryDoubleVector> lY(new MemoryDoubleVector(std::move(iY)));
  if (lX && lY) {
    Scene::Show(ioViewer, new QVTFdd2DCurveGP(iData, iDisplay, QVTFdd2DCurveGP::ReduceAlongX, lX.Get(), lY.Get()),
                iColor);
    if (iSymbol >= 0)
      Scene::Show(ioViewer, new QVTFdd2DCurveSymbolsGP(iSymbol, iData, iDisplay, lX.Get(), lY.Get()), iSymbolColor);
  }
}

void CurvesPanel(CATViewer& ioViewer, CATFont& iFont) {
  const CATMathBox2D lArea(5, 78, 52, 88);
  PlotArea(ioViewer, lArea);
  Scene::Caption(ioViewer, iFont, 5, 90, kCaption, "Curves reduced to pixel columns");

  // A million noisy samples: drawn as about two segments per pixel column.
  const int kNoisy = 1000000;
  std::vector<double> lX(kNoisy), lY(kNoisy);
  uint32_t lState = 88172645u;
  for (int k = 0; k < kNoisy; ++k) {
    lState ^= lState << 13;
    lState ^= lState >> 17;
    lState ^= lState << 5;
    const double t = double(k) / (kNoisy - 1);
    lX[size_t(k)] = t;
    lY[size_t(k)] = 0.35 * std::sin(2 * kPi * 2.5 * t) * (1.0 - 0.5 * t) + 0.25 * ((lState % 20000) / 20000.0 - 0.5);
  }
  // The data boxes leave the top of the area to the legend.
  Series(ioViewer, std::move(lX), std::move(lY), CATMathBox2D(0, 1, -0.8, 1.2), lArea,
         Scene::Color(150, 165, 190));

  // A damped oscillation with three holes of NaN samples.
  std::vector<double> lGapX, lGapY;
  for (int k = 0; k <= 400; ++k) {
    const double t = k / 400.0;
    const bool lHole = (k > 70 && k < 90) || (k > 200 && k < 206) || (k > 300 && k < 340);
    lGapX.push_back(t);
    lGapY.push_back(lHole ? NAN : 0.55 + 0.35 * std::exp(-2.0 * t) * std::cos(2 * kPi * 3.0 * t));
  }
  Series(ioViewer, std::move(lGapX), std::move(lGapY), CATMathBox2D(0, 1, 0, 1.35), lArea, Blue(2));

  // Sampled from right to left: x decreases with the sample index. It leaves the area at the top.
  std::vector<double> lBackX, lBackY;
  for (int k = 0; k <= 200; ++k) {
    const double t = 1.0 - k / 200.0;
    lBackX.push_back(t);
    lBackY.push_back(0.08 + 1.6 * t * t * t);
  }
  Series(ioViewer, std::move(lBackX), std::move(lBackY), CATMathBox2D(0, 1, 0, 1.35), lArea, Orange(2));

  Scene::Caption(ioViewer, iFont, 7, 84, kSmall, "grey: 1 000 000 noisy samples");
  Scene::Caption(ioViewer, iFont, 7, 81, kSmall, "blue: gaps at NaN samples");
  Scene::Caption(ioViewer, iFont, 7, 78, kSmall, "orange: sampled with x decreasing");
}

void SymbolsPanel(CATViewer& ioViewer, CATFont& iFont) {
  const CATMathBox2D lArea(84, 155, 52, 88);
  PlotArea(ioViewer, lArea);
  Scene::Caption(ioViewer, iFont, 84, 90, kCaption, "Symbols at the samples inside the area");
  const CATMathBox2D lData(-0.5, 11.5, -0.5, 4.5);
  const CATSymbolType lTypes[] = {CATSymbolFilledCircle, CATSymbolFilledSquare, CATSymbolCross,
                                  CATSymbolTriangle};
  const CATGraphicAttributeSet lColors[] = {Blue(), Orange(), Green(), Purple()};
  for (int i = 0; i < 4; ++i) {
    std::vector<double> lX, lY;
    // Thirteen samples; the last one lies beyond the area and gets no symbol.
    for (int k = 0; k <= 12; ++k) {
      lX.push_back(k);
      lY.push_back(0.35 + i + 0.3 * std::sin(0.9 * k + 1.3 * i));
    }
    Series(ioViewer, std::move(lX), std::move(lY), lData, lArea, Scene::Color(200, 205, 215), lTypes[i],
           lColors[i]);
  }
}

void BarsPanel(CATViewer& ioViewer, CATFont& iFont) {
  const CATMathBox2D lArea(5, 78, 8, 44);
  PlotArea(ioViewer, lArea);
  Scene::Caption(ioViewer, iFont, 5, 46, kCaption, "Bars; thin ones drawn as lines");
  // Twenty values over a base line at y = 12; the small ones are under a pixel tall and come out
  // as one-pixel lines, the zero one as the base line in the bars' own thickness.
  const double lValues[] = {18, 24, 27, 21, 0.1, 14, 9, 0.05, 16, 25, 29, 26, 0, 12, 7, 0.12, 19, 23, 15, 10};
  Scene::Polyline(ioViewer, {CATMathPoint2D(6, 12), CATMathPoint2D(77, 12)}, FrameColor());
  for (int i = 0; i < 20; ++i) {
    const float lBase[2] = {float(7.5 + 3.45 * i), 12.0f};
    const float lTop[2] = {float(7.5 + 3.45 * i + 2.6), float(12.0 + lValues[i])};
    Scene::Show(ioViewer, new QVTFdd2DBarGP(lBase, lTop, QVTFdd2DBarGP::Vertical),
                lValues[i] > 1.0 ? Blue(3) : Orange(3));
  }
  Scene::Caption(ioViewer, iFont, 7, 9, kSmall, "orange: under one pixel tall (one of them zero)");
}

void HandlesPanel(CATViewer& ioViewer, CATFont& iFont) {
  const CATMathBox2D lArea(84, 155, 8, 44);
  PlotArea(ioViewer, lArea);
  Scene::Caption(ioViewer, iFont, 84, 46, kCaption, "Resize handles");
  // A selected rectangle with its nine marks.
  const double lXs[3] = {92, 110, 128}, lYs[3] = {14, 24, 34};
  Scene::Polyline(ioViewer,
                  {CATMathPoint2D(92, 14), CATMathPoint2D(92, 34), CATMathPoint2D(128, 34), CATMathPoint2D(128, 14),
                   CATMathPoint2D(92, 14)},
                  FrameColor());
  typedef QVTFdd2DResizeHandleGP Handle;
  const Handle::eRectangleType lMarks[3][3] = {
      {Handle::BottomLeftCorner, Handle::BottomEdge, Handle::BottomRightCorner},
      {Handle::LeftEdge, Handle::CentreSquare, Handle::RightEdge},
      {Handle::TopLeftCorner, Handle::TopEdge, Handle::TopRightCorner}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c)
      Scene::Show(ioViewer, new Handle(CATMathPoint2D(lXs[c], lYs[r]), lMarks[r][c]), Blue(3));
  // A selected line: its handle runs along it.
  Scene::Polyline(ioViewer, {CATMathPoint2D(136, 12), CATMathPoint2D(150, 38)}, FrameColor());
  Scene::Show(ioViewer,
              new Handle(CATMathLine2D(CATMathPoint2D(139, 17.5), CATMathPoint2D(147, 32.5)), Handle::FreeLine),
              Orange(3));
  Scene::Caption(ioViewer, iFont, 86, 9.5, kSmall, "edges, corners and centre of a rectangle; a line");
}

}  // namespace

void PlotPrimitivesPage::Build(CATViewer& ioViewer, CATFont& iFont) {
  ioViewer.FitBox(0.0, 160.0, 0.0, 100.0);
  Scene::Caption(ioViewer, iFont, 5, 94, 4.5, "Plot primitives");
  PagePanels::Build(ioViewer, iFont, {&CurvesPanel, &SymbolsPanel, &BarsPanel, &HandlesPanel});
}
