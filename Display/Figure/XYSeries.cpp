#include "XYSeries.h"

#include <algorithm>
#include <cmath>

#include "CATMathBox2D.h"
#include "CATSamIVector.h"
#include "DataExtent.h"
#include "DataRange.h"
#include "PlotAxis.h"
#include "PlotFrame.h"

XYSeries::XYSeries(CATSamIVector* iX, CATSamIVector* iY, const SeriesStyle& iStyle)
    : _X(RefPtr<CATSamIVector>::Hold(iX)), _Y(RefPtr<CATSamIVector>::Hold(iY)), _Style(iStyle) {}

XYSeries::~XYSeries() = default;

void XYSeries::Fit(const PlotAxis& iXAxis, const PlotAxis& iYAxis, DataExtent& ioExtent) {
  DataRange::Add(_X.Get(), iXAxis.IsLog(), ioExtent.XMin, ioExtent.XMax);
  DataRange::Add(_Y.Get(), iYAxis.IsLog(), ioExtent.YMin, ioExtent.YMax);
  ioExtent.YMargin = DataExtent::kValueMargin;
}

double XYSeries::CountIn(const PlotFrame& iFrame, const CATMathBox2D& iArea) const {
  const unsigned int n = std::min(_X->GetLength(), _Y->GetLength());
  if (n == 0) return 0.0;
  const unsigned int kPoints = 20000;
  const unsigned int lStride = std::max(1u, n / kPoints);
  const int lSteps = static_cast<int>(std::min(16u, std::max(1u, kPoints / n)));
  double lCount = 0.0;
  double lX0 = NAN, lY0 = NAN;
  for (unsigned int i = 0; i < n; i += lStride) {
    const double x = iFrame.ModelX(_X->GetValue(i)), y = iFrame.ModelY(_Y->GetValue(i));
    for (int k = 1; k <= lSteps; ++k) {
      const double f = static_cast<double>(k) / lSteps;
      // Points between samples (NaN next to a gap: not counted).
      const double px = k == lSteps ? x : lX0 + (x - lX0) * f, py = k == lSteps ? y : lY0 + (y - lY0) * f;
      if (px >= iArea.GetLow().GetX() && px <= iArea.GetHigh().GetX() && py >= iArea.GetLow().GetY() &&
          py <= iArea.GetHigh().GetY())
        lCount += lStride;
    }
    lX0 = x;
    lY0 = y;
  }
  return lCount;
}
