#include "QVTFdd2DCurveSymbolsGP.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "CATMathPoint2D.h"
#include "CATRender.h"
#include "CATSamIVector.h"
#include "CATSymbolType.h"
#include "QVTFddMathLinearMap.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DCurveSymbolsGP, CATDynamicGP)

QVTFdd2DCurveSymbolsGP::QVTFdd2DCurveSymbolsGP(int iSymbolType, const CATMathBox2D& iDataBox,
                                               const CATMathBox2D& iDisplayBox, CATSamIVector* iXVector,
                                               CATSamIVector* iYVector)
    : _XVector(iXVector),
      _YVector(iYVector),
      _DataBox(iDataBox),
      _DisplayBox(iDisplayBox),
      _SymbolType(iSymbolType),
      _Points(nullptr),
      _NbPoints(0) {
  if (_XVector) _XVector->AddRef();
  if (_YVector) _YVector->AddRef();
}

QVTFdd2DCurveSymbolsGP::QVTFdd2DCurveSymbolsGP(QVTFdd2DCurveSymbolsGP& iOther)
    : CATDynamicGP(iOther),
      _XVector(iOther._XVector),
      _YVector(iOther._YVector),
      _SymbolType(iOther._SymbolType),
      _Points(nullptr),
      _NbPoints(0) {
  if (_XVector) _XVector->AddRef();
  if (_YVector) _YVector->AddRef();
}

QVTFdd2DCurveSymbolsGP& QVTFdd2DCurveSymbolsGP::operator=(QVTFdd2DCurveSymbolsGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  return *this;
}

QVTFdd2DCurveSymbolsGP::~QVTFdd2DCurveSymbolsGP() {
  std::free(_Points);
  if (_XVector) _XVector->Release();
  if (_YVector) _YVector->Release();
}

void QVTFdd2DCurveSymbolsGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  if (!_XVector || !_YVector || !iViewpoint) return;
  // A symbol the host does not know has no drawing (and is no value of CATSymbolType).
  if (_SymbolType < CATSymbolCross || _SymbolType > CATSymbolDot) return;
  if (!_Points) ComputePoints();
  if (_Points) iRender.ImmediateDraw2DMarker(_Points, _NbPoints, static_cast<CATSymbolType>(_SymbolType));
}

void QVTFdd2DCurveSymbolsGP::ComputePoints() {
  const QVTFddMathLinearMap lMapX(_DataBox.GetLow().GetX(), _DataBox.GetHigh().GetX(), _DisplayBox.GetLow().GetX(),
                                  _DisplayBox.GetHigh().GetX());
  const QVTFddMathLinearMap lMapY(_DataBox.GetLow().GetY(), _DataBox.GetHigh().GetY(), _DisplayBox.GetLow().GetY(),
                                  _DisplayBox.GetHigh().GetY());
  // A data box of zero width or height (or with a coordinate that is not finite) maps no sample
  // anywhere: no marker.
  if (!lMapX.IsValid() || !lMapY.IsValid()) return;

  // A y vector shorter than the x vector limits the samples: nothing is read past either.
  const unsigned int lLengthX = _XVector->GetLength(), lLengthY = _YVector->GetLength();
  unsigned int lNbSamples = lLengthX < lLengthY ? lLengthX : lLengthY;
  // The render takes the marker count as an int.
  if (lNbSamples > static_cast<unsigned int>(INT_MAX)) lNbSamples = INT_MAX;
  if (lNbSamples == 0) return;
  float* lWork = static_cast<float*>(std::malloc(size_t(lNbSamples) * 2 * sizeof(float)));
  if (!lWork) return;
  int lNbPoints = 0;
  for (unsigned int i = 0; i < lNbSamples; ++i) {
    const double lX = lMapX.Map(_XVector->GetValue(i));
    const double lY = lMapY.Map(_YVector->GetValue(i));
    if (!_DisplayBox.IsContaining(CATMathPoint2D(lX, lY))) continue;
    lWork[2 * lNbPoints] = static_cast<float>(lX);
    lWork[2 * lNbPoints + 1] = static_cast<float>(lY);
    ++lNbPoints;
  }
  if (lNbPoints != 0) {
    _Points = static_cast<float*>(std::malloc(size_t(lNbPoints) * 2 * sizeof(float)));
    if (_Points) {
      std::memcpy(_Points, lWork, size_t(lNbPoints) * 2 * sizeof(float));
      _NbPoints = lNbPoints;
    }
  }
  std::free(lWork);
}
