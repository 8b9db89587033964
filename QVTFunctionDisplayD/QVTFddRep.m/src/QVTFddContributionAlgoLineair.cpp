#include "QVTFddContributionAlgoLineair.h"

#include <cmath>
#include <new>

#include "CATSamIDoubleVector.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddComputePixelJobs.h"
#include "QVTFddRowValue.h"
#include "QVTIFddContinuousAxis.h"

namespace {

// A colour component from the axis as a byte: an axis that answers outside 0..255 is clamped.
unsigned char sByte(int iComponent) {
  return static_cast<unsigned char>(iComponent < 0 ? 0 : (iComponent > 255 ? 255 : iComponent));
}

}  // namespace

QVTFddContributionAlgoLineair::QVTFddContributionAlgoLineair(const CATSamIDoubleVector* iArgVector, double iMinLimit,
                                                             double iMaxLimit, int iInterpolate,
                                                             const CATSamIDoubleVector* iResVector, int iWidth,
                                                             int iHeight, QVTIFddContinuousAxis* iAxis,
                                                             eBarDirection iDirection)
    : _Axis(RefPtr<QVTIFddContinuousAxis>::Hold(iAxis)),
      _ArgVector(RefPtr<const CATSamIDoubleVector>::Hold(iArgVector)),
      _ResVector(RefPtr<const CATSamIDoubleVector>::Hold(iResVector)),
      _MinLimit(iMinLimit),
      _MaxLimit(iMaxLimit),
      _Interpolate(iInterpolate),
      _Width(iWidth),
      _Height(iHeight),
      _Direction(iDirection),
      _Jobs(nullptr) {}

QVTFddContributionAlgoLineair::QVTFddContributionAlgoLineair(const QVTFddContributionAlgoLineair& iOther)
    : _Axis(iOther._Axis),
      _ArgVector(iOther._ArgVector),
      _ResVector(iOther._ResVector),
      _MinLimit(iOther._MinLimit),
      _MaxLimit(iOther._MaxLimit),
      _Interpolate(iOther._Interpolate),
      _Width(iOther._Width),
      _Height(iOther._Height),
      _Direction(iOther._Direction),
      _Jobs(nullptr) {}

QVTFddContributionAlgoLineair& QVTFddContributionAlgoLineair::operator=(const QVTFddContributionAlgoLineair& iOther) {
  if (this == &iOther) return *this;
  _Axis = iOther._Axis;
  _ArgVector = iOther._ArgVector;
  _ResVector = iOther._ResVector;
  _MinLimit = iOther._MinLimit;
  _MaxLimit = iOther._MaxLimit;
  _Interpolate = iOther._Interpolate;
  _Width = iOther._Width;
  _Height = iOther._Height;
  _Direction = iOther._Direction;
  Unprepare();
  return *this;
}

QVTFddContributionAlgoLineair::~QVTFddContributionAlgoLineair() { Unprepare(); }

void QVTFddContributionAlgoLineair::Unprepare() {
  delete[] _Jobs;
  _Jobs = nullptr;
}

int QVTFddContributionAlgoLineair::IsUsable() const {
  return _ArgVector && _ResVector && _Axis && _Width >= 1 && _Width < kMaxPixels && _Height >= 1 &&
         _Height < kMaxPixels;
}

int QVTFddContributionAlgoLineair::StripLength() const { return _Direction == HorizontalBar ? _Width : _Height; }

bool QVTFddContributionAlgoLineair::Prepare() {
  if (_Jobs) return true;
  // Refused data are checked again at every call, so that each call logs why it fails.
  if (!IsUsable()) return false;
  if (_ResVector->GetLength() != _ArgVector->GetLength()) {
    QVTFDD_ASSERTION("QVTFddContributionAlgoLineair", "_ResVector->GetLength() != _ArgVector->GetLength()");
    return false;
  }
  // An exhausted heap refuses nothing for good: the next call tries again.
  const int n = StripLength();
  _Jobs = new (std::nothrow) QVTFddPixelJob[n];
  if (_Jobs) QVTFddComputePixelJobs(_ArgVector.Get(), _MinLimit, _MaxLimit, _Interpolate, _Jobs, n);
  return _Jobs != nullptr;
}

QVTFddContributionAlgoLineair::eValueType QVTFddContributionAlgoLineair::CalculatePixelValue(
    const QVTFddPixelJob& iJob, const CATSamIDoubleVector* iValues, double& oValue) const {
  // The rule the colour maps use along their data rows: maxima keep single-sample peaks visible,
  // skip NaN wherever it stands, and a range without a number is NaN (a transparent pixel).
  return QVTFddRowValue(iJob, iValues, oValue) ? ValueFound : NoValue;
}

CATPixelImage QVTFddContributionAlgoLineair::MakeBitmap() {
  if (!Prepare()) return CATPixelImage();
  CATPixelImage lResult(_Width, _Height, 3);
  const int n = StripLength();
  if (lResult.IsEmpty()) return CATPixelImage();

  // One strip is computed; the other rows (columns) are copies of it.
  const int lHorizontal = _Direction == HorizontalBar;
  CATPixelImage lStrip(lHorizontal ? n : 1, lHorizontal ? 1 : n, 3);
  unsigned char* lPixels = lStrip.GetPixelsToModify();
  if (!lPixels) return CATPixelImage();
  for (int k = 0; k < n; ++k, lPixels += 4) {
    double v = 0.0;
    if (CalculatePixelValue(_Jobs[k], _ResVector.Get(), v) == ValueFound && !std::isnan(v)) {
      int lRed = 0, lGreen = 0, lBlue = 0;
      _Axis->GetColor(v, 0.0, lRed, lGreen, lBlue);
      lPixels[0] = sByte(lRed);
      lPixels[1] = sByte(lGreen);
      lPixels[2] = sByte(lBlue);
      lPixels[3] = 255;
    } else {
      lPixels[0] = lPixels[1] = lPixels[2] = lPixels[3] = 0;
    }
  }
  if (lHorizontal) {
    for (int y = 0; y < _Height; ++y) lResult.InsertPixelImage(0, y, &lStrip, 0);
  } else {
    for (int x = 0; x < _Width; ++x) lResult.InsertPixelImage(x, 0, &lStrip, 0);
  }
  return lResult;
}

long QVTFddContributionAlgoLineair::GetValue(double iArgument, double& oValue) {
  if (!Prepare()) return E_FAIL;
  if (!(iArgument >= _MinLimit && iArgument <= _MaxLimit)) return E_FAIL;
  const int n = StripLength();
  const int k = QVTFddValueToPixel(iArgument, _MinLimit, _MaxLimit, n);
  // Equal limits, for one, put the argument on no pixel of the strip.
  if (k < 0 || k >= n) return E_FAIL;
  double lValue = 0.0;
  if (CalculatePixelValue(_Jobs[k], _ResVector.Get(), lValue) != ValueFound) return E_FAIL;
  oValue = lValue;
  return S_OK;
}
