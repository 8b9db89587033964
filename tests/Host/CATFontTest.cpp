// Text metrics of CATFont: the measure that layout relies on and that the Cairo render draws.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "CAT2DGeometricTextGP.h"
#include "CATFont.h"

namespace {

struct Releaser {
  void operator()(CATBaseUnknown* iObject) const {
    if (iObject) iObject->Release();
  }
};
using FontPtr = std::unique_ptr<CATFont, Releaser>;

CAT2DBoundingBox BoxOf(const char* iText, float iHeight, const CATFont* iFont) {
  CAT2DGeomTextAttributeSet lSet;
  lSet.Height = iHeight;
  lSet.Font = iFont;
  CAT2DBoundingBox lBox;
  CATFont::sComputeTextGlobalMetrics(lBox, iText, lSet, iFont);
  return lBox;
}

float WidthOf(const CAT2DBoundingBox& iBox) { return iBox.GetXMax() - iBox.GetXMin(); }
float HeightOf(const CAT2DBoundingBox& iBox) { return iBox.GetYMax() - iBox.GetYMin(); }

class CATFontDefault : public ::testing::Test {
 protected:
  void SetUp() override {
    _Font.reset(CATFont::CreateDefault());
    ASSERT_NE(_Font, nullptr) << "DejaVu Sans is needed (fonts-dejavu-core)";
  }
  FontPtr _Font;
};

}  // namespace

TEST_F(CATFontDefault, IsDejaVuSansSharedByEveryInstance) {
  EXPECT_EQ(_Font->GetFamily(), "DejaVu Sans");
  EXPECT_FALSE(_Font->IsFixedMetric());
  ASSERT_NE(_Font->GetDrawingFace(), nullptr);
  FontPtr lOther(CATFont::CreateDefault());
  ASSERT_NE(lOther, nullptr);
  EXPECT_NE(lOther.get(), _Font.get());
  EXPECT_EQ(lOther->GetDrawingFace(), _Font->GetDrawingFace());
  // Releasing one instance leaves the shared face usable by the other.
  const double lBefore = _Font->GetAdvance("shared");
  lOther.reset();
  EXPECT_EQ(_Font->GetAdvance("shared"), lBefore);
  // Sans-serif proportions: an em of roughly 1.1 to 1.3 with most of it above the baseline.
  EXPECT_GT(_Font->GetAscent(), 0.7);
  EXPECT_LT(_Font->GetAscent(), 1.1);
  EXPECT_GT(_Font->GetDescent(), 0.1);
  EXPECT_LT(_Font->GetDescent(), 0.4);
}

TEST_F(CATFontDefault, WidthGrowsWithTheTextAndIsTheSumOfItsParts) {
  EXPECT_GT(_Font->GetAdvance("1000"), _Font->GetAdvance("100"));
  EXPECT_GT(_Font->GetAdvance("WWW"), _Font->GetAdvance("iii"));  // proportional, not monospaced
  // No kerning or hinting: the measure of a text is the sum of the measures of its pieces.
  EXPECT_NEAR(_Font->GetAdvance("Tokyo AV"), _Font->GetAdvance("To") + _Font->GetAdvance("kyo AV"), 1e-9);
  // Multi-byte characters are one glyph each.
  EXPECT_NEAR(_Font->GetAdvance("\xC3\xA9"), _Font->GetAdvance("e"), 0.05);
}

TEST_F(CATFontDefault, BoxIsLinearInTheHeightAndItsHeightDoesNotDependOnTheText) {
  const CAT2DBoundingBox lSmall = BoxOf("Sample 123", 3.0f, _Font.get());
  const CAT2DBoundingBox lLarge = BoxOf("Sample 123", 7.0f, _Font.get());
  EXPECT_EQ(lSmall.GetXMin(), 0.0f);
  EXPECT_EQ(lSmall.GetYMin(), 0.0f);
  EXPECT_FLOAT_EQ(WidthOf(lLarge) / 7.0f, WidthOf(lSmall) / 3.0f);
  EXPECT_FLOAT_EQ(HeightOf(lLarge) / 7.0f, HeightOf(lSmall) / 3.0f);
  EXPECT_FLOAT_EQ(WidthOf(lSmall), float(_Font->GetAdvance("Sample 123") * 3.0));
  const float lPerUnit = float(_Font->GetAscent() + _Font->GetDescent());
  EXPECT_FLOAT_EQ(HeightOf(lSmall), 3.0f * lPerUnit);
  EXPECT_FLOAT_EQ(HeightOf(BoxOf("...", 3.0f, _Font.get())), HeightOf(BoxOf("\xC3\x89gjpq|", 3.0f, _Font.get())));
}

