#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "QVTFddSampleScan.h"
#include "QVTFddSimd.h"

TEST(QVTFddSampleScan, AgreesWithPlainLoopsOnRandomSamples) {
  // Every length up to a few vector widths past the unrolled loops, from every start within a
  // vector (misaligned loads), with NaN, infinities and repeated values, sorted and not; at every
  // instruction set the scans are compiled for that the machine has.
  const double kNaN = std::numeric_limits<double>::quiet_NaN(), kInf = std::numeric_limits<double>::infinity();
  for (int lLevel : {QVTFddSimd::eBaseline, QVTFddSimd::eAvx2}) {
  QVTFddSimd::SetCap(lLevel);
  SCOPED_TRACE(testing::Message() << "instruction set level " << QVTFddSimd::Level());
  std::mt19937 lRandom(7);
  std::uniform_real_distribution<double> lUniform(-1.0, 1.0);
  for (int lTrial = 0; lTrial < 400; ++lTrial) {
    std::vector<double> lValues(static_cast<size_t>(lTrial % 41) + 3);
    for (double& v : lValues) v = std::round(8.0 * lUniform(lRandom));
    if (lTrial % 2) std::sort(lValues.begin(), lValues.end());
    const size_t lAt = static_cast<size_t>(lRandom()) % lValues.size();
    if (lTrial % 5 == 1) lValues[lAt] = kNaN;
    if (lTrial % 5 == 2) lValues[lAt] = lTrial % 3 ? kInf : -kInf;
    if (lTrial % 7 == 3) std::fill(lValues.begin(), lValues.end(), kNaN);  // no number at all
    for (size_t lFirst = 0; lFirst < 3; ++lFirst) {
      const double* v = lValues.data() + lFirst;
      const size_t n = lValues.size() - lFirst;
      bool lAscending = !std::isnan(v[0]), lNaN = false, lNumber = false;
      double lMin = v[0], lMax = v[0], lLargest = -kInf;
      for (size_t i = 0; i < n; ++i) {
        lNaN |= std::isnan(v[i]);
        lNumber |= !std::isnan(v[i]);
        if (v[i] > lLargest) lLargest = v[i];
        if (i > 0) lAscending &= v[i - 1] <= v[i];
        lMin = std::min(lMin, v[i]);
        lMax = std::max(lMax, v[i]);
      }
      SCOPED_TRACE(testing::Message() << "trial " << lTrial << ", first " << lFirst);
      EXPECT_EQ(QVTFddSampleScan::IsAscending(v, n), lAscending);
      double lScanMin = 99.0, lScanMax = 99.0;
      EXPECT_EQ(QVTFddSampleScan::Extremes(v, n, lScanMin, lScanMax), !lNaN);
      if (!lNaN) {
        EXPECT_EQ(lScanMin, lMin);
        EXPECT_EQ(lScanMax, lMax);
      } else {
        EXPECT_EQ(lScanMin, 99.0);  // untouched
      }
      double lScanLargest = 99.0;
      EXPECT_EQ(QVTFddSampleScan::Maximum(v, n, lScanLargest), lNumber);
      EXPECT_EQ(lScanLargest, lNumber ? lLargest : 99.0);
    }
  }
  // Long vectors are scanned in blocks: a step back where two blocks meet is seen too.
  std::vector<double> lLong(10000);
  for (size_t i = 0; i < lLong.size(); ++i) lLong[i] = static_cast<double>(i / 3);
  EXPECT_TRUE(QVTFddSampleScan::IsAscending(lLong.data(), lLong.size()));
  lLong[4096] = lLong[4095] - 0.5;
  EXPECT_FALSE(QVTFddSampleScan::IsAscending(lLong.data(), lLong.size()));
  }
  QVTFddSimd::SetCap(QVTFddSimd::eAvx2);
}
