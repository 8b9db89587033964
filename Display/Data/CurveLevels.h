// Levels of detail of a curve y(x) whose x values ascend (repeats allowed): for blocks of 2^k
// samples, k = FirstLevel() and up, the samples that hold the block's smallest and largest y, and
// whether y has gaps (NaN) in the block. A block's first and last samples are its ends, so they are
// not stored. With them a view picks, for every pixel column, the few samples that give the curve
// primitive's reduction exactly the picture of all samples (see LevelCurveGP). Eight bytes per 16
// samples on the finest level, about 1/16 of two vectors of doubles in all.
// Beside them, for blocks of 2^k samples, k = kStatsFirst and up, each block's RangeStats (count,
// extremes, compensated sums of y and y^2, gaps left out): the statistics of any range of samples
// then come from O(log n) blocks and two partial ends of fewer than 2^kStatsFirst samples each,
// exact at any length (about 0.44 bytes per sample).
//
// Built off the caller's thread (Start), cancelled by Cancel or by the destructor; until it is
// ready it is not read. Holds one reference on each vector; indices are sample numbers.
#ifndef CurveLevels_H
#define CurveLevels_H

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "RangeStats.h"
#include "RefPtr.h"

class CATSamIVector;

class CurveLevels {
 public:
  enum eState { eIdle, eBuilding, eReady, eCancelled, eUnsorted, eNoMemory };
  // Block summaries: a valid block holds the samples of its extremes; these two mark blocks
  // whose y values are all gaps or partly gaps.
  static const uint32_t kAllGaps = 0xFFFFFFFFu;
  static const uint32_t kSomeGaps = 0xFFFFFFFEu;

  CurveLevels(CATSamIVector* iX, CATSamIVector* iY);
  ~CurveLevels();
  CurveLevels(const CurveLevels&) = delete;
  CurveLevels& operator=(const CurveLevels&) = delete;

  // Starts the build on a thread of its own (once); false when no thread could be started.
  bool Start();
  // Asks the build to stop; it ends in eCancelled soon after.
  void Cancel() { _Cancel.store(true, std::memory_order_relaxed); }
  // Waits for the build's end and returns its state.
  eState Wait();
  eState GetState() const { return _State.load(std::memory_order_acquire); }
  bool IsReady() const { return GetState() == eReady; }
  // Fraction of the samples read so far, 0 .. 1.
  double GetProgress() const;

  CATSamIVector* GetX() const { return _X.Get(); }
  CATSamIVector* GetY() const { return _Y.Get(); }
  unsigned int GetLength() const { return _Length; }
  // When ready: levels FirstLevel() .. FirstLevel() + GetNbLevels() - 1; block j of level k covers
  // the samples j 2^k .. (j + 1) 2^k - 1 (the last one of a level may be shorter).
  static int FirstLevel() { return kFirst; }
  int GetNbLevels() const { return static_cast<int>(_Min.size()); }
  uint32_t GetMin(int iLevel, size_t iBlock) const { return _Min[size_t(iLevel - kFirst)][iBlock]; }
  uint32_t GetMax(int iLevel, size_t iBlock) const { return _Max[size_t(iLevel - kFirst)][iBlock]; }
  // Bytes the levels take.
  size_t GetMemory() const;

  // When ready: the statistics of y over the samples iFirst .. iEnd - 1 (clipped to the curve).
  RangeStats GetStats(size_t iFirst, size_t iEnd) const;
  // The first sample whose x is at or beyond iX (GetLength() when none), and the first beyond it.
  // Bisections of x, which a ready curve has checked ascending.
  size_t FirstAtOrAfter(double iX) const;
  size_t FirstAfter(double iX) const;
  // The statistics of y over the samples whose x lies in [iX0, iX1].
  RangeStats GetStatsOver(double iX0, double iX1) const;

 private:
  static const int kFirst = 4;
  static const int kStatsFirst = 8;
  // The level whose blocks are the samples read at once.
  static const size_t kChunkLevel = 12;
  void Run();
  eState Build();
  // Reads the samples chunk by chunk and makes the levels up to the chunk's size.
  eState BuildChunks();
  // Block iBlock of level FirstLevel() + iLevel from its two halves one level below, whose y
  // values iValueOf gives.
  template <class tValueOf>
  void Combine(size_t iLevel, size_t iBlock, const tValueOf& iValueOf);
  // The statistics of blocks of 2^kStatsFirst samples of a chunk read at sample iFirst, then
  // (BuildStats) of every level above.
  void ChunkStats(unsigned int iFirst, unsigned int iCount, const double* iY);
  void BuildStats();
  // Takes the samples iFirst .. iEnd - 1 into ioStats one by one.
  void AddSamples(size_t iFirst, size_t iEnd, RangeStats& ioStats) const;
  // Bisection of x: the first sample for which iBeyond(x) holds.
  template <class tBeyond>
  size_t FirstWhere(const tBeyond& iBeyond) const;

  RefPtr<CATSamIVector> _X;
  RefPtr<CATSamIVector> _Y;
  unsigned int _Length;
  std::vector<std::vector<uint32_t>> _Min;
  std::vector<std::vector<uint32_t>> _Max;
  std::vector<std::vector<RangeStats>> _Stats;
  std::atomic<bool> _Cancel{false};
  std::atomic<eState> _State{eIdle};
  std::atomic<unsigned int> _Done{0};
  std::thread _Thread;
};

#endif
