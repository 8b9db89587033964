#include "LevelCurveGP.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathPoint.h"
#include "CATRender.h"
#include "CATSamIVector.h"
#include "CurveLevels.h"
#include "QVTFdd2DCurveGP.h"
#include "QVTFddConstants.h"
#include "QVTFddMathLinearMap.h"
#include "SelectedVector.h"

namespace {

// Columns beyond each side of the display box whose samples are kept: what lies further out is
// drawn nowhere inside it.
const float kMarginColumns = 2.0f;

const double kModelLimit = QVTFddFloatMax * 0.01f;
const float kModelLimitF = static_cast<float>(kModelLimit);

// The pixel column in which the curve primitive puts a sample: the same conversions in the same
// precision (map, rounding to float, limit, viewpoint, the pixel it lies in).
class Columns {
 public:
  Columns(const CATSamIVector& iX, const QVTFddMathLinearMap& iMap, const CAT2DViewpoint& iViewpoint,
          const float iParameters[4])
      : _X(iX), _Map(iMap), _Viewpoint(iViewpoint), _Parameters(iParameters) {}

  float OfModel(float iModel) const {
    const float lModel = iModel > kModelLimit ? kModelLimitF : (iModel < -kModelLimit ? -kModelLimitF : iModel);
    CATMathPoint2Df lPixel;
    _Viewpoint.ModelToPixel(CATMathPointf(lModel, 0.0f, 0.0f), lPixel, _Parameters[0], _Parameters[1], _Parameters[3],
                            _Parameters[2]);
    return QVTFdd2DCurveGP::PixelOf(lPixel.x);
  }
  float Of(unsigned int iSample) const { return OfModel(static_cast<float>(_Map.Map(_X.GetValue(iSample)))); }

  // The first sample of iFrom .. iTo - 1 whose column lies beyond iColumn (iTo when none does):
  // galloping from iFrom, so that a short column costs a few reads.
  unsigned int After(unsigned int iFrom, unsigned int iTo, float iColumn) const {
    if (iFrom >= iTo || Of(iFrom) > iColumn) return iFrom;
    uint64_t lIn = iFrom, lOut = iTo, lStep = 1;
    for (;;) {
      const uint64_t lProbe = lIn + lStep;
      if (lProbe >= iTo) break;
      if (Of(static_cast<unsigned int>(lProbe)) > iColumn) {
        lOut = lProbe;
        break;
      }
      lIn = lProbe;
      lStep *= 2;
    }
    while (lOut - lIn > 1) {
      const uint64_t lMiddle = lIn + (lOut - lIn) / 2;
      if (Of(static_cast<unsigned int>(lMiddle)) > iColumn)
        lOut = lMiddle;
      else
        lIn = lMiddle;
    }
    return static_cast<unsigned int>(lOut);
  }

 private:
  const CATSamIVector& _X;
  const QVTFddMathLinearMap& _Map;
  const CAT2DViewpoint& _Viewpoint;
  const float* _Parameters;
};

// Chooses the samples of one pixel column after another, in ascending order, from the levels.
class Picker {
 public:
  Picker(const CurveLevels& iLevels, std::vector<unsigned int>& oKept)
      : _Levels(iLevels), _Y(*iLevels.GetY()), _Kept(oKept) {}

  // The samples iFirst .. iLast, all in one pixel column.
  void Column(unsigned int iFirst, unsigned int iLast) {
    _Open = _InGap = false;
    if (iLast - iFirst < 5) {
      for (uint64_t i = iFirst; i <= iLast; ++i) Keep(static_cast<unsigned int>(i));
      return;
    }
    const int lFirstLevel = CurveLevels::FirstLevel();
    const int lTopLevel = lFirstLevel + _Levels.GetNbLevels() - 1;
    const uint64_t lSmallest = uint64_t(1) << lFirstLevel;
    uint64_t p = iFirst;
    while (p <= iLast) {
      if ((p & (lSmallest - 1)) != 0 || p + lSmallest - 1 > iLast) {
        Sample(static_cast<unsigned int>(p++));
        continue;
      }
      // The largest block that starts here and ends in the column.
      int k = lFirstLevel;
      while (k < lTopLevel && (p & ((uint64_t(2) << k) - 1)) == 0 && p + (uint64_t(2) << k) - 1 <= iLast) ++k;
      Block(k, static_cast<size_t>(p >> k));
      p += uint64_t(1) << k;
    }
    Close();
  }

