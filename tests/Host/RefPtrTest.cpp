// The reference holder: adopting, holding, copying and moving keep the count balanced.
#include <gtest/gtest.h>

#include "MemoryDoubleVector.h"
#include "RefPtr.h"

TEST(RefPtr, KeepsTheCountBalanced) {
  MemoryDoubleVector* lRaw = new MemoryDoubleVector(std::vector<double>{1, 2});
  {
    RefPtr<MemoryDoubleVector> lHeld = RefPtr<MemoryDoubleVector>::Hold(lRaw);
    EXPECT_EQ(lRaw->GetRefCount(), 2u);
    RefPtr<MemoryDoubleVector> lCopy = lHeld;
    EXPECT_EQ(lRaw->GetRefCount(), 3u);
    RefPtr<MemoryDoubleVector> lMoved = std::move(lCopy);
    EXPECT_FALSE(lCopy);
    EXPECT_EQ(lRaw->GetRefCount(), 3u);
    lMoved.Reset();
    EXPECT_EQ(lRaw->GetRefCount(), 2u);
    EXPECT_EQ(lHeld->GetLength(), 2u);
  }
  EXPECT_EQ(lRaw->GetRefCount(), 1u);
  RefPtr<MemoryDoubleVector> lAdopted(lRaw);  // takes over the creator's reference
  EXPECT_EQ(lAdopted.Get(), lRaw);
  MemoryDoubleVector* lDetached = lAdopted.Detach();
  EXPECT_FALSE(lAdopted);
  EXPECT_EQ(lDetached->GetRefCount(), 1u);
  lDetached->Release();
  EXPECT_FALSE(RefPtr<MemoryDoubleVector>::Hold(nullptr));
  // A holder of a const object counts it too; Receive gives the place a getter fills.
  MemoryDoubleVector* lObject = new MemoryDoubleVector(std::vector<double>{3});
  {
    RefPtr<const MemoryDoubleVector> lConst = RefPtr<const MemoryDoubleVector>::Hold(lObject);
    EXPECT_EQ(lObject->GetRefCount(), 2u);
    RefPtr<MemoryDoubleVector> lFilled;
    *lFilled.Receive() = lObject;  // as a getter hands out a new reference
    lObject->AddRef();
    EXPECT_EQ(lObject->GetRefCount(), 3u);
  }
  EXPECT_EQ(lObject->GetRefCount(), 1u);
  lObject->Release();
}
