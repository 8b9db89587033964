#include <gtest/gtest.h>

#include <vector>

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "QVTFddColormapRep.h"
#include "QVTFddColormapTestAxis.h"
#include "RecordingRender.h"

namespace {

// A render that refuses every representation.
class RefusingRender : public RecordingRender {
 public:
  int IsDrawable(const CATGraphicAttributeSet&, CATRep*, void*) override { return 0; }
};

}  // namespace

TEST(QVTFddColormapRep, DrawsThroughItsPrimitiveAndAnswersValues) {
  MemoryDoubleVector* lX = new MemoryDoubleVector({0.0, 10.0});
  MemoryDoubleMatrix* lV = new MemoryDoubleMatrix(2, 2, {0.0, 0.0, 10.0, 10.0});
  QVTFddColormapTestAxis* lAxis = new QVTFddColormapTestAxis();
  CAT2DViewpoint lViewpoint(CATMathPoint2D(0, 0), 1.0);
  {
    QVTFddColormapRep* lRep = new QVTFddColormapRep(CATMathBox2D(-5, 45, 2.5, 22.5), lX, 0, 10, 1, lX, 0, 10, 1, lV,
                                                    lAxis, nullptr, nullptr, 0, 0.0);
    EXPECT_EQ(lRep->GetBoundingElement(), CAT2DBoundingBox(-5, 45, 2.5, 22.5));
    double lValue = 0.0;
    EXPECT_EQ(lRep->GetValue(5, 5, lValue), E_FAIL);  // not drawn yet

    RefusingRender lRefusing;
    lRefusing.SetViewpoint(&lViewpoint, nullptr);
    lRep->DrawShading(lRefusing, 0);
    EXPECT_TRUE(lRefusing.Calls().empty());

    RecordingRender lRender;
    lRender.SetViewpoint(&lViewpoint, nullptr);
    lRep->DrawShading(lRender, 0);
    std::vector<RecordedCall> lCalls = lRender.CallsOf("ImmediateDraw2DImagePixel");
    ASSERT_EQ(lCalls.size(), 1u);
    EXPECT_EQ(lCalls[0].Floats, (std::vector<float>{-5, 2.5f}));
    EXPECT_EQ(lCalls[0].Ints[0], 50);
    EXPECT_EQ(lCalls[0].Ints[1], 20);
    ASSERT_EQ(lRep->GetValue(10, 5, lValue), S_OK);
    EXPECT_EQ(lValue, 10.0);

    // Copies have the box but no primitive; an assigned representation keeps its own.
    QVTFddColormapRep lCopy(*lRep);
    EXPECT_EQ(lCopy.GetBoundingElement(), lRep->GetBoundingElement());
    EXPECT_EQ(lCopy.GetValue(10, 5, lValue), E_FAIL);
    lRender.Clear();
    lCopy.DrawShading(lRender, 0);
    EXPECT_TRUE(lRender.Calls().empty());
    QVTFddColormapRep lEmpty;
    *lRep = lEmpty;
    EXPECT_TRUE(lRep->GetBoundingElement().IsEmpty());
    ASSERT_EQ(lRep->GetValue(10, 5, lValue), S_OK);
    EXPECT_EQ(lRep->GetRefCount(), 1u);
    lRep->Release();
  }
  {
    // The non-homogeneous constructor.
    MemoryDouble1p5D* lXRows = new MemoryDouble1p5D({{0.0, 10.0}, {0.0, 10.0}});
    MemoryDouble2DDim2NH* lRows = new MemoryDouble2DDim2NH({{1.0, 2.0}, {3.0, 4.0}});
    QVTFddColormapRep lRep(CATMathBox2D(0, 11, 0, 11), lXRows, 0, 10, 1, lX, 0, 10, 1, lRows, lAxis, nullptr, nullptr,
                           0, 0.0);
    RecordingRender lRender;
    lRender.SetViewpoint(&lViewpoint, nullptr);
    lRep.DrawShading(lRender, 0);
    double lValue = 0.0;
    ASSERT_EQ(lRep.GetValue(10, 10, lValue), S_OK);
    EXPECT_EQ(lValue, 4.0);
    lXRows->Release();
    lRows->Release();
  }
  QVTFddColormapRep lNone;
  double lValue = 0.0;
  EXPECT_EQ(lNone.GetValue(0, 0, lValue), E_FAIL);
  RecordingRender lRender;
  lNone.DrawShading(lRender, 0);
  EXPECT_TRUE(lRender.Calls().empty());
  for (CATBaseUnknown* lObject : std::vector<CATBaseUnknown*>{lX, lV, lAxis}) {
    EXPECT_EQ(lObject->GetRefCount(), 1u);
    lObject->Release();
  }
}