 private:
  void Block(int iLevel, size_t iBlock) {
    const uint64_t lStart = uint64_t(iBlock) << iLevel, lEnd = ((uint64_t(iBlock) + 1) << iLevel) - 1;
    const uint32_t lMin = _Levels.GetMin(iLevel, iBlock);
    if (lMin < CurveLevels::kSomeGaps) {
      Stretch(lMin, _Levels.GetMax(iLevel, iBlock), static_cast<unsigned int>(lStart),
              static_cast<unsigned int>(lEnd));
    } else if (lMin == CurveLevels::kAllGaps) {
      Gap(static_cast<unsigned int>(lStart));
    } else if (iLevel == CurveLevels::FirstLevel()) {
      for (uint64_t i = lStart; i <= lEnd; ++i) Sample(static_cast<unsigned int>(i));
    } else {
      Block(iLevel - 1, 2 * iBlock);
      Block(iLevel - 1, 2 * iBlock + 1);
    }
  }

  void Sample(unsigned int iSample) {
    if (std::isnan(_Y.GetValue(iSample)))
      Gap(iSample);
    else
      Stretch(iSample, iSample, iSample, iSample);
  }

  // Samples iStart .. iEnd without gaps, lowest at iLow and highest at iHigh.
  void Stretch(unsigned int iLow, unsigned int iHigh, unsigned int iStart, unsigned int iEnd) {
    _InGap = false;
    const double lLow = _Y.GetValue(iLow), lHigh = iHigh == iLow ? lLow : _Y.GetValue(iHigh);
    if (!_Open) {
      _Open = true;
      _Start = iStart;
      _Low = iLow;
      _High = iHigh;
      _LowValue = lLow;
      _HighValue = lHigh;
    } else {
      if (lLow < _LowValue) {
        _Low = iLow;
        _LowValue = lLow;
      }
      if (lHigh > _HighValue) {
        _High = iHigh;
        _HighValue = lHigh;
      }
    }
    _Last = iEnd;
  }

  // The first gap sample of a run of them ends the stretch before it.
  void Gap(unsigned int iSample) {
    Close();
    if (!_InGap) Keep(iSample);
    _InGap = true;
  }

  // The stretch's first segment (its direction decides the primitive's one-pixel extension), its
  // extremes and its end, which begins the segment to what follows.
  void Close() {
    if (!_Open) return;
    _Open = false;
    unsigned int lKept[5] = {_Start, _Start + 1 < _Last ? _Start + 1 : _Last, _Low, _High, _Last};
    std::sort(lKept, lKept + 5);
    for (unsigned int lSample : lKept) Keep(lSample);
  }

  void Keep(unsigned int iSample) {
    if (_Kept.empty() || iSample > _Kept.back()) _Kept.push_back(iSample);
  }

  const CurveLevels& _Levels;
  const CATSamIVector& _Y;
  std::vector<unsigned int>& _Kept;
  bool _Open = false, _InGap = false;
  unsigned int _Start = 0, _Low = 0, _High = 0, _Last = 0;
  double _LowValue = 0.0, _HighValue = 0.0;
};

}  // namespace

LevelCurveGP::LevelCurveGP(std::shared_ptr<const CurveLevels> iLevels, const CATMathBox2D& iDataBox,
                           const CATMathBox2D& iDisplayBox)
    : _Levels(std::move(iLevels)), _DataBox(iDataBox), _DisplayBox(iDisplayBox) {}

LevelCurveGP::~LevelCurveGP() = default;

void LevelCurveGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) {
  if (!_Levels) return;
  float lParameters[4];
  iRender.GetViewportParameters(lParameters[0], lParameters[1], lParameters[2], lParameters[3]);
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
  const double lKey[6] = {lViewpoint ? lViewpoint->GetCenter().GetX() : 0.0,
                          lViewpoint ? lViewpoint->GetZoom() : 0.0,
                          lParameters[0],
                          lParameters[1],
                          lParameters[2],
                          lParameters[3]};
  // Levels that became ready since make a new choice too.
  const bool lSameView = _KeyReady && std::equal(lKey, lKey + 6, _Key) && (_Curve || !_Levels->IsReady());
  if (!lSameView || !_Curve) {
    _Curve = Select(iViewpoint, lParameters);
    std::copy(lKey, lKey + 6, _Key);
    _KeyReady = _Levels->IsReady();
  }
  if (_Curve) _Curve->ImmediateDraw(iRender, iViewpoint, iViewport);
}

RefPtr<QVTFdd2DCurveGP> LevelCurveGP::Select(const CATViewpoint* iViewpoint, const float iParameters[4]) {
  CATSamIVector* lX = _Levels->GetX();
  CATSamIVector* lY = _Levels->GetY();
  const unsigned int lLength = _Levels->GetLength();
  _NbSelected = lLength;
  auto lAll = [&]() {
    return RefPtr<QVTFdd2DCurveGP>(new QVTFdd2DCurveGP(_DataBox, _DisplayBox, QVTFdd2DCurveGP::ReduceAlongX, lX, lY));
  };
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
  const double lDisplayLow = _DisplayBox.GetLow().GetX(), lDisplayHigh = _DisplayBox.GetHigh().GetX();
  const QVTFddMathLinearMap lMap(_DataBox.GetLow().GetX(), _DataBox.GetHigh().GetX(), lDisplayLow, lDisplayHigh);
  // Columns follow the samples' order only where x grows to the right on the screen.
  if (!_Levels->IsReady() || !lViewpoint || lLength == 0 || !lMap.IsValid() ||
      !(_DataBox.GetHigh().GetX() > _DataBox.GetLow().GetX()) || !(lDisplayHigh > lDisplayLow) ||
      !(lViewpoint->PixelsPerUnit(iParameters[3], iParameters[2]) > 0.0))
    return lAll();

  const Columns lColumns(*lX, lMap, *lViewpoint, iParameters);
  const float lLeft = lColumns.OfModel(static_cast<float>(lDisplayLow));
  const float lRight = lColumns.OfModel(static_cast<float>(lDisplayHigh));
  if (!(lLeft <= lRight) || !std::isfinite(lRight - lLeft)) return lAll();
  // One sample beyond the margin on each side: its segment into the margin is the one that all
  // samples give there.
  unsigned int lFirst = lColumns.After(0, lLength, lLeft - kMarginColumns - 1.0f);
  if (lFirst > 0) --lFirst;
  unsigned int lLast = lColumns.After(lFirst, lLength, lRight + kMarginColumns);
  if (lLast == lLength) --lLast;

  const unsigned int lCount = lLast - lFirst + 1;
  RefPtr<CATSamIVector> lViewX, lViewY;
  if (lCount <= _RangePerColumn * (double(lRight - lLeft) + 2.0 * kMarginColumns + 1.0)) {
    lViewX = RefPtr<CATSamIVector>(new SelectedVector(lX, lFirst, lCount));
    lViewY = RefPtr<CATSamIVector>(new SelectedVector(lY, lFirst, lCount));
  } else {
    auto lKept = std::make_shared<std::vector<unsigned int>>();
    lKept->reserve(static_cast<size_t>(8.0 * (double(lRight - lLeft) + 8.0)));
    Picker lPicker(*_Levels, *lKept);
    for (uint64_t i = lFirst; i <= lLast;) {
      const unsigned int lStart = static_cast<unsigned int>(i);
      const unsigned int lEnd = lColumns.After(lStart, lLast + 1, lColumns.Of(lStart));
      lPicker.Column(lStart, lEnd - 1);
      i = lEnd;
    }
    lViewX = RefPtr<CATSamIVector>(new SelectedVector(lX, lKept));
    lViewY = RefPtr<CATSamIVector>(new SelectedVector(lY, lKept));
  }
  _NbSelected = lViewX->GetLength();
  return RefPtr<QVTFdd2DCurveGP>(
      new QVTFdd2DCurveGP(_DataBox, _DisplayBox, QVTFdd2DCurveGP::ReduceAlongX, lViewX.Get(), lViewY.Get()));
}
