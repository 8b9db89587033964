#include "QVTFddColormapAlgoOrderInterpol.h"

#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddOrderTable.h"
#include "QVTIFddContinuousAxis.h"

QVTFddColormapAlgoOrderInterpol::QVTFddColormapAlgoOrderInterpol(
    CATSamIDoubleVector* iXVector, double iXMinLimit, double iXMaxLimit, int iXInterpolate,
    CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit, int iZInterpolate,
    CATSamIDoubleMatrix* iValues, int iWidth, int iHeight, QVTIFddContinuousAxis* iAxis, QVTIFddScaling* iXScaling,
    QVTIFddScaling* iZScaling, double iOrderTolerance)
    : QVTFddColormapAlgoOrderBase(iXMinLimit, iXMaxLimit, iXInterpolate, iZMinLimit, iZMaxLimit, iZInterpolate,
                                  iWidth, iHeight, iXScaling, iZScaling, iOrderTolerance),
      _XVector(RefPtr<CATSamIDoubleVector>::Hold(iXVector)) {
  HoldZVector(iZVector);
  _Values = RefPtr<CATSamIDoubleMatrix>::Hold(iValues);
  if (_Values) {
    // The matrix's values in memory, when it offers them: read without a call per value.
    unsigned long long lStrideX = 0, lStrideZ = 0;
    const double* lValues = _Values->GetDirectValues(lStrideX, lStrideZ);
    if (lValues) SetDirectValues(lValues, lStrideX, lStrideZ);
  }
  HoldAxis(iAxis);
  BuildOrders();
}

QVTFddColormapAlgoOrderInterpol::~QVTFddColormapAlgoOrderInterpol() = default;

int QVTFddColormapAlgoOrderInterpol::HasData() const { return _XVector && _Values; }

int QVTFddColormapAlgoOrderInterpol::LengthsMatch() const {
  return _XVector->GetLength() == _Values->GetLengthX() && _ZVector->GetLength() == _Values->GetLengthY();
}

int QVTFddColormapAlgoOrderInterpol::AddOrders() {
  // Vectors that do not fit the matrix would name samples the matrix does not have.
  if (!LengthsMatch()) return 1;
  const unsigned int lLengthX = _Values->GetLengthX(), lLengthZ = _Values->GetLengthY();
  if (lLengthX == 0 || lLengthZ == 0) return 1;
  // Every row shares the X vector: it is read and converted once.
  if (!_Orders->SetSharedX(_XVector.Get(), lLengthX) || !_Orders->ReserveRows(lLengthZ)) return 0;
  for (unsigned int k = 0; k < lLengthZ; ++k) {
    const double lZ = _ZVector->GetValue(k);
    if (!_Orders->AddRow(static_cast<int>(k), lZ, ConvertZ(lZ), nullptr)) return 0;
  }
  return 1;
}

int QVTFddColormapAlgoOrderInterpol::CheckData() {
  if (_XVector->GetLength() != _Values->GetLengthX()) {
    QVTFDD_ASSERTION("QVTFddColormapAlgoOrderInterpol", "_Values->GetLengthX() == _XVector->GetLength()");
    return 0;
  }
  if (_ZVector->GetLength() != _Values->GetLengthY()) {
    QVTFDD_ASSERTION("QVTFddColormapAlgoOrderInterpol", "_Values->GetLengthY() == _ZVector->GetLength()");
    return 0;
  }
  return 1;
}

double QVTFddColormapAlgoOrderInterpol::SampleValue(int iZIndex, unsigned int iXIndex) const {
  return _Values->GetValue(iXIndex, static_cast<unsigned int>(iZIndex));
}

const char* QVTFddColormapAlgoOrderInterpol::SourceName() const { return "QVTFddColormapAlgoOrderInterpol"; }
