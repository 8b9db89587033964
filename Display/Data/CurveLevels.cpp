#include "CurveLevels.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <exception>

#include "CATSamIVector.h"

namespace {

// Samples read per bulk read: a whole number of finest blocks, 2^CurveLevels::kChunkLevel.
const unsigned int kChunk = 4096;

unsigned int ShorterLength(const CATSamIVector* iX, const CATSamIVector* iY) {
  if (!iX || !iY) return 0;
  const unsigned int lX = iX->GetLength(), lY = iY->GetLength();
  return lX < lY ? lX : lY;
}

}  // namespace

CurveLevels::CurveLevels(CATSamIVector* iX, CATSamIVector* iY)
    : _X(RefPtr<CATSamIVector>::Hold(iX)), _Y(RefPtr<CATSamIVector>::Hold(iY)), _Length(ShorterLength(iX, iY)) {}

CurveLevels::~CurveLevels() {
  Cancel();
  Wait();
}

bool CurveLevels::Start() {
  eState lIdle = eIdle;
  if (!_State.compare_exchange_strong(lIdle, eBuilding)) return true;
  try {
    _Thread = std::thread(&CurveLevels::Run, this);
  } catch (const std::exception&) {  // no thread, or no memory for its start
    _State.store(eCancelled, std::memory_order_release);
    return false;
  }
  return true;
}

CurveLevels::eState CurveLevels::Wait() {
  if (_Thread.joinable()) _Thread.join();
  return GetState();
}

double CurveLevels::GetProgress() const {
  if (IsReady()) return 1.0;
  return _Length == 0 ? 0.0 : double(_Done.load(std::memory_order_relaxed)) / double(_Length);
}

size_t CurveLevels::GetMemory() const {
  size_t lBytes = 0;
  for (size_t k = 0; k < _Min.size(); ++k) lBytes += (_Min[k].size() + _Max[k].size()) * sizeof(uint32_t);
  for (const auto& lLevel : _Stats) lBytes += lLevel.size() * sizeof(RangeStats);
  return lBytes;
}

void CurveLevels::Run() { _State.store(Build(), std::memory_order_release); }

CurveLevels::eState CurveLevels::Build() {
  // Indices at the top of the range mark gaps; such a curve is drawn from all its samples.
  if (!_X || !_Y || _Length >= kSomeGaps) return eUnsorted;
  try {
    // Every level exists at once, down to one block; the levels of blocks up to a chunk are made
    // while the chunk's values are at hand, the others from the values they name.
    for (int k = kFirst;; ++k) {
      const size_t lNbBlocks = (size_t(_Length) + (size_t(1) << k) - 1) >> k;
      _Min.emplace_back(lNbBlocks);
      _Max.emplace_back(lNbBlocks);
      if (lNbBlocks <= 1) break;
    }
    for (int k = kStatsFirst;; ++k) {
      const size_t lNbBlocks = (size_t(_Length) + (size_t(1) << k) - 1) >> k;
      _Stats.emplace_back(lNbBlocks);
      if (lNbBlocks <= 1) break;
    }
    const eState lFirst = BuildChunks();
    if (lFirst != eReady) return lFirst;
    const CATSamIVector& lY = *_Y;
    for (size_t k = kChunkLevel - kFirst + 1; k < _Min.size(); ++k) {
      if (_Cancel.load(std::memory_order_relaxed)) return eCancelled;
      for (size_t j = 0; j < _Min[k].size(); ++j) Combine(k, j, [&](uint32_t i) { return lY.GetValue(i); });
    }
    BuildStats();
  } catch (const std::bad_alloc&) {
    _Min.clear();
    _Max.clear();
    _Stats.clear();
    return eNoMemory;
  }
  return eReady;
}

