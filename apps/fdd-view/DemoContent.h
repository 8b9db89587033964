// fdd-view demo: ten million samples of a run-up signal (a chirp over a slow swell, with noise and
// one single-sample knock) made in memory, to pan and zoom without a data file; then, one after
// another, the pages of the demo gallery, each fitted to the window.
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
  bool Cancel() override;
  bool NextPage() override;
  bool FillPage(CATViewer& ioViewer, CATFont& iFont) override;

 private:
  RefPtr<CATSamIVector> _X;
  RefPtr<CATSamIVector> _Y;
  std::shared_ptr<CurveLevels> _Levels;
  // 0: the curve; then gallery page _Page - 1.
  size_t _Page = 0;
};

#endif
