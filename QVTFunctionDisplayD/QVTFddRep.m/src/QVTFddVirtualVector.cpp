#include "QVTFddVirtualVector.h"

#include <new>

#include "QVTFddModuleFrame.h"

QVTFddVirtualVector::QVTFddVirtualVector(int iSize, int iOffset)
    : _Size(0), _Offset(iOffset), _SpareIndex(-1), _Jobs(nullptr) {
  if (iSize < 1) return;
  _Jobs = new (std::nothrow) QVTFddPixelJob[iSize];
  if (_Jobs) _Size = iSize;
}

QVTFddVirtualVector::~QVTFddVirtualVector() { delete[] _Jobs; }

const QVTFddPixelJob& QVTFddVirtualVector::Get(int i) const {
  if (i < 0) {
    QVTFDD_ASSERTION("QVTFddVirtualVector", "i < 0");
    return _Spare;
  }
  if (InWindow(i)) return _Jobs[static_cast<long long>(i) - _Offset];
  if (i == _SpareIndex) return _Spare;
  QVTFDD_ASSERTION("QVTFddVirtualVector", "Error");
  return _Spare;
}

QVTFddPixelJob& QVTFddVirtualVector::At(int i) {
  if (i < 0) {
    QVTFDD_ASSERTION("QVTFddVirtualVector", "i < 0");
    return _Spare;
  }
  if (InWindow(i)) return _Jobs[static_cast<long long>(i) - _Offset];
  _SpareIndex = i;
  return _Spare;
}

void QVTFddVirtualVector::Fill(int iInterpolate, int iA, int iB, const QVTFddPixelJob& iJobA,
                               const QVTFddPixelJob& iJobB) {
  // Only the window is visited, so a gap of millions of positions costs nothing outside it.
  // Positions are long long: the window may end next to the int limits.
  const long long lBeforeWindow = static_cast<long long>(_Offset) - 1;
  const long long lStart = (iA > lBeforeWindow ? iA : lBeforeWindow) + 1;
  const long long lWindowEnd = static_cast<long long>(_Offset) + _Size;
  const long long lEnd = iB < lWindowEnd ? iB : lWindowEnd;
  if (lStart >= lEnd) return;
  const long long lGap = static_cast<long long>(iB) - iA;
  if (iInterpolate) {
    const double lStep = 1.0 / static_cast<double>(lGap);
    for (long long p = lStart; p < lEnd; ++p)
      _Jobs[p - _Offset] =
          QVTFddPixelJob::Interpolation(iJobA._Second, iJobB._First, static_cast<double>(p - iA) * lStep);
  } else {
    const long long lHalf = (lGap - 1) / 2;
    for (long long p = lStart; p < lEnd; ++p)
      _Jobs[p - _Offset] = QVTFddPixelJob::Index(p - iA - 1 > lHalf ? iJobB._First : iJobA._Second);
  }
}
