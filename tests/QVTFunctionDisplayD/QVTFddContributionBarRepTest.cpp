#include <gtest/gtest.h>

#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATMetaClass.h"
#include "ColorScaleAxis.h"
#include "MemoryDoubleVector.h"
#include "QVTFddContributionBarGP.h"
#include "QVTFddContributionBarRep.h"
#include "RecordingRender.h"

namespace {

typedef QVTFddContributionAlgoLineair Algo;

// A render that refuses every representation.
class RefusingRender : public RecordingRender {
 public:
  int IsDrawable(const CATGraphicAttributeSet&, CATRep*, void*) override { return 0; }
};

}  // namespace

TEST(QVTFddContributionBarRep, Registration) {
  QVTFddContributionBarRep lRep;
  EXPECT_STREQ(lRep.IsA(), "QVTFddContributionBarRep");
  EXPECT_TRUE(lRep.IsAKindOf("CATBaseUnknown"));
  EXPECT_EQ(QVTFddContributionBarRep::CreateItself(), nullptr);
  EXPECT_EQ(QVTFddContributionBarGP::CreateItself(), nullptr);
  EXPECT_STREQ(QVTFddContributionBarGP::ClassName(), "QVTFddContributionBarGP");
}

TEST(QVTFddContributionBarRep, DrawsThroughItsPrimitiveAndAnswersValues) {
  MemoryDoubleVector* lArgs = new MemoryDoubleVector({0.0, 10.0});
  MemoryDoubleVector* lRes = new MemoryDoubleVector({0.0, 50.0});
  ColorScaleAxis* lAxis = new ColorScaleAxis(0, 50);
  QVTFddContributionBarRep* lRep = new QVTFddContributionBarRep(CATMathBox2D(-5, 15, 2, 4), Algo::HorizontalBar,
                                                                lArgs, 0.0, 10.0, lRes, lAxis);
  EXPECT_EQ(lRep->GetBoundingElement(), CAT2DBoundingBox(-5, 15, 2, 4));
  double lValue = -1.0;
  EXPECT_EQ(lRep->GetValue(5.0, lValue), E_FAIL);  // before the first draw

  CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 10.0);  // 10 pixels per unit: 200 x 20 pixels
  RefusingRender lRefusing;
  lRefusing.SetViewpoint(&lViewpoint, nullptr);
  lRep->DrawShading(lRefusing, 0);
  EXPECT_TRUE(lRefusing.Calls().empty());
  EXPECT_EQ(lRep->GetValue(5.0, lValue), E_FAIL);

  RecordingRender lRender;
  lRender.SetViewpoint(&lViewpoint, nullptr);
  lRep->DrawShading(lRender, 0);
  ASSERT_EQ(lRender.Calls().size(), 1u);
  EXPECT_EQ(lRender.Calls()[0].Op, "ImmediateDraw2DImagePixel");
  EXPECT_EQ(lRender.Calls()[0].Floats, (std::vector<float>{-5, 2}));
  EXPECT_EQ(lRender.Calls()[0].Ints[0], 200);
  EXPECT_EQ(lRender.Calls()[0].Ints[1], 20);
  EXPECT_EQ(lRep->GetValue(5.0, lValue), S_OK);
  EXPECT_NEAR(lValue, 25.0, 0.2);
  EXPECT_EQ(lRep->GetValue(11.0, lValue), E_FAIL);

  // Copies and assigned representations have no primitive: the one primitive is destroyed once.
  QVTFddContributionBarRep* lCopy = new QVTFddContributionBarRep(*lRep);
  EXPECT_EQ(lCopy->GetBoundingElement(), CAT2DBoundingBox(-5, 15, 2, 4));
  EXPECT_EQ(lCopy->GetValue(5.0, lValue), E_FAIL);
  lRender.Clear();
  lCopy->DrawShading(lRender, 0);
  EXPECT_TRUE(lRender.Calls().empty());

  MemoryDoubleVector* lOtherArgs = new MemoryDoubleVector({1.0, 2.0});
  QVTFddContributionBarRep* lAssigned = new QVTFddContributionBarRep(CATMathBox2D(0, 1, 0, 1), Algo::VerticalBar,
                                                                     lOtherArgs, 1.0, 2.0, lOtherArgs, lAxis);
  EXPECT_EQ(lOtherArgs->GetRefCount(), 3u);
  *lAssigned = *lRep;
  EXPECT_EQ(lOtherArgs->GetRefCount(), 1u);
  EXPECT_EQ(lAssigned->GetBoundingElement(), CAT2DBoundingBox(-5, 15, 2, 4));
  EXPECT_EQ(lAssigned->GetValue(5.0, lValue), E_FAIL);
  lAssigned->DrawShading(lRender, 0);
  EXPECT_TRUE(lRender.Calls().empty());

  lCopy->Release();
  lAssigned->Release();
  EXPECT_GT(lArgs->GetRefCount(), 1u);  // still held by the original's primitive
  lRep->Release();
  for (CATBaseUnknown* lObject : std::vector<CATBaseUnknown*>{lArgs, lRes, lAxis, lOtherArgs}) {
    EXPECT_EQ(lObject->GetRefCount(), 1u);
    lObject->Release();
  }
}

TEST(QVTFddContributionBarRep, WithoutAPrimitive) {
  QVTFddContributionBarRep lRep;
  RecordingRender lRender;
  CAT2DViewpoint lViewpoint;
  lRender.SetViewpoint(&lViewpoint, nullptr);
  lRep.DrawShading(lRender, 0);
  EXPECT_TRUE(lRender.Calls().empty());
  double lValue = 0.0;
  EXPECT_EQ(lRep.GetValue(0.0, lValue), E_FAIL);
  EXPECT_TRUE(lRep.GetBoundingElement().IsEmpty());
}
