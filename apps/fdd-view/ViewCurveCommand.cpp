#include "ViewCurveCommand.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "CATSamIVector.h"
#include "CurveLevels.h"

namespace {

// Samples of a pixel column looked at for the nearest one; in a denser column the nearest in x
// stands for them.
const unsigned int kMostInColumn = 100000;

std::string Number(double iValue) {
  char lText[32];
  std::snprintf(lText, sizeof lText, "%.6g", iValue);
  return lText;
}

}  // namespace

void ViewCurveCommand::Register(CLI::App& ioApp) { RegisterCurve(ioApp, false); }

int ViewCurveCommand::Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
  PrintStats();
  (void)ioFigure;
  (void)ioPlot;
  const auto& lXs = _Plot.GetXs();
  const auto& lYs = _Plot.GetYs();
  for (size_t i = 0; i < lYs.size(); ++i) {
    auto lLevels = std::make_shared<CurveLevels>(lXs[i].Get(), lYs[i].Get());
    lLevels->Start();
    _Levels.push_back(lLevels);
  }
  ViewWindow::Options lOptions = _Window;
  lOptions.Width = _Request.Width;
  lOptions.Height = _Request.Height;
  ViewWindow lWindow(*this, iFont, lOptions);
  return lWindow.Run();
}

void ViewCurveCommand::Fill(PlotArea& ioPlot, const ViewBox*) {
  _Plot.Show(ioPlot, std::vector<std::shared_ptr<const CurveLevels>>(_Levels.begin(), _Levels.end()));
}

std::string ViewCurveCommand::Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const {
  (void)iPlot;
  std::string lText = "x " + Number(iX) + "   y " + Number(iY);
  const auto& lNames = _Plot.GetNames();
  for (size_t i = 0; i < _Plot.GetYs().size(); ++i) {
    const CATSamIVector& lX = *_Plot.GetXs()[i];
    const CATSamIVector& lY = *_Plot.GetYs()[i];
    const unsigned int lLength = std::min(lX.GetLength(), lY.GetLength());
    // Only ascending x is searched by bisection; the levels have checked it.
    if (lLength == 0 || i >= _Levels.size() || _Levels[i]->GetState() == CurveLevels::eUnsorted) continue;
    const CurveLevels& lLevels = *_Levels[i];
    const size_t lFirst = lLevels.FirstAtOrAfter(iX - 0.5 * iColumn);
    const size_t lEnd = lLevels.FirstAtOrAfter(iX + 0.5 * iColumn);
    long lBest = -1;
    if (lEnd > lFirst && lEnd - lFirst <= kMostInColumn) {
      double lDistance = INFINITY;
      for (size_t k = lFirst; k < lEnd; ++k) {
        const double lGap = std::fabs(lY.GetValue(unsigned(k)) - iY);
        if (lGap < lDistance) {
          lDistance = lGap;
          lBest = k;
        }
      }
    } else if (lEnd > lFirst) {
      lBest = long(lLevels.FirstAtOrAfter(iX));
    }
    if (lBest < 0 || lBest >= long(lLength)) continue;
    const std::string lName = i < lNames.size() && !lNames[i].empty() ? lNames[i] : "curve " + std::to_string(i + 1);
    lText += "   " + lName + ": #" + std::to_string(lBest) + " (" + Number(lX.GetValue(unsigned(lBest))) + ", " +
             Number(lY.GetValue(unsigned(lBest))) + ")";
  }
  return lText;
}

double ViewCurveCommand::GetProgress() const {
  double lLeast = -1.0;
  for (const auto& lLevels : _Levels)
    if (lLevels->GetState() == CurveLevels::eBuilding) {
      const double lProgress = lLevels->GetProgress();
      lLeast = lLeast < 0.0 ? lProgress : std::min(lLeast, lProgress);
    }
  return lLeast;
}

bool ViewCurveCommand::Cancel() {
  for (const auto& lLevels : _Levels) lLevels->Cancel();
  return true;
}
