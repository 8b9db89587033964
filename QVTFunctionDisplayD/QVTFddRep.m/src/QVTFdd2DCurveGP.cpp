#include "QVTFdd2DCurveGP.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <memory>
#include <typeinfo>

#include "CAT2DRep.h"
#include "CAT2DViewpoint.h"
#include "CATMathPoint.h"
#include "CATMathPoint2Df.h"
#include "CATRender.h"
#include "CATSamIVector.h"
#include "QVTFddConstants.h"
#include "QVTFddMathClipLines.h"
#include "QVTFddMathLinearMap.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddSampleScan.h"
#include "QVTFddSimd.h"
#include "QVTFddVectorReader.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DCurveGP, CAT2DRep)

namespace {

// Samples handled at a time (and fetched per bulk read when a vector has no direct access). The buffers live on the stack, so the only heap memory of a
// computation is the reduced list, which follows the pixels rather than the samples.
constexpr unsigned int kChunk = 1024;
// The render takes the point count as an int.
constexpr size_t kMaxSegments = INT_MAX / 2;
// Room for this many segments is taken at once; the list grows by doubling beyond it.
constexpr size_t kFirstCapacity = 4096;

// Model coordinates beyond this magnitude are drawn at it, which keeps them finite through the
// pixel conversions and the clipper.
const double kModelLimit = QVTFddFloatMax * 0.01f;
const float kModelLimitF = static_cast<float>(kModelLimit);

float ClampToModelLimit(float iValue) {
  if (iValue > kModelLimit) return kModelLimitF;
  if (iValue < -kModelLimit) return -kModelLimitF;
  return iValue;
}

inline float sPixelOf(float iValue) { return static_cast<float>(std::floor(double(iValue))); }

// The centre of a pixel whose position lies on the far edge of the box (iEdge0, iEdge1 in pixels)
// is that of the last pixel inside: a value at the axis's end shows on the axis's last pixel,
// not beyond it. Other centres are as they are.
float InsideCentre(float iCentre, float iEdge0, float iEdge1) {
  const float lEdge = std::fmax(iEdge0, iEdge1);
  const float lLast = static_cast<float>(std::ceil(double(lEdge))) - 0.5f;
  return iCentre > lLast && iCentre - 0.5f <= lEdge && lLast >= std::fmin(iEdge0, iEdge1) ? lLast : iCentre;
}

// Floats from malloc, so that they can be resized with realloc.
typedef std::unique_ptr<float[], decltype(&std::free)> FloatBuffer;

// Resizes the buffer to iFloats floats (a null buffer is allocated); false, with the buffer as
// it was, when memory runs out.
bool Resize(FloatBuffer& ioBuffer, size_t iFloats) {
  float* lResized = static_cast<float*>(std::realloc(ioBuffer.get(), iFloats * sizeof(float)));
  if (!lResized) return false;
  // realloc has taken the old block over.
  static_cast<void>(ioBuffer.release());
  ioBuffer.reset(lResized);
  return true;
}

// The list the reduction writes: entries of four floats (x0, y0, x1, y1) in pixel coordinates,
// then, after conversion and clipping in place, in model coordinates.
struct ReducedList {
  FloatBuffer _Entries;
  size_t _Count;
  size_t _Capacity;
  size_t _Limit;  // the number of segments: the list never needs more
};

// Doubles the room of the list, up to its limit; false when it cannot grow.
bool Grow(ReducedList& ioList) {
  if (ioList._Capacity >= ioList._Limit) return false;
  size_t lCapacity = ioList._Capacity * 2;
  if (lCapacity > ioList._Limit) lCapacity = ioList._Limit;
  if (!Resize(ioList._Entries, lCapacity * 4)) return false;
  ioList._Capacity = lCapacity;
  return true;
}

// The entry is taken by value: the reduction's open entry then never leaves the registers.
bool Append(ReducedList& ioList, float iX0, float iY0, float iX1, float iY1) {
  if (ioList._Count == ioList._Capacity && !Grow(ioList)) return false;
  float* lTarget = ioList._Entries.get() + 4 * ioList._Count++;
  lTarget[0] = iX0;
  lTarget[1] = iY0;
  lTarget[2] = iX1;
  lTarget[3] = iY1;
  return true;
}

// Appends an entry given by its coordinates along the reduction axis (S) and across it (V).
template <bool tAlongY>
bool AppendAlong(ReducedList& ioList, float iS0, float iV0, float iS1, float iV1) {
  return tAlongY ? Append(ioList, iV0, iS0, iV1, iS1) : Append(ioList, iS0, iV0, iS1, iV1);
}

// The running state of the reduction, carried from chunk to chunk: the previous sample's pixel,
// the current pixel bucket [_Low, _Low + 1) along the reduction axis, and the open entry: the last
// output entry, the only one a new entry can merge into, kept out of the list until the next one
// starts. The reduction runs while the entries are made, so only its output is ever stored.
// Coordinates are along the reduction axis (S) and across it (V).
struct ReductionState {
  float _PreviousS, _PreviousV;
  double _PreviousSort;
  bool _PreviousValid;
  bool _Started;
  float _Low;
  bool _HasOpen;
  float _OpenS0, _OpenV0, _OpenS1, _OpenV1;
};

// Feeds one valid sample, at pixel (iS, iV) rounded and with sort value iSort, to the reduction:
// the segment from the previous sample, if that was valid, is made and reduced. False when the
// list cannot grow.
template <bool tAlongY>
QVTFDD_INLINE bool Step(ReducedList& ioList, float iS, float iV, double iSort, ReductionState& ioState) {
  ReductionState& s = ioState;
  if (s._PreviousValid) {
    // Each entry runs towards the larger sort value (from the later sample when they are equal
    // or unordered).
    const bool lForward = iSort > s._PreviousSort;
    const float lS0 = lForward ? s._PreviousS : iS, lV0 = lForward ? s._PreviousV : iV;
    const float lS1 = lForward ? iS : s._PreviousS, lV1 = lForward ? iV : s._PreviousV;

    if (!s._Started) {
      s._Low = lS0;
      s._Started = true;
    }
    if (!(lS0 < s._Low + 1.0f)) s._Low = lS0;
    const float lHigh = s._Low + 1.0f;
    if (s._HasOpen && s._OpenS0 >= s._Low && s._OpenS1 < lHigh && lS0 >= s._Low && lS1 < lHigh) {
      // Both in the bucket: one segment from the lowest to the highest value of the run.
      float lMin = s._OpenV0, lMax = s._OpenV0;
      for (float lValue : {s._OpenV1, lV0, lV1}) {
        if (lValue < lMin) lMin = lValue;
        if (lValue > lMax) lMax = lValue;
      }
      s._OpenV0 = lMin;
      s._OpenV1 = lMax;
      s._OpenS1 = lS1;
    } else {
      if (s._HasOpen && !AppendAlong<tAlongY>(ioList, s._OpenS0, s._OpenV0, s._OpenS1, s._OpenV1)) return false;
      s._OpenS0 = lS0;
      s._OpenV0 = lV0;
      s._OpenS1 = lS1;
      s._OpenV1 = lV1;
      // A descending segment reaches one pixel further down: its end pixel is the one below.
      // This is about y, whichever the reduction axis.
      if (tAlongY) {
        if (s._OpenS1 < s._OpenS0) s._OpenS1 -= 1.0f;
      } else {
        if (s._OpenV1 < s._OpenV0) s._OpenV1 -= 1.0f;
      }
      s._HasOpen = true;
    }
  }
  s._PreviousS = iS;
  s._PreviousV = iV;
  s._PreviousSort = iSort;
  s._PreviousValid = true;
  return true;
}

// Makes the pixel-space segments of one chunk of converted samples and reduces them. False when
// the list cannot grow. The state is worked on in a local copy, which stays in registers.
template <bool tAlongY>
QVTFDD_INLINE bool ReduceChunk(ReducedList& ioList, unsigned int iCount, const float* iPixels,
                                      const bool* iValid, const double* iSortValues, ReductionState& ioState) {
  ReductionState lState = ioState;
  for (unsigned int i = 0; i < iCount; ++i) {
    if (!iValid[i]) {
      lState._PreviousValid = false;
      continue;
    }
    const float lX = sPixelOf(iPixels[2 * i]), lY = sPixelOf(iPixels[2 * i + 1]);
    if (!Step<tAlongY>(ioList, tAlongY ? lY : lX, tAlongY ? lX : lY, iSortValues[i], lState)) return false;
  }
  ioState = lState;
  return true;
}

// The same reduction compiled for processors with SSE4.1, whose rounding instruction makes the two
// floor operations per sample single instructions instead of a conversion sequence; the results
// are the same bits. Chosen once, at run time.
#if QVTFDD_SIMD_DISPATCH
template <bool tAlongY>
QVTFDD_TARGET("sse4.1") bool ReduceChunkSse41(ReducedList& ioList, unsigned int iCount, const float* iPixels,
                                              const bool* iValid, const double* iSortValues,
                                              ReductionState& ioState) {
  return ReduceChunk<tAlongY>(ioList, iCount, iPixels, iValid, iSortValues, ioState);
}
#endif

template <bool tAlongY>
bool Reduce(ReducedList& ioList, unsigned int iCount, const float* iPixels, const bool* iValid,
            const double* iSortValues, ReductionState& ioState) {
#if QVTFDD_SIMD_DISPATCH
  if (QVTFddSimd::Level() >= QVTFddSimd::eSse41) return ReduceChunkSse41<tAlongY>(ioList, iCount, iPixels, iValid, iSortValues, ioState);
#endif
  return ReduceChunk<tAlongY>(ioList, iCount, iPixels, iValid, iSortValues, ioState);
}

// Moves the open entry, if any, into the list; false when the list cannot grow.
bool CloseOpenEntry(ReducedList& ioList, const ReductionState& iState, bool iAlongY) {
  if (!iState._HasOpen) return true;
  return iAlongY ? AppendAlong<true>(ioList, iState._OpenS0, iState._OpenV0, iState._OpenS1, iState._OpenV1)
                 : AppendAlong<false>(ioList, iState._OpenS0, iState._OpenV0, iState._OpenS1, iState._OpenV1);
}

// Pixel of a sample, computed the one way every path of the reduction computes it: data to model
// units by the maps, model to pixels by the viewpoint.
struct SamplePixel {
  const CAT2DViewpoint& _Viewpoint;
  const QVTFddMathLinearMap& _MapX;
  const QVTFddMathLinearMap& _MapY;
  float _Width, _Height, _ScaleA, _ScaleB;

