#include "ColormapPage.h"

#include <cmath>
#include <vector>

#include "CATMathBox2D.h"
#include "CATMathPoint2Df.h"
#include "CATViewer.h"
#include "ColorScaleAxis.h"
#include "Scene.h"
#include "LinearScaling.h"
#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFddColormapRep.h"
#include "QVTFddContributionBarRep.h"
#include "RunUpData.h"
#include "RefPtr.h"

// Model units are millimetres of a 160 x 100 page: four maps in two rows, the level scale on the
// right. Every map shows speed upwards (rpm) and frequency to the right (Hz).
namespace {

const double kPi = 3.14159265358979323846;
const double kTitle = 4.0;
const double kCaption = 2.9;
const double kNote = 2.2;
const double kTick = 2.1;

// Coarse measurement: few speed rows, as a quick run-up gives.
const int kCoarseRows = 28;
const int kCoarseLines = 801;
// Fine measurement for the downsampled map, and the sample of its knock.
const int kFineRows = 1000;
const int kFineLines = 3000;
const int kKnockLine = 1725;
const int kKnockRow = 250;

// The plot area: a thin dark border and a light ground, which shows through pixels without data.
void Area(CATViewer& ioViewer, const CATMathBox2D& iBox) {
  const CATMathPoint2D lLow = iBox.GetLow(), lHigh = iBox.GetHigh();
  const double b = 0.25;
  Scene::Show(ioViewer,
              new QVTFdd2DBackgroundGP(CATMathPoint2D(lLow.GetX() - b, lLow.GetY() - b),
                                       CATMathPoint2D(lHigh.GetX() + b, lHigh.GetY() + b), 0),
              Scene::Color(90, 95, 105));
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(lLow, lHigh, 0), Scene::Color(236, 238, 242));
}

// Title, explanation and the ends of both axes of a map in iBox.
void Labels(CATViewer& ioViewer, CATFont& iFont, const CATMathBox2D& iBox, const char* iTitle, const char* iNote) {
  const double x0 = iBox.GetLow().GetX(), x1 = iBox.GetHigh().GetX();
  const double y0 = iBox.GetLow().GetY(), y1 = iBox.GetHigh().GetY();
  Scene::Caption(ioViewer, iFont, x0, y1 + 4.3, kCaption, iTitle);
  Scene::Caption(ioViewer, iFont, x0, y1 + 1.2, kNote, iNote);
  Scene::Caption(ioViewer, iFont, x0 - 6.2, y1 - kTick, kTick, "6000");
  Scene::Caption(ioViewer, iFont, x0 - 4.6, (y0 + y1) / 2 - kTick / 2, kTick, "rpm");
  Scene::Caption(ioViewer, iFont, x0 - 4.9, y0, kTick, "600");
  Scene::Caption(ioViewer, iFont, x0, y0 - 3.0, kTick, "0");
  Scene::Caption(ioViewer, iFont, (x0 + x1) / 2 - 1.8, y0 - 3.0, kTick, "200");
  Scene::Caption(ioViewer, iFont, x1 - 7.0, y0 - 3.0, kTick, "400 Hz");
}

// A thin ring of radius iRadius around (iX, iY), drawn in white over the map.
void Ring(CATViewer& ioViewer, double iX, double iY, double iRadius) {
  std::vector<CATMathPoint2D> lPoints;
  for (int k = 0; k <= 48; ++k) {
    const double a = 2.0 * kPi * k / 48;
    lPoints.push_back(CATMathPoint2D(iX + iRadius * std::cos(a), iY + iRadius * std::sin(a)));
  }
  Scene::Polyline(ioViewer, lPoints, Scene::Color(255, 255, 255, 255, 1));
}

// The level scale as a vertical contribution bar of the levels themselves.
void LevelBar(CATViewer& ioViewer, CATFont& iFont, const CATMathBox2D& iBox, QVTIFddContinuousAxis* iAxis) {
  std::vector<double> lLevels;
  for (double l = RunUpData::kMinLevel; l <= RunUpData::kMaxLevel; l += 0.5) lLevels.push_back(l);
  const RefPtr<MemoryDoubleVector> lArgs(new MemoryDoubleVector(lLevels));
  if (lArgs)
    Scene::Add(ioViewer, new QVTFddContributionBarRep(iBox, QVTFddContributionAlgoLineair::VerticalBar, lArgs.Get(),
                                                      RunUpData::kMinLevel, RunUpData::kMaxLevel, lArgs.Get(), iAxis));
  const double x = iBox.GetHigh().GetX() + 1.0;
  const double y0 = iBox.GetLow().GetY(), y1 = iBox.GetHigh().GetY();
  const double lPerDb = (y1 - y0) / (RunUpData::kMaxLevel - RunUpData::kMinLevel);
  const struct {
    double level;
    const char* text;
  } lTicks[] = {{0, "0 dB"}, {-20, "-20"}, {-40, "-40"}, {-60, "-60"}};
  for (const auto& t : lTicks)
    Scene::Caption(ioViewer, iFont, x, y0 + (t.level - RunUpData::kMinLevel) * lPerDb - kTick / 2, kTick, t.text);
}

}  // namespace

