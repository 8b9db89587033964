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
  QVTFdd2DAxisDrawing::eTickPosition TickPosition() const { return _TickPosition; }
};

struct RegistrationRow {
  const char* name;
  CATMetaClass* (*meta)();
  CATBaseUnknown* (*create)();
  std::vector<const char*> kinds;
  std::vector<const char*> notKinds;
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
                    QVTFdd2DAxisDrawing::eCentered, lOccupied);
    lOccupied = QVTFddMathRegion(0.00001, nullptr);  // the part has its own copy
    EXPECT_EQ(lPart.Start(), CATMathPoint2D(1, 2));
    EXPECT_EQ(lPart.End(), CATMathPoint2D(3, 4));
    EXPECT_DOUBLE_EQ(lPart.Direction().GetY(), -1.0);
    EXPECT_FLOAT_EQ(lPart.TextHeight(), 2.5f);
    EXPECT_EQ(lPart.Font(), lFont);
    EXPECT_EQ(lPart.TickPosition(), QVTFdd2DAxisDrawing::eCentered);
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
  const RegistrationRow lRows[] = {
      {"QVTFdd2DAxisPart",
       &QVTFdd2DAxisPart::MetaObject,
       &QVTFdd2DAxisPart::CreateItself,
       {"QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisLabelPart", "CATGraphicPrimitive"}},
      {"QVTFdd2DAxisLabelPart",
       &QVTFdd2DAxisLabelPart::MetaObject,
       &QVTFdd2DAxisLabelPart::CreateItself,
       {"QVTFdd2DAxisLabelPart", "QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisText", "QVTFdd2DAxisTickPart"}},
      {"QVTFdd2DAxisText",
       &QVTFdd2DAxisText::MetaObject,
       &QVTFdd2DAxisText::CreateItself,
       {"QVTFdd2DAxisText", "CATBaseUnknown"},
       {"QVTFdd2DAxisPart", "CATGraphicPrimitive"}},
      {"QVTFdd2DLineGP",
       &QVTFdd2DLineGP::MetaObject,
       &QVTFdd2DLineGP::CreateItself,
       {"QVTFdd2DLineGP", "CAT2DLineGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CATDynamicGP", "CAT2DRep"}},
      {"QVTFdd2DEmptyAxisRep",
       &QVTFdd2DEmptyAxisRep::MetaObject,
       &QVTFdd2DEmptyAxisRep::CreateItself,
       {"QVTFdd2DEmptyAxisRep", "CAT2DRep", "CATBaseUnknown"},
       {"CATGraphicPrimitive", "CAT3DRep"}},
      {"QVTFddSizeRender",
       &QVTFddSizeRender::MetaObject,
       &QVTFddSizeRender::CreateItself,
       {"QVTFddSizeRender", "CATRender", "CATBaseUnknown"},
       {"CATPickingRender", "CATGraphicPrimitive"}},
  };
  for (const RegistrationRow& lRow : lRows) {
    CATMetaClass* lMeta = lRow.meta();
    ASSERT_NE(lMeta, nullptr);
    EXPECT_STREQ(lMeta->GetName(), lRow.name);
    EXPECT_STREQ(lMeta->GetFramework(), "QVTFunctionDisplayD") << lRow.name;
    EXPECT_EQ(lMeta->GetKind(), 1) << lRow.name;
    for (const char* lKind : lRow.kinds) EXPECT_TRUE(lMeta->IsAKindOf(lKind)) << lRow.name << " " << lKind;
    for (const char* lKind : lRow.notKinds) EXPECT_FALSE(lMeta->IsAKindOf(lKind)) << lRow.name << " " << lKind;
    EXPECT_EQ(lRow.create(), nullptr) << lRow.name;
    lRow.meta();
    EXPECT_EQ(CATMetaClass::RetrieveCount(lRow.name), 1) << lRow.name;
  }

  // Instances answer with their own class.
  QVTFddSizeRender lRender;
  EXPECT_STREQ(lRender.IsA(), "QVTFddSizeRender");
  EXPECT_TRUE(lRender.IsAKindOf("CATRender"));
  QVTFdd2DAxisText lText;
  EXPECT_EQ(lText.GetMetaObject(), QVTFdd2DAxisText::MetaObject());
  QVTFdd2DAxisLabelPart lLabel(CATMathPoint2D(0, 0), CATMathPoint2D(1, 0), CATMathDirection2D(0, -1), 1.0f, nullptr,
                               QVTFdd2DAxisDrawing::eOutside, QVTFddMathRegion(0.00001, nullptr), "x");
  EXPECT_TRUE(lLabel.IsAKindOf("QVTFdd2DAxisPart"));
  EXPECT_STREQ(lLabel.IsA(), "QVTFdd2DAxisLabelPart");
}
