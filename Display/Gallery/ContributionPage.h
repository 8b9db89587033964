// Gallery page of contribution bars: one-dimensional colour strips of sampled functions,
// horizontal and vertical, from many and from few samples, and over a range wider than the data.
#ifndef ContributionPage_H
#define ContributionPage_H

class CATFont;
class CATViewer;

class ContributionPage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
