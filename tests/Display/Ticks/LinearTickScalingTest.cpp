#include <gtest/gtest.h>

#include <string>

#include "LinearTickScaling.h"

namespace {
const std::string kThin = "\xE2\x80\x89";
}

TEST(LinearTickScaling, CompactSpacedTextsAndIdentity) {
  LinearTickScaling* lScaling = new LinearTickScaling;
  ASSERT_NE(lScaling, nullptr);
  EXPECT_EQ(lScaling->ValueToText(0.1 + 0.2).ToUTF8(), kThin + "0.3" + kThin);
  EXPECT_EQ(lScaling->ValueToText(-0.0).ToUTF8(), kThin + "0" + kThin);
  EXPECT_EQ(lScaling->ValueToText(2.5e6).ToUTF8(), kThin + "2.5e+06" + kThin);
  EXPECT_EQ(lScaling->ValueToText(250000).ToUTF8(), kThin + "250000" + kThin);
  EXPECT_DOUBLE_EQ(lScaling->Scale(-17.25), -17.25);
  EXPECT_DOUBLE_EQ(lScaling->GetTextValue(3.5), 3.5);
  EXPECT_EQ(lScaling->GetRefCount(), 1u);
  lScaling->Release();
}