CurveLevels::eState CurveLevels::BuildChunks() {
  const unsigned int lBlock = 1u << kFirst;
  uint32_t* lMin = _Min[0].data();
  uint32_t* lMax = _Max[0].data();
  std::vector<double> lX(kChunk), lY(kChunk);
  double lPrevious = -INFINITY;
  for (unsigned int lFirst = 0; lFirst < _Length; lFirst += kChunk) {
    if (_Cancel.load(std::memory_order_relaxed)) return eCancelled;
    const unsigned int lCount = _Length - lFirst < kChunk ? _Length - lFirst : kChunk;
    if (_X->GetValues(lFirst, lCount, lX.data()) != lCount || _Y->GetValues(lFirst, lCount, lY.data()) != lCount)
      return eUnsorted;
    // Ascending x without gaps: the samples of a pixel column are then one index range.
    bool lSorted = lX[0] >= lPrevious;
    for (unsigned int i = 1; i < lCount; ++i) lSorted &= lX[i] >= lX[i - 1];
    if (!lSorted) return eUnsorted;
    lPrevious = lX[lCount - 1];
    for (unsigned int lStart = 0; lStart < lCount; lStart += lBlock) {
      const unsigned int lEnd = lCount - lStart < lBlock ? lCount : lStart + lBlock;
      unsigned int lLow = lEnd, lHigh = lEnd, lGaps = 0;
      for (unsigned int i = lStart; i < lEnd; ++i) {
        const double lValue = lY[i];
        if (std::isnan(lValue)) {
          ++lGaps;
        } else if (lLow == lEnd) {
          lLow = lHigh = i;
        } else {
          if (lValue < lY[lLow]) lLow = i;
          if (lValue > lY[lHigh]) lHigh = i;
        }
      }
      const size_t lIndex = (lFirst + lStart) >> kFirst;
      if (lGaps == 0) {
        lMin[lIndex] = lFirst + lLow;
        lMax[lIndex] = lFirst + lHigh;
      } else {
        lMin[lIndex] = lMax[lIndex] = lGaps == lEnd - lStart ? kAllGaps : kSomeGaps;
      }
    }
    // The chunk is a whole number of blocks of the levels up to its own size.
    const double* lValues = lY.data();
    for (size_t k = 1; k <= kChunkLevel - kFirst && k < _Min.size(); ++k) {
      const size_t lLast = (size_t(lFirst) + lCount - 1) >> (k + kFirst);
      for (size_t j = size_t(lFirst) >> (k + kFirst); j <= lLast; ++j)
        Combine(k, j, [&](uint32_t i) { return lValues[i - lFirst]; });
    }
    ChunkStats(lFirst, lCount, lY.data());
    _Done.store(lFirst + lCount, std::memory_order_relaxed);
  }
  return eReady;
}

template <class tValueOf>
void CurveLevels::Combine(size_t iLevel, size_t iBlock, const tValueOf& iValueOf) {
  const std::vector<uint32_t>& lLowerMin = _Min[iLevel - 1];
  const std::vector<uint32_t>& lLowerMax = _Max[iLevel - 1];
  const size_t lLeft = 2 * iBlock, lRight = 2 * iBlock + 1;
  uint32_t& oMin = _Min[iLevel][iBlock];
  uint32_t& oMax = _Max[iLevel][iBlock];
  if (lRight >= lLowerMin.size()) {
    oMin = lLowerMin[lLeft];
    oMax = lLowerMax[lLeft];
  } else if (lLowerMin[lLeft] >= kSomeGaps || lLowerMin[lRight] >= kSomeGaps) {
    const bool lAll = lLowerMin[lLeft] == kAllGaps && lLowerMin[lRight] == kAllGaps;
    oMin = oMax = lAll ? kAllGaps : kSomeGaps;
  } else {
    // Ties keep the earlier sample, as within a block.
    oMin = iValueOf(lLowerMin[lRight]) < iValueOf(lLowerMin[lLeft]) ? lLowerMin[lRight] : lLowerMin[lLeft];
    oMax = iValueOf(lLowerMax[lRight]) > iValueOf(lLowerMax[lLeft]) ? lLowerMax[lRight] : lLowerMax[lLeft];
  }
}

