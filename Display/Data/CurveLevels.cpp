#include "CurveLevels.h"

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
    const eState lFirst = BuildChunks();
    if (lFirst != eReady) return lFirst;
    const CATSamIVector& lY = *_Y;
    for (size_t k = kChunkLevel - kFirst + 1; k < _Min.size(); ++k) {
      if (_Cancel.load(std::memory_order_relaxed)) return eCancelled;
      for (size_t j = 0; j < _Min[k].size(); ++j) Combine(k, j, [&](uint32_t i) { return lY.GetValue(i); });
    }
  } catch (const std::bad_alloc&) {
    _Min.clear();
    _Max.clear();
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
