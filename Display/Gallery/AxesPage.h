// Gallery page of axes: the bottom and left axes of a large and of a small plot over the same
// ranges (the small one gets sparser tick levels), the three tick positions, three SPSs with
// staggered limit texts, a discrete axis, a logarithmic axis, vertical axes with turned labels and
// the ticks of three 3D axes. Every 2D axis is an axis drawing shown through its axis GPs.
#ifndef AxesPage_H
#define AxesPage_H

class CATFont;
class CATViewer;

class AxesPage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
