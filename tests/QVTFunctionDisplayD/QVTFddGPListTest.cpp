#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "CATFont.h"
#include "CATGraphicPrimitive.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFddGPList.h"
#include "QVTFddModule.h"
#include "QVTFddModuleFrame.h"
#include "QVTFddSizeRender.h"
#include "QVTSydLocalLog.h"

// Reaches the list's heap allocation, to simulate an exhausted heap.
struct QVTFddGPListTestAccess {
  using HeapAllocate = void* (*)(size_t);
  static HeapAllocate& Heap() { return QVTFddGPList::sHeapAllocate; }
};

namespace {

// Writes its id into a shared log when it is destroyed.
class LoggingGP : public CATGraphicPrimitive {
 public:
  LoggingGP(std::vector<int>* iLog, int iId) : _Log(iLog), _Id(iId) {}
  ~LoggingGP() override {
    if (_Log) _Log->push_back(_Id);
  }

 private:
  std::vector<int>* _Log;
  int _Id;
};

std::vector<int> WalkIds(const QVTFddGPList* iHead, const std::vector<CATGraphicPrimitive*>& iById) {
  std::vector<int> lIds;
  for (const QVTFddGPList* lNode = iHead; lNode; lNode = lNode->GetNext()) {
    int lId = -1;
    for (size_t i = 0; i < iById.size(); ++i)
      if (iById[i] == lNode->GetGP()) lId = static_cast<int>(i);
    lIds.push_back(lId);
  }
  return lIds;
}

std::uintptr_t Address(const void* iPointer) { return reinterpret_cast<std::uintptr_t>(iPointer); }

// While alive, the pool is empty and the heap gives no node; the drained nodes go back at the end.
class ExhaustedNodes {
 public:
  ExhaustedNodes() : _Saved(QVTFddGPListTestAccess::Heap()) {
    QVTFddGPListTestAccess::Heap() = [](size_t) -> void* { return nullptr; };
    while (void* lNode = QVTFddGPList::operator new(sizeof(QVTFddGPList))) _Drained.push_back(lNode);
  }
  ~ExhaustedNodes() {
    QVTFddGPListTestAccess::Heap() = _Saved;
    for (void* lNode : _Drained) QVTFddGPList::operator delete(lNode);
  }

 private:
  QVTFddGPListTestAccess::HeapAllocate _Saved;
  std::vector<void*> _Drained;
};

}  // namespace

TEST(QVTFddGPList, PushesAtTheHeadSoTheWalkIsTheReverseOfCreation) {
  std::vector<int> lDestroyed;
  std::vector<CATGraphicPrimitive*> lGPs = {new LoggingGP(&lDestroyed, 0), new LoggingGP(&lDestroyed, 1),
                                            new LoggingGP(&lDestroyed, 2)};
  QVTFddGPList* lHead = nullptr;
  EXPECT_TRUE(WalkIds(lHead, lGPs).empty());  // a null head is an empty list
  for (CATGraphicPrimitive* lGP : lGPs) EXPECT_EQ(QVTFddGPList::Push(lHead, lGP), 1);
  EXPECT_EQ(WalkIds(lHead, lGPs), (std::vector<int>{2, 1, 0}));

  // A null primitive adds nothing.
  QVTFddGPList* lBefore = lHead;
  EXPECT_EQ(QVTFddGPList::Push(lHead, nullptr), 0);
  EXPECT_EQ(lHead, lBefore);

  delete lHead;
  EXPECT_EQ(lDestroyed, (std::vector<int>{2, 1, 0}));  // walk order
}

TEST(QVTFddGPList, DestroyingAHeadRecyclesItsNodesHeadFirstForTheNextAllocations) {
  std::vector<int> lDestroyed;
  QVTFddGPList* lHead = nullptr;
  for (int i = 0; i < 3; ++i) QVTFddGPList::Push(lHead, new LoggingGP(&lDestroyed, i));
  // Node identities kept as numbers: the nodes themselves are freed below.
  const std::uintptr_t lNodes[3] = {Address(lHead), Address(lHead->GetNext()), Address(lHead->GetNext()->GetNext())};

  delete lHead;
  EXPECT_EQ(lDestroyed, (std::vector<int>{2, 1, 0}));
  // Last node returned first, head last: the pool gives head, second, third.
  QVTFddGPList* lAgain[3];
  for (QVTFddGPList*& lNode : lAgain) lNode = new QVTFddGPList(nullptr, nullptr);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Address(lAgain[i]), lNodes[i]) << i;

  // A pooled node is handed out whatever size is asked.
  delete lAgain[0];
  void* lAnySize = QVTFddGPList::operator new(1);
  EXPECT_EQ(Address(lAnySize), lNodes[0]);
  QVTFddGPList::operator delete(lAnySize);
  delete lAgain[1];
  delete lAgain[2];
}

