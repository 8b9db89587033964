#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "QVTFddModule.h"
#include "QVTFddTestLog.h"
#include "QVTFddVirtualVector.h"

namespace {

}  // namespace

TEST(QVTFddVirtualVector, WindowAndSpare) {
  QVTFddVirtualVector lVector(5, 3);
  ASSERT_EQ(lVector.GetSize(), 5);
  unsigned long long lBefore = QVTFddModuleLog().Count();
  // Positions 3 to 7 are stored, default empty jobs.
  for (int i = 3; i <= 7; ++i) {
    EXPECT_EQ(lVector.Get(i), QVTFddPixelJob());
    lVector.At(i) = QVTFddPixelJob::Index(i * 10);
  }
  for (int i = 3; i <= 7; ++i) EXPECT_EQ(lVector.Get(i), QVTFddPixelJob::Index(i * 10));
  EXPECT_TRUE(testlog::Since(lBefore, "QVTFddVirtualVector").empty());

  // A write outside the window lands in the spare, which then answers for that position only.
  lVector.At(10) = QVTFddPixelJob::Range(1, 2);
  EXPECT_EQ(lVector.Get(10), QVTFddPixelJob::Range(1, 2));
  EXPECT_TRUE(testlog::Since(lBefore, "QVTFddVirtualVector").empty());
  EXPECT_EQ(lVector.Get(11), QVTFddPixelJob::Range(1, 2));
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddVirtualVector"), std::vector<std::string>{testlog::kVirtualError});

  // The next write outside the window takes the spare over; the window is untouched.
  lVector.At(1) = QVTFddPixelJob::Index(99);
  lBefore = QVTFddModuleLog().Count();
  EXPECT_EQ(lVector.Get(1), QVTFddPixelJob::Index(99));
  EXPECT_EQ(lVector.Get(3), QVTFddPixelJob::Index(30));
  EXPECT_TRUE(testlog::Since(lBefore, "QVTFddVirtualVector").empty());
  lVector.Get(10);
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddVirtualVector"), std::vector<std::string>{testlog::kVirtualError});
}

TEST(QVTFddVirtualVector, NegativePositionsAreLoggedAndKeepTheSparePosition) {
  QVTFddVirtualVector lVector(5, 3);
  lVector.At(10) = QVTFddPixelJob::Index(4);
  unsigned long long lBefore = QVTFddModuleLog().Count();
  QVTFddPixelJob& lSpare = lVector.At(-1);
  EXPECT_EQ(lSpare, QVTFddPixelJob::Index(4));
  EXPECT_EQ(lVector.Get(-7), QVTFddPixelJob::Index(4));
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddVirtualVector"),
            (std::vector<std::string>{testlog::kNegativeIndex, testlog::kNegativeIndex}));
  // The spare still stands for position 10.
  lBefore = QVTFddModuleLog().Count();
  EXPECT_EQ(lVector.Get(10), QVTFddPixelJob::Index(4));
  EXPECT_TRUE(testlog::Since(lBefore, "QVTFddVirtualVector").empty());
}

