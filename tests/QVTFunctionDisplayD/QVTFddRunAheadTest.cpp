#include <gtest/gtest.h>

#include <atomic>
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
