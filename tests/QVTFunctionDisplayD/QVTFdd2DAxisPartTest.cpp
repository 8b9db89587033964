#include <gtest/gtest.h>

#include <vector>

#include "CATFont.h"
#include "CATMetaClass.h"
#include "QVTFdd2DAxisLabelPart.h"
#include "QVTFdd2DAxisPart.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFdd2DEmptyAxisRep.h"
#include "QVTFdd2DLineGP.h"
#include "QVTFddSizeRender.h"

namespace {

// A part that shows what the base keeps.
class ProbePart : public QVTFdd2DAxisPart {
 public:
  using QVTFdd2DAxisPart::QVTFdd2DAxisPart;
  ProbePart() = default;
  QVTFddMathRegion AddPrim(QVTFddGPList*&) override { return _Occupied; }
  const CATMathPoint2D& Start() const { return _Start; }
  const CATMathPoint2D& End() const { return _End; }
  const CATMathDirection2D& Direction() const { return _Direction; }
  float TextHeight() const { return _TextHeight; }
  CATFont* Font() const { return _Font; }
  QVTFdd2DAxisTickPosition::eTickPosition TickPosition() const { return _TickPosition; }
};

}  // namespace

TEST(QVTFdd2DAxisPart, KeepsTheGeometryAndBorrowsTheFont) {
  CATFont* lFont = CATFont::CreateFixedMetric();
  ASSERT_NE(lFont, nullptr);
  const ULONG lRefs = lFont->GetRefCount();
  QVTFddMathRegion lOccupied(CATMathBox2D(1, 2, 3, 4), 0.00001, nullptr, nullptr);
  QVTFddGPList* lList = nullptr;
  {
    ProbePart lPart(CATMathPoint2D(1, 2), CATMathPoint2D(3, 4), CATMathDirection2D(0, -2), 2.5f, lFont,
                    QVTFdd2DAxisTickPosition::eCentered, lOccupied);
    lOccupied = QVTFddMathRegion(0.00001, nullptr);  // the part has its own copy
    EXPECT_EQ(lPart.Start(), CATMathPoint2D(1, 2));
    EXPECT_EQ(lPart.End(), CATMathPoint2D(3, 4));
    EXPECT_DOUBLE_EQ(lPart.Direction().GetY(), -1.0);
    EXPECT_FLOAT_EQ(lPart.TextHeight(), 2.5f);
    EXPECT_EQ(lPart.Font(), lFont);
    EXPECT_EQ(lPart.TickPosition(), QVTFdd2DAxisTickPosition::eCentered);
    EXPECT_EQ(lPart.AddPrim(lList).mf_GetNbBoxes(), 1);
    EXPECT_EQ(lFont->GetRefCount(), lRefs);
  }
  EXPECT_EQ(lFont->GetRefCount(), lRefs);
  lFont->Release();

  ProbePart lDefault;
  EXPECT_EQ(lDefault.Start(), CATMathPoint2D(0, 0));
  EXPECT_EQ(lDefault.End(), CATMathPoint2D(0, 0));
  EXPECT_EQ(lDefault.Font(), nullptr);
  EXPECT_TRUE(lDefault.AddPrim(lList).mf_IsEmpty());
  EXPECT_EQ(lList, nullptr);
}

TEST(QVTFdd2DAxisPart, RegistrationOfTheAxisClasses) {

  // Instances answer with their own class.
  QVTFddSizeRender lRender;
  EXPECT_STREQ(lRender.IsA(), "QVTFddSizeRender");
  EXPECT_TRUE(lRender.IsAKindOf("CATRender"));
  QVTFdd2DAxisText lText;
  EXPECT_EQ(lText.GetMetaObject(), QVTFdd2DAxisText::MetaObject());
  QVTFdd2DAxisLabelPart lLabel(CATMathPoint2D(0, 0), CATMathPoint2D(1, 0), CATMathDirection2D(0, -1), 1.0f, nullptr,
                               QVTFdd2DAxisTickPosition::eOutside, QVTFddMathRegion(0.00001, nullptr), "x");
  EXPECT_TRUE(lLabel.IsAKindOf("QVTFdd2DAxisPart"));
  EXPECT_STREQ(lLabel.IsA(), "QVTFdd2DAxisLabelPart");
}
