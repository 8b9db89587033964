// Marker symbols at the samples of a sampled function y(x) that lie inside the plot area, with no
// pixel reduction.
//
// Holds one reference on each data vector. The data box (data units) is mapped onto the display
// box (model units); samples outside the display box get no marker. Owns the marker positions in
// model coordinates, computed at the first draw that finds a sample inside and then kept: pan and
// zooming out do not change them, and changed vector contents are not noticed.
//
// A sample on the pixel of the previous kept marker adds nothing to the picture (the markers are
// one shape), so it is left out: the markers follow the pixels a dense curve covers, not its
// samples. Zooming in past the pixel size they were thinned at computes them again.
#ifndef QVTFdd2DCurveSymbolsGP_H
#define QVTFdd2DCurveSymbolsGP_H

#include "CATDynamicGP.h"
#include "CATMathBox2D.h"
#include "RefPtr.h"

class CAT2DViewpoint;
class CATSamIVector;

class QVTFdd2DCurveSymbolsGP : public CATDynamicGP {
  HOST_META_DECLARE
 public:
  // iSymbolType is passed to the render as its CATSymbolType; a value that names no symbol draws
  // nothing.
  QVTFdd2DCurveSymbolsGP(int iSymbolType, const CATMathBox2D& iDataBox, const CATMathBox2D& iDisplayBox,
                         CATSamIVector* iXVector, CATSamIVector* iYVector);
  // Shares the vectors and keeps the symbol type; the boxes are default (a point), so the copy
  // draws nothing, and it starts without markers.
  QVTFdd2DCurveSymbolsGP(QVTFdd2DCurveSymbolsGP& iOther);
  // Assigns the primitive base only.
  QVTFdd2DCurveSymbolsGP& operator=(QVTFdd2DCurveSymbolsGP& iOther);
  ~QVTFdd2DCurveSymbolsGP() override;

  // Neither the viewport nor, beyond its presence, the viewpoint is used.
  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;

 private:
  // Maps the samples and keeps those inside the display box, one per run of samples on one pixel
  // of iViewpoint (all of them without a 2D viewpoint); _Points stays null when none is kept.
  void ComputePoints(const CAT2DViewpoint* iViewpoint, float iWidth, float iHeight, float iScaleA, float iScaleB);

  RefPtr<CATSamIVector> _XVector;
  RefPtr<CATSamIVector> _YVector;
  CATMathBox2D _DataBox;
  CATMathBox2D _DisplayBox;
  int _SymbolType;
  // Marker positions (x, y) in model coordinates; null until computed.
  float* _Points;
  int _NbPoints;
  // Model length of one pixel when _Points was computed, and whether samples were left out then.
  float _PixelStep;
  bool _Thinned;
};

#endif
