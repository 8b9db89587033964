#include "QVTFdd2DCurveSymbolsGP.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "CAT2DViewpoint.h"
#include "CATMathPoint2D.h"
#include "CATRender.h"
#include "CATSamIVector.h"
#include "CATSymbolType.h"
#include "QVTFddMathLinearMap.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DCurveSymbolsGP, CATDynamicGP)

namespace {

// Room for this many markers is taken at once; the array grows by doubling beyond it, so memory
// follows the markers kept, not the samples.
constexpr size_t kFirstCapacity = 4096;
// Pixels this far from the viewport's origin are not remembered: their samples are all kept.
constexpr double kFarPixel = 1073741824.0;
constexpr uint64_t kEmptySlot = ~uint64_t(0);

// The pixels that already have a marker: an open-addressing hash set of (column, row) keys, at
// most half full, growing by doubling.
struct PixelSet {
  uint64_t* _Slots;
  size_t _Mask;
  size_t _Count;
};

size_t SlotOf(const PixelSet& iSet, uint64_t iKey) {
  size_t lSlot = static_cast<size_t>((iKey * 0x9E3779B97F4A7C15ull) >> 20) & iSet._Mask;
  while (iSet._Slots[lSlot] != kEmptySlot && iSet._Slots[lSlot] != iKey) lSlot = (lSlot + 1) & iSet._Mask;
  return lSlot;
}

// Adds iKey; oNew tells whether it was missing. False when there is no memory to grow.
bool AddPixel(PixelSet& ioSet, uint64_t iKey, bool& oNew) {
  if (2 * (ioSet._Count + 1) > ioSet._Mask + 1) {
    const size_t lSize = 2 * (ioSet._Mask + 1);
    PixelSet lGrown = {static_cast<uint64_t*>(std::malloc(lSize * sizeof(uint64_t))), lSize - 1, ioSet._Count};
    if (!lGrown._Slots) return false;
    for (size_t i = 0; i < lSize; ++i) lGrown._Slots[i] = kEmptySlot;
    for (size_t i = 0; i <= ioSet._Mask && ioSet._Slots; ++i)
      if (ioSet._Slots[i] != kEmptySlot) lGrown._Slots[SlotOf(lGrown, ioSet._Slots[i])] = ioSet._Slots[i];
    std::free(ioSet._Slots);
    ioSet = lGrown;
  }
  const size_t lSlot = SlotOf(ioSet, iKey);
  oNew = ioSet._Slots[lSlot] == kEmptySlot;
  if (oNew) {
    ioSet._Slots[lSlot] = iKey;
    ++ioSet._Count;
  }
  return true;
}

}  // namespace

QVTFdd2DCurveSymbolsGP::QVTFdd2DCurveSymbolsGP(int iSymbolType, const CATMathBox2D& iDataBox,
                                               const CATMathBox2D& iDisplayBox, CATSamIVector* iXVector,
                                               CATSamIVector* iYVector)
    : _XVector(RefPtr<CATSamIVector>::Hold(iXVector)),
      _YVector(RefPtr<CATSamIVector>::Hold(iYVector)),
      _DataBox(iDataBox),
      _DisplayBox(iDisplayBox),
      _SymbolType(iSymbolType),
      _Points(nullptr),
      _NbPoints(0),
      _PixelStep(0.0f),
      _Thinned(false) {}

QVTFdd2DCurveSymbolsGP::QVTFdd2DCurveSymbolsGP(QVTFdd2DCurveSymbolsGP& iOther)
    : CATDynamicGP(iOther),
      _XVector(iOther._XVector),
      _YVector(iOther._YVector),
      _SymbolType(iOther._SymbolType),
      _Points(nullptr),
      _NbPoints(0),
      _PixelStep(0.0f),
      _Thinned(false) {}

QVTFdd2DCurveSymbolsGP& QVTFdd2DCurveSymbolsGP::operator=(QVTFdd2DCurveSymbolsGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  return *this;
}

QVTFdd2DCurveSymbolsGP::~QVTFdd2DCurveSymbolsGP() {
  std::free(_Points);
}

