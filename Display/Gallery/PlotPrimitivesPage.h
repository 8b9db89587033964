// Gallery page of the plot primitives: curves reduced to the pixels (a long noisy signal, a
// curve with gaps, a curve sampled from right to left), symbols on short series, a bar chart whose
// thin bars are drawn as lines, and the resize marks of a rectangle and of a line.
#ifndef PlotPrimitivesPage_H
#define PlotPrimitivesPage_H

class CATFont;
class CATViewer;

class PlotPrimitivesPage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
