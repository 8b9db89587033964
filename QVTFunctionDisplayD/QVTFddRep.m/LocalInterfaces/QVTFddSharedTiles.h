// Tiles of an image computed by the calling thread and a second one, while the caller takes them
// in order (0, 1, 2, ...) to finish them alone (colours and anything else that talks to the host).
// Tiles are computed into a few slots, tile t into slot t % slots, so the second thread runs at
// most that many tiles ahead of the caller. Each tile is computed once, by whichever thread claims
// it first; a caller whose next tile is not done computes the next one that may be claimed
// meanwhile, and waits only when none may be and its own is being computed by the other thread.
// Without a second thread the caller computes each tile as it takes it.
// Borrows nothing; owns its thread, which has ended when the object is gone.
#ifndef QVTFddSharedTiles_H
#define QVTFddSharedTiles_H

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

class QVTFddSharedTiles {
 public:
  // Computes tile iTile into slot iTile % GetSlots() on thread iThread (0 the caller, 1 the second
  // one). Called from both threads at once for different tiles: it must only read shared data and
  // write the slot and the thread's own scratch.
  typedef std::function<void(int iTile, int iThread)> Compute;

  QVTFddSharedTiles() = default;
  ~QVTFddSharedTiles();

  // Prepares iTiles tiles in iSlots slots (at least one) and starts the second thread when
  // iThreads is 2 and there is more than one slot; 0 when memory runs out (nothing is started).
  int Start(int iTiles, int iSlots, int iThreads, Compute iCompute);
  int GetSlots() const { return _Slots; }
  // Returns once tile iTile, the one after the last finished, is computed in its slot.
  void Take(int iTile);
  // The caller is done with tile iTile: its slot may take the tile GetSlots() later.
  void Finish(int iTile) { _Finished.store(iTile + 1, std::memory_order_release); }

 private:
  QVTFddSharedTiles(const QVTFddSharedTiles&) = delete;
  QVTFddSharedTiles& operator=(const QVTFddSharedTiles&) = delete;

  // Computes the next tile on iThread when its slot is free; false when none may be claimed now.
  bool ComputeNext(int iThread);

  int _Tiles = 0, _Slots = 1;
  Compute _Compute;
  std::unique_ptr<std::atomic<bool>[]> _Done;
  std::atomic<int> _Next{0}, _Finished{0};
  std::atomic<bool> _Stop{false};
  std::thread _Worker;
};

#endif
