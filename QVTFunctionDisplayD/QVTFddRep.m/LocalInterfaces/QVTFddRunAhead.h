// Items of an image (tiles of columns, rows) computed by the calling thread and one helper thread
// while the caller takes them in order (0, 1, 2, ...) to finish them alone: colours, progress,
// cancel, anything that talks to the host. Item i is computed into slot i % Slots() of the
// caller's buffers, so the helper runs at most that many items ahead; the slot is reused once the
// caller has released the item that held it and that item is done. Each thread has its own
// scratch of type TScratch (search hints, a reduction buffer), which the caller sets up through
// Scratch() before Start.
//
// Whether the caller may wait is the policy TCallerWaits. A waiting caller whose item is being
// computed by the helper waits for it (short items: waiting costs less than computing twice). A
// caller that never waits computes its item itself meanwhile, into the spare slot Slots(), so
// that a machine whose cores are busy elsewhere costs no more than one thread. Either way a caller
// with nothing to wait for computes the next items that may be claimed. Without a helper the
// caller computes every item: the same results.
//
// Borrows nothing; owns its thread, which has ended when the object is gone. The slots and all
// that Compute reads must outlive the queue (be made before it): the helper may still be writing
// an item that the caller, who never waits, computed itself and has already used.
#ifndef QVTFddRunAhead_H
#define QVTFddRunAhead_H

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <thread>

template <class TScratch, bool TCallerWaits>
class QVTFddRunAhead {
 public:
  // Computes item iItem into slot iSlot with the thread's scratch. Called from both threads at
  // once for different items: it must only read shared data and write the slot and the scratch.
  typedef std::function<void(int iItem, int iSlot, TScratch& ioScratch)> Compute;

  explicit QVTFddRunAhead(int iSlots) : _Slots(iSlots > 1 ? iSlots : 1) {}
  ~QVTFddRunAhead() { Stop(); }
  QVTFddRunAhead(const QVTFddRunAhead&) = delete;
  QVTFddRunAhead& operator=(const QVTFddRunAhead&) = delete;

  // The slots the caller provides: Slots(), and one more when the caller never waits.
  int Slots() const { return _Slots; }
  // The scratch of thread iThread (0 the caller, 1 the helper).
  TScratch& Scratch(int iThread) { return _Scratch[iThread ? 1 : 0]; }

  // Prepares iItems items and starts the helper when iThreads is 2; false when memory runs out
  // (nothing is started).
  bool Start(int iItems, int iThreads, Compute iCompute) {
    _Items = iItems > 0 ? iItems : 0;
    _Compute = std::move(iCompute);
    _State.reset(new (std::nothrow) std::atomic<char>[static_cast<size_t>(_Items) + 1]);
    _Busy.reset(new (std::nothrow) std::atomic<bool>[static_cast<size_t>(_Slots)]);
    if (!_State || !_Busy) return false;
    for (int i = 0; i < _Items; ++i) _State[i].store(kUndone, std::memory_order_relaxed);
    for (int s = 0; s < _Slots; ++s) _Busy[s].store(false, std::memory_order_relaxed);
    if (iThreads < 2 || _Items < 2 || _Slots < 2) return true;
    try {
      _Helper = std::thread([this] { Help(); });
    } catch (const std::exception&) {
      // No helper: the caller computes every item.
    }
    return true;
  }

  // The slot that holds item iItem, the one after the last released, once it is computed.
  int Take(int iItem) {
    if (iItem < 0 || iItem >= _Items) return 0;
    while (_State[iItem].load(std::memory_order_acquire) != kInSlot) {
      int i = 0;
      if (Claim(i)) {
        ComputeInSlot(i, _Scratch[0]);
        continue;
      }
      if (TCallerWaits) {
        std::this_thread::yield();
        continue;
      }
      // No item may be started: this one is computed here, taken from the helper when that one
      // has it, or while its slot is still busy.
      int lNext = iItem;
      if (_Next.load(std::memory_order_relaxed) == iItem) _Next.compare_exchange_strong(lNext, iItem + 1);
      _Compute(iItem, _Slots, _Scratch[0]);
      char lUndone = kUndone;
      // Marked done without a slot unless the helper has claimed it meanwhile; that one then marks
      // it done when it has finished writing the slot.
      _State[iItem].compare_exchange_strong(lUndone, kWithoutSlot, std::memory_order_acq_rel);
      return _Slots;
    }
    return iItem % _Slots;
  }
  // The caller is done with item iItem: its slot may take the item Slots() later.
  void Release(int iItem) { _Released.store(iItem + 1, std::memory_order_release); }
  // Ends the helper once its item is done; items not yet taken stay uncomputed.
  void Stop() {
    _Stop.store(true, std::memory_order_relaxed);
    if (_Helper.joinable()) _Helper.join();
  }

 private:
  // The states of an item. A slot is free again only once its last item is in the slot or done
  // without it: an item the caller finished without the slot may still be written into the slot
  // by the helper that claimed it.
  static constexpr char kUndone = 0, kInSlot = 1, kWithoutSlot = 2, kComputing = 3;

  // Takes the next item if its slot is free; false when none may be taken now.
  bool Claim(int& oItem) {
    const int lLimit = _Released.load(std::memory_order_acquire) + _Slots;
    int i = _Next.load(std::memory_order_relaxed);
    while (i < _Items && i < lLimit && (i < _Slots || SlotFree(i - _Slots))) {
      if (!_Next.compare_exchange_weak(i, i + 1, std::memory_order_relaxed)) continue;
      // The slot's earlier item may have been done without it while the helper still writes an
      // item before that into it: the slot is taken only when no one writes it. An item passed
      // over so is left undone, for the caller, who never waits, to compute without a slot.
      std::atomic<bool>& lBusy = _Busy[i % _Slots];
      bool lFree = false;
      if (lBusy.compare_exchange_strong(lFree, true, std::memory_order_acq_rel)) {
        // The caller may have computed the item without a slot meanwhile: the slot then stays unused.
        char lUndone = kUndone;
        if (_State[i].compare_exchange_strong(lUndone, kComputing, std::memory_order_acq_rel)) {
          oItem = i;
          return true;
        }
        lBusy.store(false, std::memory_order_release);
      }
      ++i;
    }
    return false;
  }
  bool SlotFree(int iItem) const {
    const char lState = _State[iItem].load(std::memory_order_acquire);
    return lState == kInSlot || lState == kWithoutSlot;
  }
  void ComputeInSlot(int iItem, TScratch& ioScratch) {
    _Compute(iItem, iItem % _Slots, ioScratch);
    // The slot is free before the item is published: whoever sees the item done may take the slot.
    _Busy[iItem % _Slots].store(false, std::memory_order_release);
    _State[iItem].store(kInSlot, std::memory_order_release);
  }
  void Help() {
    while (!_Stop.load(std::memory_order_relaxed)) {
      int i = 0;
      if (Claim(i))
        ComputeInSlot(i, _Scratch[1]);
      else if (_Next.load(std::memory_order_relaxed) >= _Items)
        return;
      else
        std::this_thread::yield();
    }
  }

  const int _Slots;
  int _Items = 0;
  Compute _Compute;
  TScratch _Scratch[2] = {};
  std::unique_ptr<std::atomic<char>[]> _State;
  // Per slot: an item is being written into it.
  std::unique_ptr<std::atomic<bool>[]> _Busy;
  std::atomic<int> _Next{0}, _Released{0};
  std::atomic<bool> _Stop{false};
  std::thread _Helper;
};

#endif