void CurveLevels::ChunkStats(unsigned int iFirst, unsigned int iCount, const double* iY) {
  // A chunk is a whole number of statistics blocks (but the curve's last).
  const unsigned int lBlock = 1u << kStatsFirst;
  for (unsigned int lStart = 0; lStart < iCount; lStart += lBlock) {
    const unsigned int lEnd = iCount - lStart < lBlock ? iCount : lStart + lBlock;
    RangeStats& oStats = _Stats[0][(iFirst + lStart) >> kStatsFirst];
    for (unsigned int i = lStart; i < lEnd; ++i) oStats.Add(iY[i]);
  }
}

void CurveLevels::BuildStats() {
  for (size_t k = 1; k < _Stats.size(); ++k) {
    const std::vector<RangeStats>& lLower = _Stats[k - 1];
    for (size_t j = 0; j < _Stats[k].size(); ++j) {
      RangeStats& oStats = _Stats[k][j];
      oStats = lLower[2 * j];
      if (2 * j + 1 < lLower.size()) oStats.Merge(lLower[2 * j + 1]);
    }
  }
}

void CurveLevels::AddSamples(size_t iFirst, size_t iEnd, RangeStats& ioStats) const {
  double lValues[256];
  while (iFirst < iEnd) {
    const unsigned int lCount = static_cast<unsigned int>(std::min<size_t>(iEnd - iFirst, 256));
    const unsigned int lRead = _Y->GetValues(static_cast<unsigned int>(iFirst), lCount, lValues);
    if (lRead == 0) return;
    for (unsigned int i = 0; i < lRead; ++i) ioStats.Add(lValues[i]);
    iFirst += lRead;
  }
}

RangeStats CurveLevels::GetStats(size_t iFirst, size_t iEnd) const {
  RangeStats lStats;
  iEnd = std::min<size_t>(iEnd, _Length);
  if (!IsReady() || iFirst >= iEnd) return lStats;
  // The whole blocks within the range, and the samples of its two ends outside them.
  const size_t lBlock = size_t(1) << kStatsFirst;
  size_t lLeft = (iFirst + lBlock - 1) >> kStatsFirst, lRight = iEnd >> kStatsFirst;
  if (lLeft >= lRight) {
    AddSamples(iFirst, iEnd, lStats);
    return lStats;
  }
  AddSamples(iFirst, lLeft * lBlock, lStats);
  AddSamples(lRight * lBlock, iEnd, lStats);
  // Up the levels: a block that is its parent's right half (left end) or left half (right end)
  // is taken whole; the rest is covered by parents.
  for (size_t k = 0; lLeft < lRight && k < _Stats.size(); ++k) {
    if (lLeft & 1) lStats.Merge(_Stats[k][lLeft++]);
    if (lRight & 1) lStats.Merge(_Stats[k][--lRight]);
    lLeft >>= 1;
    lRight >>= 1;
  }
  return lStats;
}

template <class tBeyond>
size_t CurveLevels::FirstWhere(const tBeyond& iBeyond) const {
  size_t lLow = 0, lHigh = _Length;
  while (lLow < lHigh) {
    const size_t lMiddle = lLow + (lHigh - lLow) / 2;
    if (iBeyond(_X->GetValue(static_cast<unsigned int>(lMiddle))))
      lHigh = lMiddle;
    else
      lLow = lMiddle + 1;
  }
  return lLow;
}

size_t CurveLevels::FirstAtOrAfter(double iX) const {
  return FirstWhere([iX](double iValue) { return iValue >= iX; });
}

size_t CurveLevels::FirstAfter(double iX) const {
  return FirstWhere([iX](double iValue) { return iValue > iX; });
}

RangeStats CurveLevels::GetStatsOver(double iX0, double iX1) const {
  if (!IsReady() || !(iX0 <= iX1)) return RangeStats();
  return GetStats(FirstAtOrAfter(iX0), FirstAfter(iX1));
}
