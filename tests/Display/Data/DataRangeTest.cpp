#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "ArrayMatrix.h"
#include "DataRange.h"
#include "MemoryDoubleVector.h"
#include "NumericArray.h"
#include "RefPtr.h"

namespace {

// The same values without direct access: read in chunks.
class ChunkedVector : public MemoryDoubleVector {
 public:
  explicit ChunkedVector(std::vector<double> iValues) : MemoryDoubleVector(std::move(iValues)) {}
  const double* GetDirectValues() const override { return nullptr; }
};

// A matrix read cell by cell.
class ChunkedMatrix : public CATSamIDoubleMatrix {
 public:
  explicit ChunkedMatrix(CATSamIDoubleMatrix* iCells) : _Cells(iCells) {}
  unsigned int GetLengthX() const override { return _Cells->GetLengthX(); }
  unsigned int GetLengthY() const override { return _Cells->GetLengthY(); }
  double GetValue(unsigned int iX, unsigned int iZ) const override { return _Cells->GetValue(iX, iZ); }

 private:
  CATSamIDoubleMatrix* _Cells;
};

}  // namespace

TEST(DataRange, VectorsInMemoryAndInChunksGiveTheSameFiniteRange) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
  // More values than one chunk, an odd count, the extremes past the first chunk, with non-finite values.
  std::vector<double> lValues(3001, 1.0);
  lValues[10] = kNaN;
  lValues[20] = -kInf;
  lValues[30] = kInf;
  lValues[2500] = -4.0;
  lValues[3000] = 0.25;  // the odd one after the pairs
  lValues[1500] = 9.0;
  const RefPtr<MemoryDoubleVector> lDirect(new MemoryDoubleVector(lValues));
  const RefPtr<ChunkedVector> lChunked(new ChunkedVector(lValues));
  ASSERT_NE(lDirect->GetDirectValues(), nullptr);
  for (bool lPositive : {false, true}) {
    double lMin = kNaN, lMax = kNaN, lChunkedMin = kNaN, lChunkedMax = kNaN;
    DataRange::Add(lDirect.Get(), lPositive, lMin, lMax);
    DataRange::Add(lChunked.Get(), lPositive, lChunkedMin, lChunkedMax);
    EXPECT_EQ(lMin, lPositive ? 0.25 : -4.0);
    EXPECT_EQ(lMax, 9.0);
    EXPECT_EQ(lChunkedMin, lMin);
    EXPECT_EQ(lChunkedMax, lMax);
  }
}

TEST(DataRange, MatricesInMemoryGiveTheRangeOfTheirCells) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN();
  // 2 x 3 cells, each way round, in memory and through an interface without direct access.
  NumericArray* lArray = NumericArray::FromValues({4, kNaN, -2, 7, 1, 0}, 2, 3, true);
  ASSERT_NE(lArray, nullptr);
  const RefPtr<ArrayMatrix> lByZ(new ArrayMatrix(lArray)), lByX(new ArrayMatrix(lArray, ArrayMatrix::RowPerX));
  lArray->Release();
  const RefPtr<ChunkedMatrix> lRead(new ChunkedMatrix(lByZ.Get()));
  for (CATSamIDoubleMatrix* lMatrix : std::vector<CATSamIDoubleMatrix*>{lByZ.Get(), lByX.Get(), lRead.Get()}) {
    double lMin = kNaN, lMax = kNaN;
    DataRange::Add(lMatrix, lMin, lMax);
    EXPECT_EQ(lMin, -2.0);
    EXPECT_EQ(lMax, 7.0);
  }
}

// A block large enough to be read in two halves at once: the extremes of either half, infinities
// and NaN in the second, and a starting range that already holds a value.
TEST(DataRange, LargeBlocksGiveTheRangeOfTheWhole) {
  const double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
  std::vector<double> lValues((size_t(1) << 23) + 3, 1.0);
  const size_t lLast = lValues.size() - 1;
  lValues[7] = -3.0;
  lValues[lLast - 5] = 8.0;
  lValues[lLast - 4] = kInf;
  lValues[lLast - 3] = kNaN;
  lValues[lLast] = 0.5;
  struct Case {
    bool positive;
    double start, min, max;
  };
  for (const Case& c : {Case{false, kNaN, -3.0, 8.0}, Case{true, kNaN, 0.5, 8.0}, Case{false, 20.0, -3.0, 20.0}}) {
    double lMin = c.start, lMax = c.start;
    DataRange::Add(lValues.data(), lValues.size(), c.positive, lMin, lMax);
    EXPECT_EQ(lMin, c.min) << c.positive << " " << c.start;
    EXPECT_EQ(lMax, c.max) << c.positive << " " << c.start;
  }
}
