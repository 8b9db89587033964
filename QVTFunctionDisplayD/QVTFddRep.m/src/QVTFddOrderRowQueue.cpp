#include "QVTFddOrderRowQueue.h"

#include <exception>
#include <new>
#include <utility>

namespace {

// Rows the second thread may run ahead of the caller.
constexpr int kSlots = 16;
// The states of a row.
constexpr char kUndone = 0, kInSlot = 1, kWithoutSlot = 2, kComputing = 3;

}  // namespace

QVTFddOrderRowQueue::QVTFddOrderRowQueue() : _Rows(0), _Width(0), _Slots(kSlots), _Next(0), _Released(0), _Stop(false) {}

QVTFddOrderRowQueue::~QVTFddOrderRowQueue() { Stop(); }

int QVTFddOrderRowQueue::Start(int iRows, int iWidth, int iTableRows, int iThreads, Compute iCompute) {
  _Rows = iRows;
  _Width = iWidth;
  _Compute = std::move(iCompute);
  const size_t lValues = static_cast<size_t>(_Slots) * static_cast<size_t>(iWidth);
  _Values.reset(new (std::nothrow) double[lValues]);
  _Found.reset(new (std::nothrow) unsigned char[lValues]);
  _OwnValues.reset(new (std::nothrow) double[static_cast<size_t>(iWidth)]);
  _OwnFound.reset(new (std::nothrow) unsigned char[static_cast<size_t>(iWidth)]);
  _Ready.reset(new (std::nothrow) std::atomic<char>[static_cast<size_t>(iRows)]);
  if (!_Values || !_Found || !_OwnValues || !_OwnFound || !_Ready) return 0;
  for (int r = 0; r < iRows; ++r) _Ready[r].store(0, std::memory_order_relaxed);
  // Without room for the hints every search starts afresh: the same values, only slower.
  _Hints.Reserve(iTableRows);
  if (iThreads < 2 || iRows < 2 || !_WorkerHints.Reserve(iTableRows)) return 1;
  try {
    _Worker = std::thread(&QVTFddOrderRowQueue::Work, this);
  } catch (const std::exception&) {
    // No second thread: the caller computes every row.
  }
  return 1;
}

int QVTFddOrderRowQueue::Claim(int& oRow) {
  const int lLimit = _Released.load(std::memory_order_acquire) + _Slots;
  int r = _Next.load(std::memory_order_relaxed);
  // The slot's last row must be done and no longer written.
  while (r < _Rows && r < lLimit && (r < _Slots || SlotFree(r - _Slots))) {
    if (!_Next.compare_exchange_weak(r, r + 1, std::memory_order_relaxed)) continue;
    // The caller may have computed the row without a slot meanwhile: then the slot stays unused.
    char lUndone = kUndone;
    if (_Ready[r].compare_exchange_strong(lUndone, kComputing, std::memory_order_acq_rel)) {
      oRow = r;
      return 1;
    }
    ++r;
  }
  return 0;
}

int QVTFddOrderRowQueue::SlotFree(int iRow) const {
  const char lState = _Ready[iRow].load(std::memory_order_acquire);
  return lState == kInSlot || lState == kWithoutSlot;
}

void QVTFddOrderRowQueue::ComputeRow(int iRow, const QVTFddOrderHints& ioHints) {
  const size_t lOffset = static_cast<size_t>(iRow % _Slots) * static_cast<size_t>(_Width);
  _Compute(iRow, _Values.get() + lOffset, _Found.get() + lOffset, ioHints);
  _Ready[iRow].store(kInSlot, std::memory_order_release);
}

void QVTFddOrderRowQueue::Work() {
  while (!_Stop.load(std::memory_order_relaxed)) {
    int r = 0;
    if (Claim(r))
      ComputeRow(r, _WorkerHints);
    else if (_Next.load(std::memory_order_relaxed) >= _Rows)
      return;
    else
      std::this_thread::yield();
  }
}

void QVTFddOrderRowQueue::Get(int iRow, const double*& oValues, const unsigned char*& oFound) {
  while (_Ready[iRow].load(std::memory_order_acquire) != kInSlot) {
    int r = 0;
    if (Claim(r)) {
      ComputeRow(r, _Hints);
      continue;
    }
    // No row may be started: the row is computed here, taken from the second thread when that
    // one has it, or while its slot is still busy.
    int lNext = iRow;
    if (_Next.load(std::memory_order_relaxed) == iRow) _Next.compare_exchange_strong(lNext, iRow + 1);
    _Compute(iRow, _OwnValues.get(), _OwnFound.get(), _Hints);
    char lUndone = kUndone;
    // Marked done without a slot unless the second thread has claimed it meanwhile; that one then
    // marks it done when it has finished writing the slot.
    _Ready[iRow].compare_exchange_strong(lUndone, kWithoutSlot, std::memory_order_acq_rel);
    oValues = _OwnValues.get();
    oFound = _OwnFound.get();
    return;
  }
  const size_t lOffset = static_cast<size_t>(iRow % _Slots) * static_cast<size_t>(_Width);
  oValues = _Values.get() + lOffset;
  oFound = _Found.get() + lOffset;
}

void QVTFddOrderRowQueue::Stop() {
  _Stop.store(true, std::memory_order_relaxed);
  if (_Worker.joinable()) _Worker.join();
}