  // False for a sample that is not a number (it leaves out both segments that touch it).
  bool Convert(double iX, double iY, float& oPixelX, float& oPixelY) const {
    const float lX = static_cast<float>(_MapX.Map(iX));
    const float lY = static_cast<float>(_MapY.Map(iY));
    if (std::isnan(lX) || std::isnan(lY)) return false;
    CATMathPoint2Df lPixel;
    _Viewpoint.ModelToPixel(CATMathPointf(ClampToModelLimit(lX), ClampToModelLimit(lY), 0.0f), lPixel, _Width, _Height,
                            _ScaleA, _ScaleB);
    oPixelX = lPixel.x;
    oPixelY = lPixel.y;
    return true;
  }
  // The rounded pixel column of a finite x.
  float Column(double iX) const {
    float lX = 0.0f, lY = 0.0f;
    Convert(iX, 0.0, lX, lY);
    return sPixelOf(lX);
  }
};

// The reduction along x of iCount samples whose x ascends and is finite, with columns that do not
// fall as x grows, run by run of samples in one pixel column. Its output is the sample-by-sample
// reduction's: the runs' ends are found by bisection, since the column grows with x; the first
// two samples of a run and its last go through the reduction one by one; the samples between
// them, when none is missing and the open entry lies in the column, each merge into that entry,
// so only their extremes matter, which are found with SIMD and converted (pixels grow or fall
// with y, so the extremes of y are those of the pixels). False when the list cannot grow.
bool ReduceAscendingX(ReducedList& ioList, const double* iX, const double* iY, size_t iCount,
                      const SamplePixel& iPixel, ReductionState& ioState) {
  ReductionState& s = ioState;
  auto lStep = [&](size_t i) {
    float lX = 0.0f, lY = 0.0f;
    if (!iPixel.Convert(iX[i], iY[i], lX, lY)) {
      s._PreviousValid = false;
      return true;
    }
    return Step<false>(ioList, sPixelOf(lX), sPixelOf(lY), iX[i], s);
  };
  for (size_t lFirst = 0; lFirst < iCount;) {
    const float lColumn = iPixel.Column(iX[lFirst]);
    // The run ends before the first sample of a later column: galloping, then bisection.
    size_t lIn = lFirst, lOut = lFirst + 1, lStride = 1;
    while (lOut < iCount && !(iPixel.Column(iX[lOut]) > lColumn)) {
      lIn = lOut;
      lStride *= 2;
      lOut = iCount - lFirst > lStride ? lFirst + lStride : iCount;
    }
    while (lOut - lIn > 1) {
      const size_t lMiddle = lIn + (lOut - lIn) / 2;
      (iPixel.Column(iX[lMiddle]) > lColumn ? lOut : lIn) = lMiddle;
    }
    const size_t lEnd = lOut;
    size_t k = lFirst;
    for (; k < lEnd && k < lFirst + 2; ++k)
      if (!lStep(k)) return false;
    const float lHigh = s._Low + 1.0f;
    const bool lMerging = s._PreviousValid && s._HasOpen && lColumn >= s._Low && lColumn < lHigh &&
                          s._OpenS0 >= s._Low && s._OpenS1 < lHigh;
    double lMinY = 0.0, lMaxY = 0.0;
    if (lMerging && k + 1 < lEnd && QVTFddSampleScan::Extremes(iY + k, lEnd - 1 - k, lMinY, lMaxY)) {
      float lX = 0.0f, lLowY = 0.0f, lHighY = 0.0f, lLastY = 0.0f;
      iPixel.Convert(iX[k], lMinY, lX, lLowY);
      iPixel.Convert(iX[k], lMaxY, lX, lHighY);
      iPixel.Convert(iX[lEnd - 2], iY[lEnd - 2], lX, lLastY);
      float lMin = s._OpenV0, lMax = s._OpenV0;
      for (float lValue : {s._OpenV1, sPixelOf(lLowY), sPixelOf(lHighY)}) {
        if (lValue < lMin) lMin = lValue;
        if (lValue > lMax) lMax = lValue;
      }
      s._OpenV0 = lMin;
      s._OpenV1 = lMax;
      s._OpenS1 = lColumn;
      s._PreviousS = lColumn;
      s._PreviousV = sPixelOf(lLastY);
      s._PreviousSort = iX[lEnd - 2];
      k = lEnd - 1;
    }
    for (; k < lEnd; ++k)
      if (!lStep(k)) return false;
    lFirst = lEnd;
  }
  return true;
}

}  // namespace

