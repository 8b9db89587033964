// Gallery figure of the analyses of a recording, all from one built-in synthetic run-up (orders 2,
// 4.5 and 6 on a ramp of 600 to 6000 rpm, a structural resonance at a fixed frequency, noise and
// a one-sample knock): its spectrum, its spectrogram (the knock a line across it), the run-up's
// frequency map joined along orders, and its order cuts with the flat-top window.
#ifndef AnalysisPage_H
#define AnalysisPage_H

class CATFont;
class CATViewer;

class AnalysisPage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
