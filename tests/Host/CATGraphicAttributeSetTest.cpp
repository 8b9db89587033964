#include <gtest/gtest.h>

#include <cmath>

#include "CAT2DBoundingBox.h"
#include "CATGraphicAttributeSet.h"

TEST(CATGraphicAttributeSet, ThicknessLivesInBits18To23OfTheFirstWord) {
  CATGraphicAttributeSet lSet;
  EXPECT_EQ(lSet.GetLineWidth(), 1.0f);  // 0: the thinnest line
  lSet.SetFirstWord(0x5u);                // other bits are kept
  lSet.SetThickness(5);
  EXPECT_EQ(lSet.GetFirstWord(), (5u << 18) | 0x5u);
  EXPECT_EQ(lSet.GetLineWidth(), 5.0f);
  // Clearing bits 19 to 23 and setting bit 18 selects thickness 1.
  lSet.SetFirstWord((lSet.GetFirstWord() & 0xFF07FFFFu) | 0x00040000u);
  EXPECT_EQ(lSet.GetThickness(), 1);
  EXPECT_EQ(lSet.GetFirstWord() & 0x7u, 0x5u);
  lSet.SetThickness(1000);
  EXPECT_EQ(lSet.GetThickness(), 63);
  lSet.SetThickness(-4);
  EXPECT_EQ(lSet.GetThickness(), 0);
}

TEST(CATGraphicAttributeSet, ColourComponentsAreClampedToBytes) {
  CATGraphicAttributeSet lSet;
  lSet.SetColor(-5, 300, 128, 7);
  int r, g, b, a;
  lSet.GetColor(r, g, b, a);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(g, 255);
  EXPECT_EQ(b, 128);
  EXPECT_EQ(a, 7);
}

TEST(CAT2DBoundingBox, EmptyByDefaultAndNeutralForUnion) {
  CAT2DBoundingBox lBox;
  EXPECT_TRUE(lBox.IsEmpty());
  lBox += CAT2DBoundingBox();
  EXPECT_TRUE(lBox.IsEmpty());
  lBox += CAT2DBoundingBox(0, 10, 0, 5);
  EXPECT_EQ(lBox, CAT2DBoundingBox(0, 10, 0, 5));
  lBox += CAT2DBoundingBox(-2, 4, 1, 8);
  EXPECT_EQ(lBox, CAT2DBoundingBox(-2, 10, 0, 8));
  lBox += CAT2DBoundingBox();
  EXPECT_EQ(lBox, CAT2DBoundingBox(-2, 10, 0, 8));
  // A box with a NaN bound is empty and leaves the union unchanged.
  lBox += CAT2DBoundingBox(std::nanf(""), 100, 0, 100);
  EXPECT_EQ(lBox, CAT2DBoundingBox(-2, 10, 0, 8));
  // A point is not empty.
  EXPECT_FALSE(CAT2DBoundingBox(1, 1, 2, 2).IsEmpty());
}