float QVTFdd2DCurveGP::PixelOf(float iPosition) { return sPixelOf(iPosition); }

QVTFdd2DCurveGP::QVTFdd2DCurveGP(const CATMathBox2D& iDataBox, const CATMathBox2D& iDisplayBox,
                                 eReduceAxis iReduceAxis, CATSamIVector* iXVector, CATSamIVector* iYVector)
    : _XVector(RefPtr<CATSamIVector>::Hold(iXVector)),
      _YVector(RefPtr<CATSamIVector>::Hold(iYVector)),
      _DataBox(iDataBox),
      _DisplayBox(iDisplayBox),
      _ReduceAxis(iReduceAxis),
      _PixelStep(0.0f),
      _Segments(nullptr, &std::free),
      _NbPoints(0) {}

QVTFdd2DCurveGP::QVTFdd2DCurveGP(QVTFdd2DCurveGP& iOther)
    : CATDynamicGP(iOther),
      _XVector(iOther._XVector),
      _YVector(iOther._YVector),
      _ReduceAxis(iOther._ReduceAxis),
      _PixelStep(0.0f),
      _Segments(nullptr, &std::free),
      _NbPoints(0) {}

QVTFdd2DCurveGP& QVTFdd2DCurveGP::operator=(QVTFdd2DCurveGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  return *this;
}