void QVTFdd2DCurveSymbolsGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  if (!_XVector || !_YVector || !iViewpoint) return;
  // A symbol the host does not know has no drawing (and is no value of CATSymbolType).
  if (_SymbolType < CATSymbolCross || _SymbolType > CATSymbolDot) return;
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
  float lParameter1 = 0.0f, lParameter2 = 0.0f, lParameter3 = 1.0f, lParameter4 = 1.0f;
  iRender.GetViewportParameters(lParameter1, lParameter2, lParameter3, lParameter4);
  float lStep = 0.0f;
  if (lViewpoint) {
    CATMathPoint2D lModel0, lModel1;
    lViewpoint->ComputeModelFromPixel(0.0f, 0.0f, lModel0, lParameter1, lParameter2, lParameter4, lParameter3);
    lViewpoint->ComputeModelFromPixel(1.0f, 0.0f, lModel1, lParameter1, lParameter2, lParameter4, lParameter3);
    lStep = static_cast<float>(lModel0.DistanceTo(lModel1));
  }
  // Markers thinned on larger pixels would leave gaps on smaller ones. A NaN step recomputes.
  if (_Points && _Thinned && !(lStep >= _PixelStep)) {
    std::free(_Points);
    _Points = nullptr;
    _NbPoints = 0;
  }
  if (!_Points) {
    _PixelStep = lStep;
    ComputePoints(lViewpoint, lParameter1, lParameter2, lParameter4, lParameter3);
  }
  if (_Points) iRender.ImmediateDraw2DMarker(_Points, _NbPoints, static_cast<CATSymbolType>(_SymbolType));
}

void QVTFdd2DCurveSymbolsGP::ComputePoints(const CAT2DViewpoint* iViewpoint, float iWidth, float iHeight,
                                           float iScaleA, float iScaleB) {
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
  size_t lCapacity = lNbSamples < kFirstCapacity ? lNbSamples : kFirstCapacity;
  float* lWork = static_cast<float*>(std::malloc(lCapacity * 2 * sizeof(float)));
  if (!lWork) return;
  size_t lNbPoints = 0;
  bool lThinned = false, lOutOfMemory = false;
  // The pixel of the previous kept marker (none yet), checked first: dense curves stay on it.
  double lPixelX = std::nan(""), lPixelY = std::nan("");
  PixelSet lMarked = {nullptr, 0, 0};
  for (unsigned int i = 0; i < lNbSamples && !lOutOfMemory; ++i) {
    const double lX = lMapX.Map(_XVector->GetValue(i));
    const double lY = lMapY.Map(_YVector->GetValue(i));
    if (!_DisplayBox.IsContaining(CATMathPoint2D(lX, lY))) continue;
    const float lPoint[2] = {static_cast<float>(lX), static_cast<float>(lY)};
    if (iViewpoint) {
      // The same conversion as the render's, from the same single-precision point.
      CATMathPoint2Df lPixel;
      iViewpoint->ModelToPixel(CATMathPointf(lPoint[0], lPoint[1], 0.0f), lPixel, iWidth, iHeight, iScaleA, iScaleB);
      const double lColumn = std::floor(double(lPixel.x)), lRow = std::floor(double(lPixel.y));
      if (lColumn == lPixelX && lRow == lPixelY) {
        lThinned = true;
        continue;
      }
      lPixelX = lColumn;
      lPixelY = lRow;
      bool lNew = true;
      if (std::fabs(lColumn) < kFarPixel && std::fabs(lRow) < kFarPixel) {
        const uint64_t lKey = (uint64_t(uint32_t(int64_t(lColumn) + int64_t(kFarPixel))) << 32) |
                              uint32_t(int64_t(lRow) + int64_t(kFarPixel));
        if (!AddPixel(lMarked, lKey, lNew)) {
          lOutOfMemory = true;
          continue;
        }
      }
      if (!lNew) {
        lThinned = true;
        continue;
      }
    }
    if (lNbPoints == lCapacity) {
      const size_t lGrown = lCapacity > lNbSamples / 2 ? lNbSamples : 2 * lCapacity;
      float* lMore = static_cast<float*>(std::realloc(lWork, lGrown * 2 * sizeof(float)));
      if (!lMore) {
        lOutOfMemory = true;
        continue;
      }
      lWork = lMore;
      lCapacity = lGrown;
    }
    lWork[2 * lNbPoints] = lPoint[0];
    lWork[2 * lNbPoints + 1] = lPoint[1];
    ++lNbPoints;
  }
  std::free(lMarked._Slots);
  // Out of memory, no marker at all: a partial set would hide samples.
  if (lOutOfMemory || lNbPoints == 0) {
    std::free(lWork);
    return;
  }
  // Exactly the kept markers.
  float* lExact = static_cast<float*>(std::realloc(lWork, lNbPoints * 2 * sizeof(float)));
  _Points = lExact ? lExact : lWork;
  _NbPoints = static_cast<int>(lNbPoints);
  _Thinned = lThinned;
}
