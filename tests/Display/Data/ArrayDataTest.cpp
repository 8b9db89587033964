#include <gtest/gtest.h>

#include <sys/mman.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "ArrayMatrix.h"
#include "ArrayValueRows.h"
#include "ArrayVector.h"
#include "ArrayXRows.h"
#include "NumericArray.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

std::vector<double> Read(CATSamIDoubleVector* iVector) {
  std::vector<double> lValues;
  for (unsigned int i = 0; i < iVector->GetLength(); ++i) lValues.push_back(iVector->GetValue(i));
  return lValues;
}

// Three rows of non-homogeneous X values padded with NaN; the middle row keeps an inner NaN.
NumericArray* PaddedRows() {
  return NumericArray::FromValues({1, 2, 3, 4,  //
                                   5, kNaN, 6, kNaN,  //
                                   kNaN, kNaN, kNaN, kNaN},
                                  3, 4, true);
}

}  // namespace

TEST(NumericArray, SizesIndexingAndRange) {
  EXPECT_EQ(NumericArray::FromValues({1, 2, 3}, 2, 2, true), nullptr);
  EXPECT_EQ(NumericArray::FromValues({1, 2, 3, 4}, 2, 2, false), nullptr);  // 1-D has one column

  NumericArray* lArray = NumericArray::FromValues({1, kNaN, -kInf, 7, -3, 2}, 2, 3, true);
  ASSERT_NE(lArray, nullptr);
  EXPECT_FALSE(lArray->IsMapped());
  EXPECT_EQ(lArray->GetSize(), 6u);
  EXPECT_EQ(lArray->GetValue(1u, 0u), 7.0);
  EXPECT_EQ(lArray->GetValue(5ull), 2.0);
  EXPECT_TRUE(std::isnan(lArray->GetValue(6ull)));
  EXPECT_TRUE(std::isnan(lArray->GetValue(2u, 0u)));
  EXPECT_TRUE(std::isnan(lArray->GetValue(0u, 3u)));
  double lValues[8] = {};
  EXPECT_EQ(lArray->GetValues(4, 8, lValues), 2u);
  EXPECT_EQ(lValues[0], -3.0);
  EXPECT_EQ(lValues[1], 2.0);
  EXPECT_EQ(lArray->GetValues(6, 1, lValues), 0u);
  double lMin = 0, lMax = 0;
  ASSERT_TRUE(lArray->GetFiniteRange(lMin, lMax));
  EXPECT_EQ(lMin, -3.0);
  EXPECT_EQ(lMax, 7.0);
  lArray->Release();

  NumericArray* lNone = NumericArray::FromValues({kNaN, kInf}, 2, 1, false);
  ASSERT_NE(lNone, nullptr);
  EXPECT_FALSE(lNone->GetFiniteRange(lMin, lMax));
  lNone->Release();
}

TEST(ArrayVector, ViewsRowsAndColumnsWithinTheArray) {
  NumericArray* lArray = NumericArray::FromValues({0, 1, 2, 10, 11, 12, 20, 21, 22}, 3, 3, true);
  ASSERT_NE(lArray, nullptr);
  {
    ArrayVector* lRow = new ArrayVector(lArray, 3, 3);
    ArrayVector* lColumn = new ArrayVector(lArray, 1, 3, 3);
    ArrayVector* lPast = new ArrayVector(lArray, 7, 10);   // cut at the end
    ArrayVector* lLongColumn = new ArrayVector(lArray, 2, 9, 3);
    ArrayVector* lNothing = new ArrayVector(lArray, 9, 3);
    EXPECT_EQ(lArray->GetRefCount(), 6u);
    EXPECT_EQ(Read(lRow), std::vector<double>({10, 11, 12}));
    EXPECT_EQ(Read(lColumn), std::vector<double>({1, 11, 21}));
    EXPECT_EQ(Read(lPast), std::vector<double>({21, 22}));
    EXPECT_EQ(Read(lLongColumn), std::vector<double>({2, 12, 22}));
    EXPECT_EQ(lNothing->GetLength(), 0u);
    EXPECT_TRUE(std::isnan(lRow->GetValue(3)));
    double lValues[4] = {};
    EXPECT_EQ(lRow->GetValues(1, 4, lValues), 2u);
    EXPECT_EQ(lValues[0], 11.0);
    EXPECT_EQ(lValues[1], 12.0);
    EXPECT_EQ(lColumn->GetValues(1, 4, lValues), 2u);
    EXPECT_EQ(lValues[0], 11.0);
    EXPECT_EQ(lValues[1], 21.0);
    EXPECT_EQ(lColumn->GetValues(3, 1, lValues), 0u);
    for (ArrayVector* lVector : {lRow, lColumn, lPast, lLongColumn, lNothing}) lVector->Release();
  }
  EXPECT_EQ(lArray->GetRefCount(), 1u);
  lArray->Release();

  ArrayVector* lEmpty = new ArrayVector(nullptr, 0, 5);
  EXPECT_EQ(lEmpty->GetLength(), 0u);
  lEmpty->Release();
}