QVTFdd2DCurveGP::~QVTFdd2DCurveGP() = default;

void QVTFdd2DCurveGP::EmptyCache() {
  _Segments.reset();
  _NbPoints = 0;
}

void QVTFdd2DCurveGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport*) {
  const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
  if (!_XVector || !_YVector || !lViewpoint) return;
  float lParameter1, lParameter2, lParameter3, lParameter4;
  iRender.GetViewportParameters(lParameter1, lParameter2, lParameter3, lParameter4);

  // The zoom is keyed by the model length of one pixel step along the reduction axis.
  const bool lAlongX = _ReduceAxis != ReduceAlongY;
  CATMathPoint2D lModel0, lModel1;
  lViewpoint->ComputeModelFromPixel(0.0f, 0.0f, lModel0, lParameter1, lParameter2, lParameter4, lParameter3);
  lViewpoint->ComputeModelFromPixel(lAlongX ? 1.0f : 0.0f, lAlongX ? 0.0f : 1.0f, lModel1, lParameter1, lParameter2,
                                    lParameter4, lParameter3);
  const float lStep = static_cast<float>(lModel0.DistanceTo(lModel1));

  // Only an ordered equality hits: a NaN step recomputes rather than freezing the cache.
  if (!(_Segments && lStep == _PixelStep)) {
    EmptyCache();
    _PixelStep = lStep;
    ComputeSegments(*lViewpoint, lParameter1, lParameter2, lParameter4, lParameter3);
  }
  if (_Segments && _NbPoints != 0) iRender.ImmediateDraw2DLine(_Segments.get(), _NbPoints, 0, 1);
}

