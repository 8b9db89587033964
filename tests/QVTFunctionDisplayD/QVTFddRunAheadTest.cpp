#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <memory>
#include <vector>

#include "QVTFddRunAhead.h"

namespace {

// Takes iItems items in order from a queue of iSlots slots on iThreads threads and checks that
// each slot the caller is given holds its item; oComputed counts the computations of each item.
template <bool TCallerWaits>
void TakeAll(int iItems, int iSlots, int iThreads, std::vector<int>& oComputed) {
  QVTFddRunAhead<int, TCallerWaits> lQueue(iSlots);
  std::vector<int> lSlots(static_cast<size_t>(lQueue.Slots()) + 1, -1);
  std::unique_ptr<std::atomic<int>[]> lCounts(new std::atomic<int>[static_cast<size_t>(iItems)]);
  for (int i = 0; i < iItems; ++i) lCounts[i] = 0;
  lQueue.Scratch(0) = 0;
  lQueue.Scratch(1) = 1;
  ASSERT_TRUE(lQueue.Start(iItems, iThreads, [&](int i, int iSlot, int& ioScratch) {
    lSlots[static_cast<size_t>(iSlot)] = 1000 * i + 7;
    ++lCounts[i];
    EXPECT_TRUE(ioScratch == 0 || ioScratch == 1);
  }));
  for (int i = 0; i < iItems; ++i) {
    const int lSlot = lQueue.Take(i);
    ASSERT_EQ(lSlots[static_cast<size_t>(lSlot)], 1000 * i + 7) << "item " << i;
    lQueue.Release(i);
  }
  lQueue.Stop();
  oComputed.clear();
  for (int i = 0; i < iItems; ++i) oComputed.push_back(lCounts[i]);
}

}  // namespace

// Every item reaches the caller in order from the slot it was computed into, on one thread or
// two; a waiting caller has each item computed once, one that never waits at least once.
TEST(QVTFddRunAhead, EveryItemReachesTheCallerInOrder) {
  const struct {
    int Items, Slots, Threads;
  } lCases[] = {{0, 4, 2}, {1, 4, 2}, {200, 1, 2}, {200, 2, 2}, {200, 8, 2}, {200, 8, 1}, {5000, 16, 2}};
  for (const auto& c : lCases) {
    std::vector<int> lComputed;
    TakeAll<true>(c.Items, c.Slots, c.Threads, lComputed);
    EXPECT_EQ(lComputed, std::vector<int>(static_cast<size_t>(c.Items), 1)) << c.Items << " " << c.Slots;
    TakeAll<false>(c.Items, c.Slots, c.Threads, lComputed);
    for (int n : lComputed) EXPECT_GE(n, 1) << c.Items << " " << c.Slots;
  }
}

// A helper held up in a slot while the caller, who never waits, computes the slot's next item
// without it: the item after that must not be written into the slot the helper still writes.
TEST(QVTFddRunAhead, NoSlotIsWrittenByTwoThreadsAtOnce) {
  const int kItems = 60, kSlots = 2;
  QVTFddRunAhead<int, false> lQueue(kSlots);
  std::unique_ptr<std::atomic<int>[]> lWriters(new std::atomic<int>[kSlots + 1]);
  for (int s = 0; s <= kSlots; ++s) lWriters[s] = 0;
  std::atomic<int> lMost{0};
  std::atomic<bool> lHeldUp{false};
  lQueue.Scratch(0) = 0;
  lQueue.Scratch(1) = 1;
  ASSERT_TRUE(lQueue.Start(kItems, 2, [&](int, int iSlot, int& ioThread) {
    const int lNow = ++lWriters[iSlot];
    int lSeen = lMost.load();
    while (lNow > lSeen && !lMost.compare_exchange_weak(lSeen, lNow)) {
    }
    if (ioThread == 1 && !lHeldUp.exchange(true)) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    // The caller's first item lasts until the helper is held up in an item of its own.
    for (int lWait = 0; ioThread == 0 && !lHeldUp.load() && lWait < 1000; ++lWait)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    --lWriters[iSlot];
  }));
  for (int i = 0; i < kItems; ++i) {
    lQueue.Take(i);
    lQueue.Release(i);
  }
  lQueue.Stop();
  EXPECT_EQ(lMost.load(), 1);
}
