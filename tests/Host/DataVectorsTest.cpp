#include <gtest/gtest.h>

#include <cmath>

#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"

namespace {

// Reads through the interface's default bulk read, value by value.
class PlainVector : public CATSamIDoubleVector {
 public:
  unsigned int GetLength() const override { return 5; }
  double GetValue(unsigned int i) const override { return i < 5 ? 10.0 * i : std::nan(""); }
};

}  // namespace

TEST(DataVectors, BulkReadCopiesAsFarAsTheVectorReaches) {
  MemoryDoubleVector* lMemory = new MemoryDoubleVector({0, 10, 20, 30, 40});
  PlainVector lPlain;
  const CATSamIVector* lVectors[] = {lMemory, &lPlain};
  for (const CATSamIVector* lVector : lVectors) {
    double lOut[8] = {-1, -1, -1, -1, -1, -1, -1, -1};
    EXPECT_EQ(lVector->GetValues(1, 3, lOut), 3u);
    EXPECT_EQ(lOut[0], 10.0);
    EXPECT_EQ(lOut[2], 30.0);
    EXPECT_EQ(lOut[3], -1.0);
    EXPECT_EQ(lVector->GetValues(3, 100, lOut), 2u);
    EXPECT_EQ(lOut[1], 40.0);
    EXPECT_EQ(lVector->GetValues(5, 1, lOut), 0u);
    EXPECT_EQ(lVector->GetValues(0, 1, nullptr), 0u);
    EXPECT_TRUE(std::isnan(lVector->GetValue(5)));
  }
  lMemory->Release();
}

TEST(DataVectors, MatrixIsIndexedXThenZAndRefusesAMismatchedSize) {
  MemoryDoubleMatrix* lMatrix = new MemoryDoubleMatrix(2, 3, {0, 1, 2, 10, 11, 12});
  EXPECT_EQ(lMatrix->GetLengthX(), 2u);
  EXPECT_EQ(lMatrix->GetLengthY(), 3u);
  EXPECT_EQ(lMatrix->GetValue(1, 2), 12.0);
  EXPECT_TRUE(std::isnan(lMatrix->GetValue(2, 0)));
  unsigned long long lStrideX = 0, lStrideZ = 0;
  const double* lDirect = lMatrix->GetDirectValues(lStrideX, lStrideZ);
  ASSERT_NE(lDirect, nullptr);
  EXPECT_EQ(lDirect[1 * lStrideX + 2 * lStrideZ], 12.0);
  EXPECT_EQ(lDirect[0 * lStrideX + 1 * lStrideZ], 1.0);
  lMatrix->Release();
  MemoryDoubleMatrix lBad(2, 3, {1, 2});
  EXPECT_EQ(lBad.GetDirectValues(lStrideX, lStrideZ), nullptr);
  EXPECT_EQ(lBad.GetLengthX(), 0u);
  EXPECT_EQ(lBad.GetLengthY(), 0u);
}

TEST(DataVectors, RowsAreHandedOutWithAReferenceForTheCaller) {
  MemoryDouble2DDim2NH* lValues = new MemoryDouble2DDim2NH({{1, 2}, {3}});
  MemoryDouble1p5D* lX = new MemoryDouble1p5D({{0.5, 1.5}, {7}});
  EXPECT_EQ(lValues->GetLengthY(), 2u);
  EXPECT_EQ(lX->GetNbrRows(), 2u);
  CATSamIDoubleVector* lRow = lValues->GetRow(1);
  ASSERT_NE(lRow, nullptr);
  EXPECT_EQ(lRow->GetRefCount(), 2u);
  EXPECT_EQ(lRow->GetValue(0), 3.0);
  lRow->Release();
  EXPECT_EQ(lValues->GetRow(2), nullptr);
  CATSamIDoubleVector* lXRow = lX->GetXVector(0);
  ASSERT_NE(lXRow, nullptr);
  EXPECT_EQ(lXRow->GetLength(), 2u);
  lXRow->Release();
  lValues->Release();
  lX->Release();
}