void QVTFdd2DCurveGP::ComputeSegments(const CAT2DViewpoint& iViewpoint, float iWidth, float iHeight, float iScaleA,
                                      float iScaleB) {
  // A y (or sort) vector shorter than the x vector limits the samples: nothing is read past either.
  const unsigned int lLengthX = _XVector->GetLength(), lLengthY = _YVector->GetLength();
  const unsigned int lNbSamples = lLengthX < lLengthY ? lLengthX : lLengthY;
  if (lNbSamples == 0) return;

  const QVTFddMathLinearMap lMapX(_DataBox.GetLow().GetX(), _DataBox.GetHigh().GetX(), _DisplayBox.GetLow().GetX(),
                                  _DisplayBox.GetHigh().GetX());
  const QVTFddMathLinearMap lMapY(_DataBox.GetLow().GetY(), _DataBox.GetHigh().GetY(), _DisplayBox.GetLow().GetY(),
                                  _DisplayBox.GetHigh().GetY());
  // A data box of zero width or height (or with a coordinate that is not finite) maps onto no
  // curve: nothing is drawn and nothing cached.
  if (!lMapX.IsValid() || !lMapY.IsValid()) return;

  const size_t lNbSegments = lNbSamples - 1;
  ReducedList lList = {FloatBuffer(nullptr, &std::free), 0, 0, 0};
  lList._Limit = lNbSegments < kMaxSegments ? lNbSegments : kMaxSegments;
  // At least one entry, so that a computed cache is never null even when it holds no segment.
  lList._Capacity = lList._Limit < kFirstCapacity ? (lList._Limit > 0 ? lList._Limit : 1) : kFirstCapacity;
  if (!Resize(lList._Entries, lList._Capacity * 4)) return;

  const SamplePixel lSamplePixel = {iViewpoint, lMapX, lMapY, iWidth, iHeight, iScaleA, iScaleB};
  const QVTFddVectorReader lXReader(*_XVector), lYReader(*_YVector);
  ReductionState lState = {0.0f, 0.0f, 0.0, false, false, 0.0f, false, 0.0f, 0.0f, 0.0f, 0.0f};
  // Samples in memory with x ascending and finite (as its ends are then), through the plain viewpoint (whose pixel x follows model x
  // alone), take the run-by-run reduction when their columns do not fall.
  const double* lDirectX = lXReader.Direct();
  const double* lDirectY = lYReader.Direct();
  if (_ReduceAxis == ReduceAlongX && lDirectX && lDirectY && typeid(iViewpoint) == typeid(CAT2DViewpoint) &&
      QVTFddSampleScan::IsAscending(lDirectX, lNbSamples) && std::isfinite(lDirectX[0]) &&
      std::isfinite(lDirectX[lNbSamples - 1]) &&
      lSamplePixel.Column(lDirectX[0]) <= lSamplePixel.Column(lDirectX[lNbSamples - 1])) {
    if (!ReduceAscendingX(lList, lDirectX, lDirectY, lNbSamples, lSamplePixel, lState)) return;
  } else {
    // Segments in pixel space, each fed to the reduction as soon as it is made. Each sample is
    // converted once and serves the segments on both its sides. The conversions of a chunk run
    // first, apart from the reduction, so that the reduction's state stays in registers.
    double lXBuffer[kChunk], lYBuffer[kChunk];
    float lPixels[2 * kChunk];
    bool lValid[kChunk];
    unsigned int lCount = 0;
    for (unsigned int lFirst = 0; lFirst < lNbSamples; lFirst += lCount) {
      lCount = lNbSamples - lFirst < kChunk ? lNbSamples - lFirst : kChunk;
      const double* lXValues = lXReader.Read(lFirst, lCount, lXBuffer);
      const double* lYValues = lYReader.Read(lFirst, lCount, lYBuffer);
      const double* lSortValues = _ReduceAxis == ReduceAlongY ? lYValues : lXValues;
      for (unsigned int i = 0; i < lCount; ++i)
        lValid[i] = lSamplePixel.Convert(lXValues[i], lYValues[i], lPixels[2 * i], lPixels[2 * i + 1]);
      const bool lReduced = _ReduceAxis == ReduceAlongY
                                ? Reduce<true>(lList, lCount, lPixels, lValid, lSortValues, lState)
                                : Reduce<false>(lList, lCount, lPixels, lValid, lSortValues, lState);
      if (!lReduced) return;
    }
  }
  if (!CloseOpenEntry(lList, lState, _ReduceAxis == ReduceAlongY)) return;

  // Back to model coordinates at the centres of the pixels the samples lie in, clipped to the
  // display box, in place.
  CATMathPoint2Df lBox0, lBox1;
  iViewpoint.ModelToPixel(CATMathPointf(static_cast<float>(_DisplayBox.GetLow().GetX()),
                                        static_cast<float>(_DisplayBox.GetLow().GetY()), 0.0f),
                          lBox0, iWidth, iHeight, iScaleA, iScaleB);
  iViewpoint.ModelToPixel(CATMathPointf(static_cast<float>(_DisplayBox.GetHigh().GetX()),
                                        static_cast<float>(_DisplayBox.GetHigh().GetY()), 0.0f),
                          lBox1, iWidth, iHeight, iScaleA, iScaleB);
  auto lCentre = [&](float iX, float iY) {
    return CATMathPoint2Df(InsideCentre(iX + 0.5f, lBox0.x, lBox1.x), InsideCentre(iY + 0.5f, lBox0.y, lBox1.y));
  };
  QVTFddMathClipLines lClipper(_DisplayBox);
  int lNbVisible = 0;
  for (size_t i = 0; i < lList._Count; ++i) {
    float* lEntry = lList._Entries.get() + 4 * i;
    CATMathPoint2Df lStart, lEnd;
    iViewpoint.PixelToModel(lCentre(lEntry[0], lEntry[1]), lStart, iWidth, iHeight, iScaleA, iScaleB);
    iViewpoint.PixelToModel(lCentre(lEntry[2], lEntry[3]), lEnd, iWidth, iHeight, iScaleA, iScaleB);
    lEntry[0] = lStart.x;
    lEntry[1] = lStart.y;
    lEntry[2] = lEnd.x;
    lEntry[3] = lEnd.y;
    lClipper.Clip(lEntry, lList._Entries.get(), lNbVisible);
  }
  // Failing to shrink keeps the larger block.
  if (lNbVisible > 0 && static_cast<size_t>(lNbVisible) < lList._Capacity)
    Resize(lList._Entries, size_t(lNbVisible) * 4);
  _Segments = std::move(lList._Entries);
  _NbPoints = 2 * lNbVisible;
}