TEST(QVTFddGPList, AVeryLongListIsDestroyedWithoutExhaustingTheStack) {
  const int kLength = 1000000;
  std::vector<int> lDestroyed;
  lDestroyed.reserve(kLength);
  QVTFddGPList* lHead = nullptr;
  for (int i = 0; i < kLength; ++i) ASSERT_EQ(QVTFddGPList::Push(lHead, new LoggingGP(&lDestroyed, i)), 1);
  delete lHead;
  ASSERT_EQ(lDestroyed.size(), size_t(kLength));
  EXPECT_EQ(lDestroyed.front(), kLength - 1);
  EXPECT_EQ(lDestroyed[kLength / 2], kLength / 2 - 1);
  EXPECT_EQ(lDestroyed.back(), 0);
}

TEST(QVTFddGPList, ANodeThatCannotBeHadLeavesTheHeadAndDestroysThePrimitive) {
  std::vector<int> lDestroyed;
  QVTFddGPList* lHead = nullptr;
  QVTFddGPList::Push(lHead, new LoggingGP(&lDestroyed, 0));
  QVTFddGPList* lBefore = lHead;
  CATFont* lFont = CATFont::CreateFixedMetric();
  ASSERT_NE(lFont, nullptr);
  {
    ExhaustedNodes lExhausted;
    EXPECT_EQ(QVTFddGPList::operator new(sizeof(QVTFddGPList)), nullptr);
    EXPECT_EQ(QVTFddGPList::Push(lHead, new LoggingGP(&lDestroyed, 1)), 0);
    EXPECT_EQ(lHead, lBefore);
    EXPECT_EQ(lDestroyed, std::vector<int>{1});

    // An axis text whose box is free but that gets no node claims no room.
    QVTFdd2DAxisText lText(10.0f, lFont, "text", CATMathPoint2D(0, 0), CATMathDirection2D(0, -1),
                           CATMathDirection2D(0, 1), 1);
    EXPECT_TRUE(lText.AddPrim(lHead, QVTFddMathRegion(0.00001, nullptr)).mf_IsEmpty());
    EXPECT_EQ(lHead, lBefore);
  }
  EXPECT_EQ(QVTFddGPList::Push(lHead, new LoggingGP(&lDestroyed, 2)), 1);
  EXPECT_EQ(lHead->GetNext(), lBefore);
  delete lHead;
  EXPECT_EQ(lDestroyed, (std::vector<int>{1, 2, 0}));
  lFont->Release();
}

TEST(QVTFddGPList, AssignmentCopiesBothPointers) {
  std::vector<int> lDestroyed;
  LoggingGP* lGP = new LoggingGP(&lDestroyed, 0);
  QVTFddGPList* lTail = new QVTFddGPList(nullptr, nullptr);
  {
    QVTFddGPList lNode(lTail, lGP);
    QVTFddGPList lTarget(nullptr, nullptr);
    lTarget = lNode;
    EXPECT_EQ(lTarget.GetNext(), lTail);
    EXPECT_EQ(lTarget.GetGP(), lGP);
    lTarget = QVTFddGPList(nullptr, nullptr);  // the two shared: only lNode may own
  }
  EXPECT_EQ(lDestroyed, std::vector<int>{0});
}

TEST(QVTFddGPList, ThreadsDrawingAtOnceShareThePoolTheLogAndTheMeasuringSupport) {
  // Two threads drawing their own figures at once meet in the module's shared state: the node
  // pool, the log and the measuring renders' support. Nothing may be lost, doubled or corrupted.
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  const int kRounds = 200000, kMessageEvery = 1000;
  std::atomic<int> lReady{0};
  auto lDraw = [&lReady] {
    // Both start together, so that their rounds overlap.
    ++lReady;
    while (lReady.load() < 2) std::this_thread::yield();
    for (int r = 0; r < kRounds; ++r) {
      QVTFddGPList* lHead = nullptr;
      for (int i = 0; i < 3; ++i) QVTFddGPList::Push(lHead, new CATGraphicPrimitive());
      delete lHead;
      if (r % kMessageEvery == 0) {
        QVTFddSizeRender lMeasure;
        QVTFddAssertionMessage("Thread", r, "drawn");
      }
    }
  };
  std::thread lOther(lDraw);
  lDraw();
  lOther.join();
  EXPECT_EQ(QVTFddModuleLog().Count() - lBefore, 2ull * kRounds / kMessageEvery);
}
