#include "QVTFddColormapAlgoOrderInterpolNH.h"

#include <climits>

#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleVector.h"
#include "QVTFddConstants.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddOrderTable.h"
#include "QVTIFddContinuousAxis.h"

QVTFddColormapAlgoOrderInterpolNH::QVTFddColormapAlgoOrderInterpolNH(
    CATSamIDouble1p5D* iXValues, double iXMinLimit, double iXMaxLimit, int iXInterpolate,
    CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit, int iZInterpolate,
    CATSamIDouble2DDim2NH* iValues, int iWidth, int iHeight, QVTIFddContinuousAxis* iAxis, QVTIFddScaling* iXScaling,
    QVTIFddScaling* iZScaling, double iOrderTolerance)
    : QVTFddColormapAlgoOrderBase(iXMinLimit, iXMaxLimit, iXInterpolate, iZMinLimit, iZMaxLimit, iZInterpolate,
                                  iWidth, iHeight, iXScaling, iZScaling, iOrderTolerance),
      _XValuesNonHom(RefPtr<CATSamIDouble1p5D>::Hold(iXValues)) {
  HoldZVector(iZVector);
  _ValuesNonHom = RefPtr<CATSamIDouble2DDim2NH>::Hold(iValues);
  HoldAxis(iAxis);
  BuildOrders();
}

QVTFddColormapAlgoOrderInterpolNH::~QVTFddColormapAlgoOrderInterpolNH() = default;

int QVTFddColormapAlgoOrderInterpolNH::HasData() const { return _XValuesNonHom && _ValuesNonHom; }

RefPtr<CATSamIDoubleVector> QVTFddColormapAlgoOrderInterpolNH::UsableRow(unsigned int iRow,
                                                                         unsigned int iZLength) const {
  if (iRow >= iZLength || iRow >= _ValuesNonHom->GetLengthY()) return RefPtr<CATSamIDoubleVector>();
  RefPtr<CATSamIDoubleVector> lX(_XValuesNonHom->GetXVector(iRow));
  if (!lX) return lX;
  const RefPtr<CATSamIDoubleVector> lValues(_ValuesNonHom->GetRow(iRow));
  // Values and X samples are read by the same index: a row is used only when they pair up.
  const int lPaired = lValues && lValues->GetLength() == lX->GetLength() && lX->GetLength() <= INT_MAX;
  if (!lPaired) lX.Reset();
  return lX;
}

int QVTFddColormapAlgoOrderInterpolNH::AddOrders() {
  const unsigned int lRows = _XValuesNonHom->GetNbrRows();
  const unsigned int lZLength = _ZVector->GetLength();
  if (lRows > static_cast<unsigned int>(INT_MAX)) return 1;
  if (!_Orders->ReserveRows(lRows)) return 0;
  // Row by row: the table keeps each row's X vector and reads it when a pixel needs it.
  for (unsigned int k = 0; k < lRows; ++k) {
    const RefPtr<CATSamIDoubleVector> lX = UsableRow(k, lZLength);
    if (!lX) continue;
    const double lZ = _ZVector->GetValue(k);
    if (!_Orders->AddRow(static_cast<int>(k), lZ, ConvertZ(lZ), lX.Get())) return 0;
  }
  return 1;
}

int QVTFddColormapAlgoOrderInterpolNH::CheckData() {
  if (_ZVector->GetLength() != _ValuesNonHom->GetLengthY()) {
    QVTFDD_ASSERTION("QVTFddColormapAlgoOrderInterpolNH", "_Values->GetLengthY() != _ZVector->GetLength()");
    return 0;
  }
  return 1;
}

double QVTFddColormapAlgoOrderInterpolNH::SampleValue(int iZIndex, unsigned int iXIndex) const {
  const RefPtr<CATSamIDoubleVector> lRow(_ValuesNonHom->GetRow(static_cast<unsigned int>(iZIndex)));
  return lRow ? lRow->GetValue(iXIndex) : QVTFddDoubleNaN;
}

const char* QVTFddColormapAlgoOrderInterpolNH::SourceName() const { return "QVTFddColormapAlgoOrderInterpolNH"; }