TEST_F(CATFontDefault, BadTextAndHeightsGiveEmptyOrZeroWidthBoxes) {
  const CAT2DBoundingBox lEmpty = BoxOf("", 10.0f, _Font.get());
  ASSERT_FALSE(lEmpty.IsEmpty());
  EXPECT_EQ(WidthOf(lEmpty), 0.0f);
  EXPECT_FLOAT_EQ(HeightOf(lEmpty), float(10.0 * (_Font->GetAscent() + _Font->GetDescent())));
  EXPECT_TRUE(BoxOf("abc", std::numeric_limits<float>::quiet_NaN(), _Font.get()).IsEmpty());
  EXPECT_TRUE(BoxOf("abc", -2.0f, _Font.get()).IsEmpty());
  EXPECT_TRUE(BoxOf("abc", std::numeric_limits<float>::infinity(), _Font.get()).IsEmpty());
  EXPECT_TRUE(BoxOf("abc", 10.0f, nullptr).IsEmpty());
  const CAT2DBoundingBox lZero = BoxOf("abc", 0.0f, _Font.get());
  EXPECT_EQ(WidthOf(lZero), 0.0f);
  EXPECT_EQ(HeightOf(lZero), 0.0f);
}

TEST_F(CATFontDefault, InvalidUtf8IsMeasuredAndLeavesTheFontWorking) {
  const double lBefore = _Font->GetAdvance("abc");
  const char lBroken[] = {'a', char(0xFF), char(0xC3), 'b', char(0xED), char(0xA0), char(0x80), char(0xF4), 0};
  const double lAdvance = _Font->GetAdvance(lBroken);
  EXPECT_TRUE(std::isfinite(lAdvance));
  EXPECT_GT(lAdvance, _Font->GetAdvance("ab"));  // the bad bytes are drawn as replacement glyphs
  EXPECT_EQ(_Font->GetAdvance("abc"), lBefore);
  EXPECT_EQ(_Font->GetAdvance(std::string("a\0b", 3)), _Font->GetAdvance("ab"));
}

TEST(CATFont, FixedMetricGivesExactNumbers) {
  FontPtr lFont(CATFont::CreateFixedMetric(0.5, 0.75, 0.25));
  ASSERT_NE(lFont, nullptr);
  EXPECT_TRUE(lFont->IsFixedMetric());
  EXPECT_EQ(lFont->GetDrawingFace(), nullptr);
  EXPECT_EQ(lFont->GetAdvance("abcd"), 2.0);
  EXPECT_EQ(lFont->GetAdvance("h\xC3\xA9llo \xE2\x82\xAC"), 3.5);  // code points, not bytes
  EXPECT_EQ(lFont->GetAdvance("\xFF\xFE"), 1.0);                   // one replacement per bad byte
  const CAT2DBoundingBox lBox = BoxOf("abcd", 10.0f, lFont.get());
  EXPECT_TRUE(lBox == CAT2DBoundingBox(0.0f, 20.0f, 0.0f, 10.0f));
  EXPECT_TRUE(BoxOf("", 10.0f, lFont.get()) == CAT2DBoundingBox(0.0f, 0.0f, 0.0f, 10.0f));

  FontPtr lDefaults(CATFont::CreateFixedMetric());
  ASSERT_NE(lDefaults, nullptr);
  EXPECT_EQ(lDefaults->GetAdvance("ab"), 1.2);
  EXPECT_EQ(lDefaults->GetAscent(), 0.8);
  EXPECT_EQ(lDefaults->GetDescent(), 0.2);
  EXPECT_EQ(CATFont::CreateFixedMetric(0.0), nullptr);
  EXPECT_EQ(CATFont::CreateFixedMetric(std::nan("")), nullptr);
  EXPECT_EQ(CATFont::CreateFixedMetric(0.5, std::numeric_limits<double>::infinity(), 0.2), nullptr);
}

