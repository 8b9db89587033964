// Writable matrix: NaN as "no data", set/get by (x, z), refusal of impossible sizes, reference
// counting.
#include <gtest/gtest.h>

#include <cmath>

#include "QVTFddDoubleMatrix.h"

TEST(QVTFddDoubleMatrix, CellsStartAsNaNAndKeepWhatIsSet) {
  QVTFddDoubleMatrix* lMatrix = new QVTFddDoubleMatrix(3, 2, "grid", CATSamPhysicalTypeNone);
  ASSERT_NE(lMatrix, nullptr);
  ASSERT_EQ(lMatrix->GetLengthX(), 3u);
  ASSERT_EQ(lMatrix->GetLengthY(), 2u);
  for (unsigned int lX = 0; lX < 3; ++lX)
    for (unsigned int lZ = 0; lZ < 2; ++lZ) EXPECT_TRUE(std::isnan(lMatrix->GetValue(lX, lZ)));

  // Distinct values everywhere: a transposed or overlapping layout would mix them up.
  for (unsigned int lX = 0; lX < 3; ++lX)
    for (unsigned int lZ = 0; lZ < 2; ++lZ) lMatrix->SetValue(lX, lZ, 10.0 * lX + lZ);
  for (unsigned int lX = 0; lX < 3; ++lX)
    for (unsigned int lZ = 0; lZ < 2; ++lZ) EXPECT_EQ(lMatrix->GetValue(lX, lZ), 10.0 * lX + lZ);
  EXPECT_EQ(lMatrix->GetName(), CATUnicodeString("grid"));

  // Usable through the host interface.
  const CATSamIDoubleMatrix* lInterface = lMatrix;
  EXPECT_EQ(lInterface->GetValue(2, 1), 21.0);
  EXPECT_EQ(lMatrix->Release(), 0u);
}

TEST(QVTFddDoubleMatrix, OutOfRangeReadsNaNAndWritesNothing) {
  QVTFddDoubleMatrix lMatrix(2, 2, "m", CATSamPhysicalTypeNone);
  lMatrix.SetValue(0, 0, 1.0);
  lMatrix.SetValue(2, 0, 5.0);
  lMatrix.SetValue(0, 2, 5.0);
  lMatrix.SetValue(~0u, ~0u, 5.0);
  EXPECT_TRUE(std::isnan(lMatrix.GetValue(2, 0)));
  EXPECT_TRUE(std::isnan(lMatrix.GetValue(0, 2)));
  EXPECT_TRUE(std::isnan(lMatrix.GetValue(~0u, 0)));
  EXPECT_EQ(lMatrix.GetValue(0, 0), 1.0);
  EXPECT_TRUE(std::isnan(lMatrix.GetValue(0, 1)));
  EXPECT_TRUE(std::isnan(lMatrix.GetValue(1, 0)));
  EXPECT_TRUE(std::isnan(lMatrix.GetValue(1, 1)));
}

TEST(QVTFddDoubleMatrix, ImpossibleSizesGiveAnEmptyMatrix) {
  // 2^32 - 1 squared overflows 32 bits and is far beyond the cell limit; 65536 x 65536 is 2^32
  // (0 when multiplied in 32 bits).
  unsigned int lSizes[][2] = {{~0u, ~0u}, {65536u, 65536u}, {100000u, 100000u}, {0u, 10u}, {10u, 0u}};
  for (auto& lSize : lSizes) {
    QVTFddDoubleMatrix lMatrix(lSize[0], lSize[1], "huge", CATSamPhysicalTypeNone);
    EXPECT_EQ(lMatrix.GetLengthX(), 0u) << lSize[0] << " x " << lSize[1];
    EXPECT_EQ(lMatrix.GetLengthY(), 0u);
    lMatrix.SetValue(0, 0, 1.0);
    EXPECT_TRUE(std::isnan(lMatrix.GetValue(0, 0)));
  }
}

TEST(QVTFddDoubleMatrix, ReferenceCounting) {
  QVTFddDoubleMatrix* lMatrix = new QVTFddDoubleMatrix(1, 1, "m", CATSamPhysicalTypeNone);
  ASSERT_NE(lMatrix, nullptr);
  EXPECT_EQ(lMatrix->GetRefCount(), 1u);
  EXPECT_EQ(lMatrix->AddRef(), 2u);
  EXPECT_EQ(lMatrix->Release(), 1u);
  EXPECT_EQ(lMatrix->GetRefCount(), 1u);
  EXPECT_EQ(lMatrix->Release(), 0u);  // deleted here; a leak checker sees the rest
}