TEST(ArrayMatrix, ReadsOneRowPerZOrPerX) {
  NumericArray* lArray = NumericArray::FromValues({0, 1, 2, 10, 11, 12}, 2, 3, true);  // 2 rows, 3 columns
  ASSERT_NE(lArray, nullptr);
  ArrayMatrix* lRowPerZ = new ArrayMatrix(lArray);
  ArrayMatrix* lRowPerX = new ArrayMatrix(lArray, ArrayMatrix::RowPerX);
  EXPECT_EQ(lRowPerZ->GetLengthX(), 3u);
  EXPECT_EQ(lRowPerZ->GetLengthY(), 2u);
  EXPECT_EQ(lRowPerZ->GetValue(2, 1), 12.0);
  EXPECT_EQ(lRowPerX->GetLengthX(), 2u);
  EXPECT_EQ(lRowPerX->GetLengthY(), 3u);
  EXPECT_EQ(lRowPerX->GetValue(1, 2), 12.0);
  EXPECT_TRUE(std::isnan(lRowPerZ->GetValue(3, 0)));
  EXPECT_TRUE(std::isnan(lRowPerX->GetValue(2, 0)));
  // Direct access finds every value where GetValue reads it.
  for (ArrayMatrix* lMatrix : {lRowPerZ, lRowPerX}) {
    unsigned long long lStrideX = 0, lStrideZ = 0;
    const double* lDirect = lMatrix->GetDirectValues(lStrideX, lStrideZ);
    ASSERT_NE(lDirect, nullptr);
    for (unsigned int x = 0; x < lMatrix->GetLengthX(); ++x)
      for (unsigned int z = 0; z < lMatrix->GetLengthY(); ++z)
        EXPECT_EQ(lDirect[x * lStrideX + z * lStrideZ], lMatrix->GetValue(x, z));
  }
  lRowPerZ->Release();
  lRowPerX->Release();
  EXPECT_EQ(lArray->GetRefCount(), 1u);
  lArray->Release();
}

