// Gallery figure of the everyday options: a run-up's vibration levels as styled curves (colours,
// dashes, symbols) with a grid, a legend in the corner they leave free and the speed on a second
// axis on the right; beside it the run-up's spectra as a map over a logarithmic frequency axis,
// orders joined along their lines.
#ifndef EverydayFigurePage_H
#define EverydayFigurePage_H

class CATFont;
class CATViewer;

class EverydayFigurePage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
