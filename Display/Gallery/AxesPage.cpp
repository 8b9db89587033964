#include "AxesPage.h"

#include <cmath>
#include <vector>

#include "CAT3DLineGP.h"
#include "CATViewer.h"
#include "PagePanels.h"
#include "Scene.h"
#include "LinearTicks.h"
#include "LogTicks.h"
#include "QVTFdd2DAxisDrawing.h"
#include "QVTFdd2DAxisGP.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFdd3DAxisTickRep.h"
#include "RefPtr.h"

// Model units: a 600 x 450 page, two pixels per unit on the 1200 x 900 picture.
namespace {

const float kTextHeight = 6.0f;
const double kTitleHeight = 7.0;
const int kMajorLength = 4;
const int kMinorLength = 2;

CATGraphicAttributeSet AxisColor() { return Scene::Color(64, 64, 64); }

// One axis of the page: geometry, ticks and texts; the drawing is built from it.
struct Axis {
  CATMathPoint2D start, end;
  CATMathDirection2D side;
  QVTFdd2DAxisDrawing::eTickPosition position = QVTFdd2DAxisDrawing::eOutside;
  RefPtr<QVTIFddTicks> major;
  RefPtr<QVTIFddTicks> minor;
  const char* firstLabel = "";
  const char* secondLabel = "";
  std::vector<CATUnicodeString> minTexts{""}, maxTexts{""};
  int activeSPS = 0;
  int showLimits = 0;
  int continuous = 1;
  CATListValCATUnicodeString values;
};

// Takes over the reference of a new iTicks.
RefPtr<QVTIFddTicks> Lengthened(LeveledTicks* iTicks, int iLength) {
  if (iTicks) iTicks->SetTickLength(iLength);
  return RefPtr<QVTIFddTicks>(iTicks);
}
RefPtr<QVTIFddTicks> Major(double iMin, double iMax) {
  return Lengthened(new LinearTicks(iMin, iMax, LinearTicks::eMajor), kMajorLength);
}
RefPtr<QVTIFddTicks> Minor(double iMin, double iMax) {
  return Lengthened(new LinearTicks(iMin, iMax, LinearTicks::eMinor), kMinorLength);
}

// Lays out oAxis from iStart to iEnd, its texts towards iSide.
void Place(Axis& oAxis, const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iSide,
           const char* iFirstLabel) {
  oAxis.start = iStart;
  oAxis.end = iEnd;
  oAxis.side = iSide;
  oAxis.firstLabel = iFirstLabel;
}

// Place, with linear major and minor ticks over [iMin, iMax].
void PlaceLinear(Axis& oAxis, const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                 const CATMathDirection2D& iSide, double iMin, double iMax, const char* iFirstLabel) {
  Place(oAxis, iStart, iEnd, iSide, iFirstLabel);
  oAxis.major = Major(iMin, iMax);
  oAxis.minor = Minor(iMin, iMax);
}

// The limits of SPSs other than the active one, in the colours their curves would have.
CATGraphicAttributeSet SPSColor(int iSPS) {
  static const int kPalette[3][3] = {{31, 119, 180}, {44, 160, 44}, {214, 96, 20}};
  const int* c = kPalette[iSPS % 3];
  return Scene::Color(c[0], c[1], c[2]);
}

// Builds the drawing and shows every SPS through its own axis GP: the active one, which carries
// the axis, in dark grey.
void Show(CATViewer& ioViewer, CATFont& iFont, Axis& ioAxis) {
  const RefPtr<QVTFdd2DAxisDrawing> lDrawing(new QVTFdd2DAxisDrawing(
      ioAxis.start, ioAxis.end, ioAxis.side, kTextHeight, &iFont, ioAxis.minTexts.data(), ioAxis.maxTexts.data(),
      static_cast<int>(ioAxis.minTexts.size()), ioAxis.activeSPS, ioAxis.showLimits, ioAxis.position, ioAxis.major.Get(),
      ioAxis.minor.Get(), nullptr, ioAxis.firstLabel, ioAxis.secondLabel, ioAxis.continuous, ioAxis.values));
  if (!lDrawing) return;
  // The active SPS last, so that its axis line and end ticks lie on top.
  for (int i = 0; i < lDrawing->GetNbrSPS(); ++i)
    if (i != ioAxis.activeSPS) Scene::Show(ioViewer, new QVTFdd2DAxisGP(lDrawing.Get(), i), SPSColor(i));
  Scene::Show(ioViewer, new QVTFdd2DAxisGP(lDrawing.Get(), ioAxis.activeSPS), AxisColor());
}

// A plot: light area, a damped oscillation over x in [0, 100], y in [-1, 1], and its two axes.
void Plot(CATViewer& ioViewer, CATFont& iFont, double iX0, double iY0, double iWidth, double iHeight,
          const char* iXLabel, const char* iYLabel) {
  Scene::Show(ioViewer,
              new QVTFdd2DBackgroundGP(CATMathPoint2D(iX0, iY0), CATMathPoint2D(iX0 + iWidth, iY0 + iHeight), 0),
              Scene::Color(243, 245, 248));
  std::vector<CATMathPoint2D> lCurve;
  for (int i = 0; i <= 400; ++i) {
    const double x = 100.0 * i / 400, y = std::exp(-x / 60.0) * std::sin(x / 5.0);
    lCurve.emplace_back(iX0 + iWidth * x / 100.0, iY0 + iHeight * (y + 1.0) / 2.0);
  }
  Scene::Polyline(ioViewer, lCurve, Scene::Color(31, 119, 180, 255, 2));

  Axis lBottom;
  PlaceLinear(lBottom, CATMathPoint2D(iX0, iY0), CATMathPoint2D(iX0 + iWidth, iY0), CATMathDirection2D(0, -1), 0, 100,
              iXLabel);
  Show(ioViewer, iFont, lBottom);

  Axis lLeft;
  PlaceLinear(lLeft, CATMathPoint2D(iX0, iY0), CATMathPoint2D(iX0, iY0 + iHeight), CATMathDirection2D(-1, 0), -1, 1,
              iYLabel);
  Show(ioViewer, iFont, lLeft);
}

void PlotsPanel(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 10, 418, kTitleHeight, "Plot axes, long and short");
  Plot(ioViewer, iFont, 42, 285, 190, 120, "Time [s]", "Amplitude [V]");
  Plot(ioViewer, iFont, 272, 330, 64, 48, "Time [s]", "[V]");
  Scene::Caption(ioViewer, iFont, 256, 402, 5, "same ranges, short axes:");
  Scene::Caption(ioViewer, iFont, 256, 394, 5, "sparser tick levels");
}

