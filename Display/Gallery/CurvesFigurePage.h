// Gallery figure of curves: four plot areas on one page built with the function display, each
// laid out from its axes' measured extents: several signals with a legend, a frequency response
// on logarithmic axes framed by top and right axes, a bar chart, and values with long texts.
#ifndef CurvesFigurePage_H
#define CurvesFigurePage_H

class CATFont;
class CATViewer;

class CurvesFigurePage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