TEST(CATFont, FromFileMeasuresLikeTheDefaultAndRefusesBadFiles) {
  EXPECT_EQ(CATFont::CreateFromFile(nullptr), nullptr);
  EXPECT_EQ(CATFont::CreateFromFile(""), nullptr);
  EXPECT_EQ(CATFont::CreateFromFile("/nonexistent/font.ttf"), nullptr);
  EXPECT_EQ(CATFont::CreateFromFile("/etc/hostname"), nullptr);  // not a font
  const char* lPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  FontPtr lFromFile(CATFont::CreateFromFile(lPath));
  if (!lFromFile) GTEST_SKIP() << lPath << " is not where Debian puts it";
  FontPtr lDefault(CATFont::CreateDefault());
  ASSERT_NE(lDefault, nullptr);
  EXPECT_EQ(lFromFile->GetFamily(), "DejaVu Sans");
  EXPECT_NE(lFromFile->GetDrawingFace(), lDefault->GetDrawingFace());
  EXPECT_DOUBLE_EQ(lFromFile->GetAdvance("Same text"), lDefault->GetAdvance("Same text"));
  EXPECT_DOUBLE_EQ(lFromFile->GetAscent(), lDefault->GetAscent());
}

TEST(CATFont, AttributeSetKeepsEveryValue) {
  FontPtr lFont(CATFont::CreateFixedMetric());
  const float lOrigin[2] = {1.0f, 2.0f};
  CAT2DGeomTextAttributeSet lSet;
  CATFont::sComputeGeomAttributeSet(lSet, lOrigin, "t", 4.5f, 1, 2, 3, lFont.get(), 7, 30.0f, 99.0f, 0.5f, 0.25f);
  EXPECT_EQ(lSet.Height, 4.5f);
  EXPECT_EQ(lSet.Font, lFont.get());
  EXPECT_EQ(lSet.Layout[0], 1);
  EXPECT_EQ(lSet.Layout[1], 2);
  EXPECT_EQ(lSet.Layout[2], 3);
  EXPECT_EQ(lSet.FontSlot, 7);
  EXPECT_EQ(lSet.WrapWidth, 99.0f);
  EXPECT_EQ(lSet.WidthRatio, 0.5f);
  EXPECT_EQ(lSet.Slant, 0.25f);
}

TEST(CATFont, GeometricTextBoxTurnsAboutItsOrigin) {
  FontPtr lFont(CATFont::CreateFixedMetric(0.5, 0.8, 0.2));
  const float lOrigin[2] = {10.0f, 20.0f};
  CAT2DGeometricTextGP* lText =
      new CAT2DGeometricTextGP(lOrigin, "abcd", 2.0f, 0, 0, 0, lFont.get(), 0, 90.0f, -10000.0f, 1.0f, 0.0f);
  ASSERT_NE(lText, nullptr);
  float lCorners[8];
  lText->GetBoundingBox(lCorners);
  // 4 wide and 2 tall before the turn; after a quarter turn the width runs up, the height left.
  const float lExpected[8] = {10.0f, 20.0f, 8.0f, 20.0f, 8.0f, 24.0f, 10.0f, 24.0f};
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(lCorners[i], lExpected[i], 1e-5f) << "value " << i;
  lText->Release();

  CAT2DGeometricTextGP* lNoFont =
      new CAT2DGeometricTextGP(lOrigin, "abcd", 2.0f, 0, 0, 0, nullptr, 0, 0.0f, -10000.0f, 1.0f, 0.0f);
  lNoFont->GetBoundingBox(lCorners);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(lCorners[i], lOrigin[i % 2]);
  lNoFont->Release();
}
