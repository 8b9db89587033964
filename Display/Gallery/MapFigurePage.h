// Gallery figures of two-variable data built with the function display: a machine run-up as an
// order-interpolated colour map and as a non-homogeneous map, each with its colour-scale bar
// (MapFigurePage::Build), and the run-up's overall level as a contribution bar over speed above
// the same level as a curve (MapFigurePage::BuildContribution).
#ifndef MapFigurePage_H
#define MapFigurePage_H

class CATFont;
class CATViewer;

class MapFigurePage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
  static void BuildContribution(CATViewer& ioViewer, CATFont& iFont);
};

#endif
