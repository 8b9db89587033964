#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ContributionSeries.h"
#include "MemoryDoubleVector.h"
#include "RefPtr.h"

// Arguments left out are counted by what they are: NaN, or without a place on a logarithmic axis.
TEST(ContributionSeries, LeftOutArgumentsAreNamedTruthfully) {
  const struct {
    bool log;
    const char* warning;
  } lCases[] = {{true, "left out 1 samples whose x is NaN and 2 samples whose x is at or below 0 on a logarithmic axis"},
                {false, "left out 1 samples whose x is NaN"}};
  for (const auto& c : lCases) {
    const RefPtr<MemoryDoubleVector> lArg(new MemoryDoubleVector({-1.0, 0.0, NAN, 1.0, 2.0}));
    const RefPtr<MemoryDoubleVector> lRes(new MemoryDoubleVector({1.0, 2.0, 3.0, 4.0, 5.0}));
    std::string lWarning;
    const auto lBar = ContributionSeries::Make(lArg.Get(), lRes.Get(), false, lWarning, AxisScale::Of(c.log));
    EXPECT_NE(lBar, nullptr);
    EXPECT_EQ(lWarning, c.warning);
  }
}