// One horizontal axis per tick position, with the limit texts of its range.
void TickPositionsPanel(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 10, 218, kTitleHeight, "Tick positions");
  const struct {
    QVTFdd2DAxisDrawing::eTickPosition position;
    const char* label;
  } lRows[] = {{QVTFdd2DAxisDrawing::eOutside, "eOutside: ticks towards the texts"},
               {QVTFdd2DAxisDrawing::eInside, "eInside: ticks away from the texts"},
               {QVTFdd2DAxisDrawing::eCentered, "eCentered: ticks across the axis"}};
  for (int i = 0; i < 3; ++i) {
    Axis lAxis;
    const double y = 196 - 62 * i;
    PlaceLinear(lAxis, CATMathPoint2D(22, y), CATMathPoint2D(212, y), CATMathDirection2D(0, -1), -2.5, 12.5,
                lRows[i].label);
    lAxis.position = lRows[i].position;
    lAxis.minTexts = {"-2.5"};
    lAxis.maxTexts = {"12.5"};
    lAxis.showLimits = 1;
    Show(ioViewer, iFont, lAxis);
  }
}

// Three SPSs on one axis: each shows its limits, moved inward by its index in fifteenths of the
// axis; the active one (SPS 1) also has the ticks.
void SPSPanel(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 242, 218, kTitleHeight, "Three SPSs, staggered limits");
  Axis lAxis;
  PlaceLinear(lAxis, CATMathPoint2D(252, 196), CATMathPoint2D(402, 196), CATMathDirection2D(0, -1), 0, 40,
              "limits of SPS 0 (blue), 1 (active) and 2 (orange)");
  lAxis.minTexts = {"-5", "0", "5"};
  lAxis.maxTexts = {"60", "40", "25"};
  lAxis.activeSPS = 1;
  lAxis.showLimits = 1;
  Show(ioViewer, iFont, lAxis);
}