TEST(ArrayXRows, TrailingNaNsEndTheRows) {
  NumericArray* lArray = PaddedRows();
  ASSERT_NE(lArray, nullptr);
  ArrayXRows* lRows = new ArrayXRows(lArray);
  ASSERT_EQ(lRows->GetNbrRows(), 3u);
  EXPECT_EQ(lRows->GetRowLength(0), 4u);
  EXPECT_EQ(lRows->GetRowLength(1), 3u);  // the inner NaN stays
  EXPECT_EQ(lRows->GetRowLength(2), 0u);
  EXPECT_EQ(lRows->GetRowLength(3), 0u);
  CATSamIDoubleVector* lRow = lRows->GetXVector(1);
  ASSERT_NE(lRow, nullptr);
  const std::vector<double> lValues = Read(lRow);
  ASSERT_EQ(lValues.size(), 3u);
  EXPECT_EQ(lValues[0], 5.0);
  EXPECT_TRUE(std::isnan(lValues[1]));
  EXPECT_EQ(lValues[2], 6.0);
  CATSamIDoubleVector* lEmpty = lRows->GetXVector(2);
  ASSERT_NE(lEmpty, nullptr);
  EXPECT_EQ(lEmpty->GetLength(), 0u);
  EXPECT_EQ(lRows->GetXVector(3), nullptr);

  // Values cut to the X rows' lengths; longer lengths are cut to the width, rows past the lengths
  // keep the full width.
  NumericArray* lLevels = NumericArray::FromValues({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, 3, 4, true);
  ASSERT_NE(lLevels, nullptr);
  ArrayValueRows* lValueRows = new ArrayValueRows(lLevels, {3, 9});
  EXPECT_EQ(lValueRows->GetLengthY(), 3u);
  CATSamIDoubleVector* lCut = lValueRows->GetRow(0);
  CATSamIDoubleVector* lWide = lValueRows->GetRow(1);
  CATSamIDoubleVector* lBeyond = lValueRows->GetRow(2);
  ASSERT_TRUE(lCut && lWide && lBeyond);
  EXPECT_EQ(Read(lCut), std::vector<double>({1, 2, 3}));
  EXPECT_EQ(Read(lWide), std::vector<double>({5, 6, 7, 8}));
  EXPECT_EQ(Read(lBeyond), std::vector<double>({9, 10, 11, 12}));
  EXPECT_EQ(lValueRows->GetRow(3), nullptr);
  EXPECT_EQ(lLevels->GetRefCount(), 5u);
  for (CATSamIDoubleVector* lVector : {lRow, lEmpty, lCut, lWide, lBeyond}) lVector->Release();
  lValueRows->Release();
  lRows->Release();
  EXPECT_EQ(lArray->GetRefCount(), 1u);
  EXPECT_EQ(lLevels->GetRefCount(), 1u);
  lArray->Release();
  lLevels->Release();
}

TEST(ArrayVector, DirectAccessOnlyToContiguousDoublesInTheMachinesOrder) {
  // Five doubles in a mapping, read from byte 0 (aligned) or byte 4 (not), as stored or swapped,
  // as float64 or float32; and a held array viewed by row and by column.
  const size_t lBytes = 4096;
  struct Case {
    size_t Offset;
    NumericArray::Stored Stored;
    bool Swapped;
    bool Direct;
  };
  for (const Case& c : {Case{0, NumericArray::Stored::Float64, false, true}, Case{4, NumericArray::Stored::Float64, false, false},
                        Case{0, NumericArray::Stored::Float64, true, false}, Case{0, NumericArray::Stored::Float32, false, false}}) {
    void* lMapping = mmap(nullptr, lBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(lMapping, MAP_FAILED);
    const double lStored[5] = {1.5, 2.5, 3.5, 4.5, 5.5};
    std::memcpy(static_cast<char*>(lMapping) + c.Offset, lStored, sizeof(lStored));
    NumericArray* lArray = NumericArray::FromMapping(lMapping, lBytes, c.Offset, c.Stored, c.Swapped, 5, 1, false);
    ASSERT_NE(lArray, nullptr);
    ArrayVector* lVector = new ArrayVector(lArray, 1, 4);
    const double* lDirect = lVector->GetDirectValues();
    EXPECT_EQ(lDirect != nullptr, c.Direct) << "offset " << c.Offset;
    if (lDirect) {
      EXPECT_EQ(std::vector<double>(lDirect, lDirect + 4), Read(lVector));
    }
    lVector->Release();
    lArray->Release();
  }
  NumericArray* lHeld = NumericArray::FromValues({0, 1, 2, 10, 11, 12}, 2, 3, true);
  ASSERT_NE(lHeld, nullptr);
  ArrayVector* lRow = new ArrayVector(lHeld, 3, 3);
  ArrayVector* lColumn = new ArrayVector(lHeld, 1, 2, 3);
  ASSERT_NE(lRow->GetDirectValues(), nullptr);
  EXPECT_EQ(lRow->GetDirectValues()[2], 12.0);
  EXPECT_EQ(lColumn->GetDirectValues(), nullptr);
  lRow->Release();
  lColumn->Release();
  lHeld->Release();
}

TEST(NumericArray, MemoryWithAnyStridesReadsAsTheSameValuesInCOrder) {
  // The 2 x 3 values {0, 1, 2, 10, 11, 12} laid out four ways in borrowed memory: C order,
  // Fortran order, rows reversed, and C order with a gap after each value; and a keeper that the
  // array holds until it goes.
  const std::vector<double> lExpected = {0, 1, 2, 10, 11, 12};
  const double lC[6] = {0, 1, 2, 10, 11, 12}, lF[6] = {0, 10, 1, 11, 2, 12}, lReversed[6] = {10, 11, 12, 0, 1, 2};
  const double lGaps[12] = {0, -1, 1, -1, 2, -1, 10, -1, 11, -1, 12, -1};
  const std::ptrdiff_t d = sizeof(double);
  struct Case {
    const double* Data;
    std::ptrdiff_t RowStride, ColumnStride;
    bool Direct;
  };
  for (const Case& c : {Case{lC, 3 * d, d, true}, Case{lF, d, 2 * d, true}, Case{lReversed + 3, -3 * d, d, true},
                        Case{lGaps, 6 * d, 2 * d, true}}) {
    CATBaseUnknown* lKeeper = new CATBaseUnknown();
    NumericArray* lArray =
        NumericArray::FromMemory(c.Data, c.RowStride, c.ColumnStride, NumericArray::Stored::Float64, false, 2, 3, true,
                                 lKeeper);
    ASSERT_NE(lArray, nullptr);
    EXPECT_EQ(lKeeper->Release(), 1u) << "the array holds the keeper";
    std::vector<double> lFlat(6), lOneByOne;
    EXPECT_EQ(lArray->GetValues(0, 6, lFlat.data()), 6u);
    for (unsigned long long i = 0; i < 6; ++i) lOneByOne.push_back(lArray->GetValue(i));
    EXPECT_EQ(lFlat, lExpected) << "row stride " << c.RowStride;
    EXPECT_EQ(lOneByOne, lExpected);
    double lTail[2] = {};
    EXPECT_EQ(lArray->GetValues(2, 2, lTail), 2u);  // across a row's end
    EXPECT_EQ(lTail[0], 2.0);
    EXPECT_EQ(lTail[1], 10.0);
    double lMin = 0, lMax = 0;
    ASSERT_TRUE(lArray->GetFiniteRange(lMin, lMax));
    EXPECT_EQ(lMin, 0.0);
    EXPECT_EQ(lMax, 12.0);
    // The matrix view reads forward strides in place and refuses backward ones.
    ArrayMatrix* lMatrix = new ArrayMatrix(lArray);
    unsigned long long lStrideX = 0, lStrideZ = 0;
    const double* lDirect = lMatrix->GetDirectValues(lStrideX, lStrideZ);
    EXPECT_EQ(lDirect != nullptr, c.RowStride > 0);
    if (lDirect) {
      EXPECT_EQ(lDirect[1 * lStrideZ + 2 * lStrideX], 12.0);
    }
    lMatrix->Release();
    lArray->Release();
  }
}
