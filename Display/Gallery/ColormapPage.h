// Gallery page of colour maps: a rotating-machine run-up (vibration spectra over speed) shown as a
// linear map, as a non-homogeneous map whose speed rows each have their own frequency grid, as an
// order-interpolated map, and downsampled from far more samples than pixels with a one-sample
// knock that stays visible; a colour bar gives the level scale.
#ifndef ColormapPage_H
#define ColormapPage_H

class CATFont;
class CATViewer;

class ColormapPage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