void DiscretePanel(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 242, 148, kTitleHeight, "Discrete axis");
  Axis lAxis;
  Place(lAxis, CATMathPoint2D(252, 120), CATMathPoint2D(402, 120), CATMathDirection2D(0, -1), "");
  lAxis.continuous = 0;
  for (const char* lName : {"Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune"})
    lAxis.values.Append(lName);
  lAxis.secondLabel = "Planet";
  Show(ioViewer, iFont, lAxis);
}

void LogPanel(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 432, 218, kTitleHeight, "Logarithmic axis");
  Axis lAxis;
  Place(lAxis, CATMathPoint2D(442, 196), CATMathPoint2D(590, 196), CATMathDirection2D(0, -1), "Frequency [Hz]");
  lAxis.major = Lengthened(new LogTicks(1, 1e6, LogTicks::eMajor), kMajorLength);
  lAxis.minor = Lengthened(new LogTicks(1, 1e6, LogTicks::eMinor), kMinorLength);
  Show(ioViewer, iFont, lAxis);
}

// Vertical axes: labels turned to read along the axis, upwards on the left, downwards on the right.
void VerticalPanel(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 432, 148, kTitleHeight, "Vertical axes, turned labels");
  Axis lLeft;
  PlaceLinear(lLeft, CATMathPoint2D(492, 22), CATMathPoint2D(492, 132), CATMathDirection2D(-1, 0), -40, 120,
              "Temperature [\xC2\xB0" "C]");
  lLeft.secondLabel = "sensor T1";
  Show(ioViewer, iFont, lLeft);

  Axis lRight;
  PlaceLinear(lRight, CATMathPoint2D(542, 132), CATMathPoint2D(542, 22), CATMathDirection2D(1, 0), 0, 1, "Humidity");
  lRight.position = QVTFdd2DAxisDrawing::eInside;
  Show(ioViewer, iFont, lRight);
}

// The ticks of three axes of a box corner in 3D, drawn in the attributes of the axis lines before
// them; the receding axis is drawn through the render's oblique projection.
void ThreeDPanel(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 432, 418, kTitleHeight, "3D axis ticks");
  const CATMathPoint lOrigin(500, 290, 0);
  const struct {
    CATMathPoint end;
    CATMathDirection tick;
    CATAnchorPoint anchor;
    double max;
  } lAxes[] = {{CATMathPoint(590, 290, 0), CATMathDirection(0, -1, 0), CATAnchorTopCenter, 10},
               {CATMathPoint(500, 390, 0), CATMathDirection(-1, 0, 0), CATAnchorMiddleRight, 1},
               {CATMathPoint(500, 290, 100), CATMathDirection(-1, 0, 0), CATAnchorMiddleRight, 50}};
  for (const auto& lAxis : lAxes) {
    const float lCoords[6] = {500, 290, 0, static_cast<float>(lAxis.end.GetX()), static_cast<float>(lAxis.end.GetY()),
                              static_cast<float>(lAxis.end.GetZ())};
    Scene::Show(ioViewer, new CAT3DLineGP(lCoords, 2, 1, 0), AxisColor());
    const RefPtr<LinearTicks> lTicks(new LinearTicks(0, lAxis.max, LinearTicks::eMajor, 5));
    if (!lTicks) continue;
    lTicks->SetTickLength(kMajorLength);
    Scene::Add(ioViewer, new QVTFdd3DAxisTickRep(lOrigin, lAxis.end, lAxis.tick, lTicks.Get(), 1, lAxis.anchor));
  }
  Scene::Caption(ioViewer, iFont, 442, 238, 5, "x 0 .. 10, y 0 .. 1, z 0 .. 50 (receding); no value");
  Scene::Caption(ioViewer, iFont, 442, 230, 5, "is written within 15 units of an axis end");
}

}  // namespace

void AxesPage::Build(CATViewer& ioViewer, CATFont& iFont) {
  ioViewer.FitBox(0.0, 600.0, 0.0, 450.0);
  Scene::Caption(ioViewer, iFont, 10, 434, 10, "Axes");
  Scene::Caption(ioViewer, iFont, 50, 435, 5,
                 "each axis is one axis drawing, laid out once and drawn through its axis GPs; no two texts "
                 "overlap");
  PagePanels::Build(ioViewer, iFont,
                    {&PlotsPanel, &TickPositionsPanel, &SPSPanel, &DiscretePanel, &LogPanel, &VerticalPanel,
                     &ThreeDPanel});
}
