#include "DemoContent.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "CATViewer.h"
#include "CurveLevels.h"
#include "Gallery.h"
#include "IndexVector.h"
#include "MemoryDoubleVector.h"
#include "PlotArea.h"

DemoContent::DemoContent(unsigned int iLength) {
  std::vector<double> lY(iLength);
  unsigned int lNoise = 12345u;
  for (unsigned int i = 0; i < iLength; ++i) {
    const double t = double(i) / iLength;
    lNoise = lNoise * 1664525u + 1013904223u;
    lY[i] = (0.3 + t) * std::sin(2.0 * M_PI * (40.0 * t + 4000.0 * t * t)) + 0.4 * std::sin(2.0 * M_PI * 3.0 * t) +
            0.05 * (double(lNoise >> 8) / double(1u << 24) - 0.5);
  }
  if (iLength > 0) lY[iLength * 0.613] = 3.0;
  _X = RefPtr<CATSamIVector>(new IndexVector(iLength));
  _Y = RefPtr<CATSamIVector>(new MemoryDoubleVector(std::move(lY)));
  _Levels = std::make_shared<CurveLevels>(_X.Get(), _Y.Get());
  _Levels->Start();
}

DemoContent::~DemoContent() = default;

void DemoContent::Fill(PlotArea& ioPlot, const ViewBox*) {
  ioPlot.SetTitle("Run-up, 10 million samples: wheel zooms, drag pans, right drag zooms to a box, n: gallery");
  ioPlot.GetXAxis().SetLabel("Sample");
  ioPlot.GetYAxis().SetLabel("Acceleration [g]");
  ioPlot.AddCurve(_X.Get(), _Y.Get(), "", false, _Levels);
}

std::string DemoContent::Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const {
  (void)iPlot;
  (void)iColumn;
  char lText[160];
  const double lIndex = std::floor(iX + 0.5);
  if (lIndex >= 0.0 && lIndex < _Y->GetLength())
    std::snprintf(lText, sizeof lText, "x %.6g   y %.6g   sample #%.0f: %.6g", iX, iY, lIndex,
                  _Y->GetValue(static_cast<unsigned int>(lIndex)));
  else
    std::snprintf(lText, sizeof lText, "x %.6g   y %.6g", iX, iY);
  return lText;
}

double DemoContent::GetProgress() const {
  return _Levels->GetState() == CurveLevels::eBuilding ? _Levels->GetProgress() : -1.0;
}

bool DemoContent::Cancel() {
  _Levels->Cancel();
  return true;
}

bool DemoContent::NextPage() {
  _Page = (_Page + 1) % (Gallery::Pages().size() + 1);
  return true;
}

bool DemoContent::FillPage(CATViewer& ioViewer, CATFont& iFont) {
  if (_Page == 0) return false;
  const GalleryPage& lPage = Gallery::Pages()[_Page - 1];
  // Pages whose model units are their pixels are fitted whole; the others fit their own box.
  ioViewer.FitBox(0.0, lPage.Width, 0.0, lPage.Height);
  lPage.Build(ioViewer, iFont);
  return true;
}