TEST(QVTFddVirtualVector, FillInterpolatesOrTakesTheNearerSample) {
  const QVTFddPixelJob lA = QVTFddPixelJob::Range(2, 5), lB = QVTFddPixelJob::Index(6);
  QVTFddVirtualVector lVector(11, 0);
  lVector.Fill(1, 0, 10, lA, lB);
  EXPECT_EQ(lVector.Get(0), QVTFddPixelJob());
  EXPECT_EQ(lVector.Get(10), QVTFddPixelJob());
  for (int p = 1; p <= 9; ++p) {
    const QVTFddPixelJob& j = lVector.Get(p);
    EXPECT_EQ(j._Type, QVTFddPixelJob::InterpolationJob);
    EXPECT_EQ(j._First, 5);  // the last sample of the job before the gap
    EXPECT_EQ(j._Second, 6);
    EXPECT_DOUBLE_EQ(j._Fraction, p / 10.0);
  }

  QVTFddVirtualVector lNearest(11, 0);
  lNearest.Fill(0, 0, 10, lA, lB);
  for (int p = 1; p <= 9; ++p) EXPECT_EQ(lNearest.Get(p), QVTFddPixelJob::Index(p <= 5 ? 5 : 6)) << p;

  // Gaps of one, two and three free positions: the earlier sample takes the middle.
  const int lGaps[][2] = {{2, 1}, {3, 2}, {4, 2}};
  for (const auto& lGap : lGaps) {
    QVTFddVirtualVector lSmall(8, 0);
    lSmall.Fill(0, 0, lGap[0], lA, lB);
    for (int p = 1; p < lGap[0]; ++p)
      EXPECT_EQ(lSmall.Get(p), QVTFddPixelJob::Index(p <= lGap[1] ? 5 : 6)) << lGap[0] << " " << p;
  }

  // Adjacent or reversed positions write nothing.
  QVTFddVirtualVector lNone(8, 0);
  lNone.Fill(1, 3, 4, lA, lB);
  lNone.Fill(1, 6, 2, lA, lB);
  for (int p = 0; p < 8; ++p) EXPECT_EQ(lNone.Get(p), QVTFddPixelJob());
}

TEST(QVTFddVirtualVector, FillWritesOnlyTheWindow) {
  QVTFddVirtualVector lVector(11, 5);
  unsigned long long lBefore = QVTFddModuleLog().Count();
  lVector.Fill(1, 0, 10, QVTFddPixelJob::Index(0), QVTFddPixelJob::Index(1));
  for (int p = 5; p <= 9; ++p) EXPECT_DOUBLE_EQ(lVector.Get(p)._Fraction, p / 10.0);
  for (int p = 10; p <= 15; ++p) EXPECT_EQ(lVector.Get(p), QVTFddPixelJob());
  EXPECT_TRUE(testlog::Since(lBefore, "QVTFddVirtualVector").empty());
  // Writes outside the window do not move the spare either.
  lVector.Get(3);
  EXPECT_EQ(testlog::Since(lBefore, "QVTFddVirtualVector"), std::vector<std::string>{testlog::kVirtualError});

  // A gap of two billion positions costs only the window.
  QVTFddVirtualVector lFar(4, 1000);
  lFar.Fill(1, INT_MIN, INT_MAX, QVTFddPixelJob::Index(0), QVTFddPixelJob::Index(1));
  EXPECT_NEAR(lFar.Get(1000)._Fraction, (1000.0 - INT_MIN) / (double(INT_MAX) - INT_MIN), 1e-12);
  lFar.Fill(0, INT_MIN, INT_MAX, QVTFddPixelJob::Index(0), QVTFddPixelJob::Index(1));
  EXPECT_EQ(lFar.Get(1003), QVTFddPixelJob::Index(1));
}

TEST(QVTFddVirtualVector, WindowsAtTheIntLimitsAndWithoutStorage) {
  // A window that ends at INT_MAX: no position arithmetic overflows.
  QVTFddVirtualVector lTop(4, INT_MAX - 3);
  lTop.At(INT_MAX) = QVTFddPixelJob::Index(7);
  lTop.Fill(1, INT_MAX - 5, INT_MAX, QVTFddPixelJob::Index(0), QVTFddPixelJob::Index(1));
  EXPECT_EQ(lTop.Get(INT_MAX), QVTFddPixelJob::Index(7));
  EXPECT_DOUBLE_EQ(lTop.Get(INT_MAX - 1)._Fraction, 0.8);

  // No storage: every position goes through the spare.
  QVTFddVirtualVector lNone(0, 0);
  EXPECT_EQ(lNone.GetSize(), 0);
  lNone.At(2) = QVTFddPixelJob::Index(5);
  lNone.Fill(1, 0, 100, QVTFddPixelJob::Index(0), QVTFddPixelJob::Index(1));
  EXPECT_EQ(lNone.Get(2), QVTFddPixelJob::Index(5));
  QVTFddVirtualVector lNegative(-3, 0);
  EXPECT_EQ(lNegative.GetSize(), 0);
}
