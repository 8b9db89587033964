#include "QVTFddSharedTiles.h"

#include <exception>
#include <new>
#include <utility>

QVTFddSharedTiles::~QVTFddSharedTiles() {
  _Stop.store(true, std::memory_order_relaxed);
  if (_Worker.joinable()) _Worker.join();
}

int QVTFddSharedTiles::Start(int iTiles, int iSlots, int iThreads, Compute iCompute) {
  _Tiles = iTiles > 0 ? iTiles : 0;
  _Slots = iSlots > 1 ? iSlots : 1;
  _Compute = std::move(iCompute);
  _Done.reset(new (std::nothrow) std::atomic<bool>[static_cast<size_t>(_Tiles) + 1]);
  if (!_Done) return 0;
  for (int t = 0; t < _Tiles; ++t) _Done[t].store(false, std::memory_order_relaxed);
  if (iThreads < 2 || _Tiles < 2 || _Slots < 2) return 1;
  try {
    _Worker = std::thread([this] {
      while (!_Stop.load(std::memory_order_relaxed) && _Next.load(std::memory_order_relaxed) < _Tiles)
        if (!ComputeNext(1)) std::this_thread::yield();
    });
  } catch (const std::exception&) {
    // No second thread: the caller computes every tile.
  }
  return 1;
}

bool QVTFddSharedTiles::ComputeNext(int iThread) {
  int t = _Next.load(std::memory_order_relaxed);
  // The slot's last tile must be finished by the caller, which implies it was done.
  while (t < _Tiles && t < _Finished.load(std::memory_order_acquire) + _Slots) {
    if (!_Next.compare_exchange_weak(t, t + 1, std::memory_order_relaxed)) continue;
    _Compute(t, iThread);
    _Done[t].store(true, std::memory_order_release);
    return true;
  }
  return false;
}

void QVTFddSharedTiles::Take(int iTile) {
  if (iTile < 0 || iTile >= _Tiles) return;
  while (!_Done[iTile].load(std::memory_order_acquire))
    if (!ComputeNext(0)) std::this_thread::yield();
}
