// The values of an order map's image rows, computed by the calling thread and a second one while
// the caller takes them in order (0, 1, 2, ...): the caller alone talks to the host (colours,
// progress, cancel), and asks for each row when it is ready to colour it. A row is computed into
// one of a few slots, reused once the caller has released the row that held it and the row is
// done, so the second thread runs at most that many rows ahead and stops within a row of Stop.
// The caller never waits for the second thread: it computes later rows meanwhile, and when none
// may be started, the row it asks for itself (a machine whose cores are busy elsewhere then costs
// no more than one thread). Without a second thread the caller computes every row: same values.
// Borrows nothing; owns its slots and its thread.
#ifndef QVTFddOrderRowQueue_H
#define QVTFddOrderRowQueue_H

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "QVTFddOrderHints.h"

class QVTFddOrderRowQueue {
 public:
  // Computes the values of image row iRow into oValues (NaN: no value) and oFound (1: a value,
  // even NaN), iWidth of each, starting its searches from ioHints. Called from both threads, one
  // row at a time each: it must only read shared data.
  typedef std::function<void(int iRow, double* oValues, unsigned char* oFound, const QVTFddOrderHints& ioHints)>
      Compute;

  QVTFddOrderRowQueue();
  ~QVTFddOrderRowQueue();

  // Prepares iRows rows of iWidth values over a table of iTableRows rows and starts the second
  // thread when iThreads is 2; 0 when memory runs out.
  int Start(int iRows, int iWidth, int iTableRows, int iThreads, Compute iCompute);
  // Row iRow, the next one after the last released, computed by either thread.
  void Get(int iRow, const double*& oValues, const unsigned char*& oFound);
  // The caller is done with row iRow.
  void Release(int iRow) { _Released.store(iRow + 1, std::memory_order_release); }
  // Ends the second thread once its row is done; rows not yet taken stay uncomputed.
  void Stop();

 private:
  QVTFddOrderRowQueue(const QVTFddOrderRowQueue&) = delete;
  QVTFddOrderRowQueue& operator=(const QVTFddOrderRowQueue&) = delete;

  // Takes the next row if its slot is free; 0 when none may be taken now.
  int Claim(int& oRow);
  // Whether the slot of iRow is free for the row kSlots later.
  int SlotFree(int iRow) const;
  void ComputeRow(int iRow, const QVTFddOrderHints& ioHints);
  void Work();

  int _Rows, _Width, _Slots;
  Compute _Compute;
  std::unique_ptr<double[]> _Values;
  std::unique_ptr<unsigned char[]> _Found;
  std::unique_ptr<double[]> _OwnValues;  // a row the caller computed without a slot
  std::unique_ptr<unsigned char[]> _OwnFound;
  // Per row: 0 not done, 1 done in its slot, 2 done by the caller without a slot, 3 being computed
  // in its slot. A slot is free again only once its last row is 1 or 2: a row the caller finished
  // without the slot may still be written into the slot by the thread that claimed it.
  std::unique_ptr<std::atomic<char>[]> _Ready;
  std::atomic<int> _Next, _Released;
  std::atomic<bool> _Stop;
  QVTFddOrderHints _Hints, _WorkerHints;
  std::thread _Worker;
};

#endif
