#include "QVTFddColormapAlgoOrderInterpol.h"

#include <memory>
#include <new>

#include "CATSamIDoubleMatrix.h"
#include "CATSamIDoubleVector.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddOrderEntry.h"
#include "QVTIFddContinuousAxis.h"

QVTFddColormapAlgoOrderInterpol::QVTFddColormapAlgoOrderInterpol(
    CATSamIDoubleVector* iXVector, double iXMinLimit, double iXMaxLimit, int iXInterpolate,
    CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit, int iZInterpolate,
    CATSamIDoubleMatrix* iValues, int iWidth, int iHeight, QVTIFddContinuousAxis* iAxis, QVTIFddScaling* iXScaling,
    QVTIFddScaling* iZScaling, double iOrderTolerance)
    : QVTFddColormapAlgoOrderBase(iXMinLimit, iXMaxLimit, iXInterpolate, iZMinLimit, iZMaxLimit, iZInterpolate,
                                  iWidth, iHeight, iXScaling, iZScaling, iOrderTolerance),
      _XVector(iXVector),
      _Values(iValues) {
  if (_XVector) _XVector->AddRef();
  HoldZVector(iZVector);
  if (_Values) _Values->AddRef();
  HoldAxis(iAxis);
  BuildOrders();
}

QVTFddColormapAlgoOrderInterpol::~QVTFddColormapAlgoOrderInterpol() {
  if (_XVector) _XVector->Release();
  ReleaseZVector();
  if (_Values) _Values->Release();
  _XVector = nullptr;
  _Values = nullptr;
}

int QVTFddColormapAlgoOrderInterpol::HasData() const { return _XVector && _Values; }

int QVTFddColormapAlgoOrderInterpol::LengthsMatch() const {
  return _XVector->GetLength() == _Values->GetLengthX() && _ZVector->GetLength() == _Values->GetLengthY();
}

void QVTFddColormapAlgoOrderInterpol::AddOrders() {
  // Vectors that do not fit the matrix would name samples the matrix does not have.
  if (!LengthsMatch()) return;
  const unsigned int lLengthX = _Values->GetLengthX(), lLengthZ = _Values->GetLengthY();
  if (!Reserve(static_cast<long long>(lLengthX) * lLengthZ) || lLengthX == 0 || lLengthZ == 0) return;
  std::unique_ptr<double[]> lX(new (std::nothrow) double[lLengthX]);
  std::unique_ptr<double[]> lXScaled(new (std::nothrow) double[lLengthX]);
  std::unique_ptr<double[]> lZ(new (std::nothrow) double[lLengthZ]);
  if (!lX || !lXScaled || !lZ) return;
  ReadAll(_XVector, lX.get(), lLengthX);
  ReadAll(_ZVector, lZ.get(), lLengthZ);
  // Every row shares the X vector: each X value is converted once.
  for (unsigned int i = 0; i < lLengthX; ++i) lXScaled[i] = ConvertX(lX[i]);
  for (unsigned int k = 0; k < lLengthZ; ++k)
    AddRow(static_cast<int>(k), lZ[k], lX.get(), lXScaled.get(), static_cast<int>(lLengthX));
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

double QVTFddColormapAlgoOrderInterpol::SampleValue(const QVTFddOrderEntry& iEntry) const {
  return _Values->GetValue(static_cast<unsigned int>(iEntry._XIndex), static_cast<unsigned int>(iEntry._ZIndex));
}

const char* QVTFddColormapAlgoOrderInterpol::SourceName() const { return "QVTFddColormapAlgoOrderInterpol"; }
