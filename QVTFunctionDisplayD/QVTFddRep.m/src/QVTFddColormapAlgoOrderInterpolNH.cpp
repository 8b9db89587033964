#include "QVTFddColormapAlgoOrderInterpolNH.h"

#include <climits>
#include <memory>
#include <new>

#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "CATSamIDoubleVector.h"
#include "QVTFddConstants.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddOrderEntry.h"
#include "QVTIFddContinuousAxis.h"

QVTFddColormapAlgoOrderInterpolNH::QVTFddColormapAlgoOrderInterpolNH(
    CATSamIDouble1p5D* iXValues, double iXMinLimit, double iXMaxLimit, int iXInterpolate,
    CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit, int iZInterpolate,
    CATSamIDouble2DDim2NH* iValues, int iWidth, int iHeight, QVTIFddContinuousAxis* iAxis, QVTIFddScaling* iXScaling,
    QVTIFddScaling* iZScaling, double iOrderTolerance)
    : QVTFddColormapAlgoOrderBase(iXMinLimit, iXMaxLimit, iXInterpolate, iZMinLimit, iZMaxLimit, iZInterpolate,
                                  iWidth, iHeight, iXScaling, iZScaling, iOrderTolerance),
      _XValuesNonHom(iXValues),
      _ValuesNonHom(iValues) {
  if (_XValuesNonHom) _XValuesNonHom->AddRef();
  HoldZVector(iZVector);
  if (_ValuesNonHom) _ValuesNonHom->AddRef();
  HoldAxis(iAxis);
  BuildOrders();
}

QVTFddColormapAlgoOrderInterpolNH::~QVTFddColormapAlgoOrderInterpolNH() {
  if (_XValuesNonHom) _XValuesNonHom->Release();
  ReleaseZVector();
  if (_ValuesNonHom) _ValuesNonHom->Release();
  _XValuesNonHom = nullptr;
  _ValuesNonHom = nullptr;
}

int QVTFddColormapAlgoOrderInterpolNH::HasData() const { return _XValuesNonHom && _ValuesNonHom; }

CATSamIDoubleVector* QVTFddColormapAlgoOrderInterpolNH::UsableRow(unsigned int iRow, unsigned int iZLength) const {
  if (iRow >= iZLength || iRow >= _ValuesNonHom->GetLengthY()) return nullptr;
  CATSamIDoubleVector* lX = _XValuesNonHom->GetXVector(iRow);
  if (!lX) return nullptr;
  CATSamIDoubleVector* lValues = _ValuesNonHom->GetRow(iRow);
  // Values and X samples are read by the same index: a row is used only when they pair up.
  const int lPaired = lValues && lValues->GetLength() == lX->GetLength() && lX->GetLength() <= INT_MAX;
  if (lValues) lValues->Release();
  if (lPaired) return lX;
  lX->Release();
  return nullptr;
}

void QVTFddColormapAlgoOrderInterpolNH::AddOrders() {
  const unsigned int lRows = _XValuesNonHom->GetNbrRows();
  const unsigned int lZLength = _ZVector->GetLength();
  if (lRows > static_cast<unsigned int>(INT_MAX)) return;
  long long lCount = 0;
  unsigned int lLongest = 0;
  for (unsigned int k = 0; k < lRows; ++k) {
    CATSamIDoubleVector* lX = UsableRow(k, lZLength);
    if (!lX) continue;
    lCount += lX->GetLength();
    if (lX->GetLength() > lLongest) lLongest = lX->GetLength();
    lX->Release();
  }
  if (!Reserve(lCount) || lCount == 0) return;
  std::unique_ptr<double[]> lXValues(new (std::nothrow) double[lLongest]);
  if (!lXValues) return;
  for (unsigned int k = 0; k < lRows; ++k) {
    CATSamIDoubleVector* lX = UsableRow(k, lZLength);
    if (!lX) continue;
    // A row that grew since it was counted is read as far as it was counted.
    unsigned int lLength = lX->GetLength() < lLongest ? lX->GetLength() : lLongest;
    ReadAll(lX, lXValues.get(), lLength);
    lX->Release();
    AddRow(static_cast<int>(k), _ZVector->GetValue(k), lXValues.get(), nullptr, static_cast<int>(lLength));
  }
}

int QVTFddColormapAlgoOrderInterpolNH::CheckData() {
  if (_ZVector->GetLength() != _ValuesNonHom->GetLengthY()) {
    QVTFDD_ASSERTION("QVTFddColormapAlgoOrderInterpolNH", "_Values->GetLengthY() != _ZVector->GetLength()");
    return 0;
  }
  return 1;
}

double QVTFddColormapAlgoOrderInterpolNH::SampleValue(const QVTFddOrderEntry& iEntry) const {
  CATSamIDoubleVector* lRow = _ValuesNonHom->GetRow(static_cast<unsigned int>(iEntry._ZIndex));
  if (!lRow) return QVTFddDoubleNaN;
  const double lValue = lRow->GetValue(static_cast<unsigned int>(iEntry._XIndex));
  lRow->Release();
  return lValue;
}

const char* QVTFddColormapAlgoOrderInterpolNH::SourceName() const { return "QVTFddColormapAlgoOrderInterpolNH"; }
