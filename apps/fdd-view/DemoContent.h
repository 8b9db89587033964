// fdd-view demo: ten million samples of a run-up signal (a chirp over a slow swell, with noise and
// one single-sample knock) made in memory, to pan and zoom without a data file.
#ifndef DemoContent_H
#define DemoContent_H

#include <memory>

#include "RefPtr.h"
#include "ViewContent.h"

class CATSamIVector;
class CurveLevels;

class DemoContent : public ViewContent {
 public:
  explicit DemoContent(unsigned int iLength = 10000000);
  ~DemoContent() override;

  void Fill(PlotArea& ioPlot, const ViewBox* iView) override;
  std::string Describe(const PlotArea& iPlot, double iX, double iY, double iColumn) const override;
  double GetProgress() const override;
  void Cancel() override;

 private:
  RefPtr<CATSamIVector> _X;
  RefPtr<CATSamIVector> _Y;
  std::shared_ptr<CurveLevels> _Levels;
};

#endif