void ColormapPage::Build(CATViewer& ioViewer, CATFont& iFont) {
  ioViewer.FitBox(0.0, 160.0, 0.0, 100.0);
  Scene::Caption(ioViewer, iFont, 4, 94.5, kTitle, "Colour maps: a machine run-up, vibration spectra over speed");

  const RefPtr<ColorScaleAxis> lAxis(
      new ColorScaleAxis(RunUpData::kMinLevel, RunUpData::kMaxLevel, ColorScaleAxis::Viridis));
  const RefPtr<LinearScaling> lHz(new LinearScaling(1.0));           // X is in Hz already
  const RefPtr<LinearScaling> lRps(new LinearScaling(1.0 / 60.0));  // rpm to revolutions per second
  const double kLow = RunUpData::kMinRpm, kHigh = RunUpData::kMaxRpm, kSpan = RunUpData::kMaxHz;

  const CATMathBox2D lTopLeft(11, 72, 53, 82), lTopRight(83, 144, 53, 82);
  const CATMathBox2D lBottomLeft(11, 72, 10, 39), lBottomRight(83, 144, 10, 39);

  RefPtr<MemoryDoubleVector> lX, lZ;
  RefPtr<MemoryDoubleMatrix> lLevels;
  RunUpData::Homogeneous(kCoarseRows, kCoarseLines, lX, lZ, lLevels);

  // The coarse run-up, interpolated linearly between its speed rows.
  Area(ioViewer, lTopLeft);
  Scene::Add(ioViewer, new QVTFddColormapRep(lTopLeft, lX.Get(), 0.0, kSpan, 1, lZ.Get(), kLow, kHigh, 1, lLevels.Get(),
                                             lAxis.Get(), lHz.Get(), lRps.Get(), 0, 0.0));
  Labels(ioViewer, iFont, lTopLeft, "Linear map",
         "28 speed rows of 801 lines, linear between rows: lines break up");

  // The same run-up analysed with order tracking: every row has its own frequency grid.
  RefPtr<MemoryDouble1p5D> lXRows;
  RefPtr<MemoryDoubleVector> lZRows;
  RefPtr<MemoryDouble2DDim2NH> lRows;
  RunUpData::NonHomogeneous(kCoarseRows, 10.0, lXRows, lZRows, lRows);
  Area(ioViewer, lTopRight);
  Scene::Add(ioViewer, new QVTFddColormapRep(lTopRight, lXRows.Get(), 0.0, kSpan, 1, lZRows.Get(), kLow, kHigh, 1,
                                             lRows.Get(), lAxis.Get(), lHz.Get(), lRps.Get(), 0, 0.0));
  Labels(ioViewer, iFont, lTopRight, "Non-homogeneous map",
         "each row its own grid: 1/16 order steps up to order 10");

  // The coarse run-up again, its samples joined along lines of equal order.
  Area(ioViewer, lBottomLeft);
  Scene::Add(ioViewer, new QVTFddColormapRep(lBottomLeft, lX.Get(), 0.0, kSpan, 1, lZ.Get(), kLow, kHigh, 1,
                                             lLevels.Get(), lAxis.Get(), lHz.Get(), lRps.Get(), 1, 0.05));
  Labels(ioViewer, iFont, lBottomLeft, "Order-interpolated map",
         "the same 28 rows joined along lines of equal order");

  // A fine run-up of three million samples in a few hundred pixels each way: a pixel shows the
  // maximum of its samples, so that a one-sample knock stays visible.
  RefPtr<MemoryDoubleVector> lFineX, lFineZ;
  RefPtr<MemoryDoubleMatrix> lFineLevels;
  RunUpData::Homogeneous(kFineRows, kFineLines, lFineX, lFineZ, lFineLevels, kKnockLine, kKnockRow);
  Area(ioViewer, lBottomRight);
  Scene::Add(ioViewer, new QVTFddColormapRep(lBottomRight, lFineX.Get(), 0.0, kSpan, 1, lFineZ.Get(), kLow, kHigh, 1,
                                             lFineLevels.Get(), lAxis.Get(), lHz.Get(), lRps.Get(), 0, 0.0));
  Labels(ioViewer, iFont, lBottomRight, "Downsampled map",
         "1000 rows of 3000 lines; the ringed knock is one sample");
  if (lFineX && lFineZ) {
    const double lW = lBottomRight.GetHigh().GetX() - lBottomRight.GetLow().GetX();
    const double lH = lBottomRight.GetHigh().GetY() - lBottomRight.GetLow().GetY();
    const double lKnockX = lBottomRight.GetLow().GetX() + lW * lFineX->GetValue(kKnockLine) / kSpan;
    const double lKnockY = lBottomRight.GetLow().GetY() + lH * (lFineZ->GetValue(kKnockRow) - kLow) / (kHigh - kLow);
    Ring(ioViewer, lKnockX, lKnockY, 1.6);
  }

  LevelBar(ioViewer, iFont, CATMathBox2D(150, 153, 10, 82), lAxis.Get());
}
