#include <gtest/gtest.h>

#include <string>

#include "QVTFdd2DAxisDrawing.h"
#include "QVTFdd2DAxisGP.h"
#include "QVTFdd2DAxisLabelPart.h"
#include "QVTFdd2DAxisLimitPart.h"
#include "QVTFdd2DAxisMajorTickPart.h"
#include "QVTFdd2DAxisPart.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFdd2DAxisTickPart.h"
#include "QVTFdd2DBarGP.h"
#include "QVTFdd2DCurveGP.h"
#include "QVTFdd2DCurveSymbolsGP.h"
#include "QVTFdd2DDiscreteAxisValuesPart.h"
#include "QVTFdd2DEmptyAxisRep.h"
#include "QVTFdd2DLineGP.h"
#include "QVTFdd3DAxisTickRep.h"
#include "QVTFddColormapGP.h"
#include "QVTFddColormapRep.h"
#include "QVTFddContributionBarGP.h"
#include "QVTFddContributionBarRep.h"
#include "QVTFddSizeRender.h"
#include "CATMetaClass.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFddModule.h"
#include "QVTFddModuleFrame.h"

TEST(QVTFddModuleFrame, LogIsNamedForTheModule) {
  EXPECT_EQ(QVTFddModuleLog().GetDomain(), "Fdp");
  EXPECT_EQ(QVTFddModuleLog().GetModule(), "QVTFddRep");
}

TEST(QVTFddModuleFrame, AssertionRecordCarriesSourcePathLineTypeAndText) {
  unsigned long long lBefore = QVTFddModuleLog().Count();
  const int lLine = __LINE__ + 1;
  QVTFDD_ASSERTION("QVTFddPixelJob", "iMaxLimit <= iMinLimit");
  ASSERT_EQ(QVTFddModuleLog().Count(), lBefore + 1);
  const QVTSydLogRecord& lRecord = QVTFddModuleLog().Records().back();
  EXPECT_EQ(lRecord.Source, "QVTFunctionDisplayD\\QVTFddRep.m\\src\\QVTFddPixelJob");
  EXPECT_EQ(lRecord.Line, lLine);
  EXPECT_EQ(lRecord.Type, 0);
  EXPECT_EQ(lRecord.Text, "iMaxLimit <= iMinLimit");
}

// Each registered class of the module: its name, then the names its IsAKindOf accepts along the
// registered chain, then names it must refuse. The one table of the module's registrations.
struct RegistrationRow {
  const char* name;
  CATMetaClass* (*meta)();
  CATBaseUnknown* (*create)();
  std::vector<const char*> kinds;
  std::vector<const char*> notKinds;
};
#define CLASS_ROW(Class) #Class, &Class::MetaObject, &Class::CreateItself

TEST(QVTFddModuleFrame, RegistrationTable) {
  const RegistrationRow lRows[] = {
      {CLASS_ROW(QVTFdd2DBackgroundGP), {"QVTFdd2DBackgroundGP", "CATDynamicGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CAT2DRep", "CATRender", "QVTFdd2DBarGP"}},
      {CLASS_ROW(QVTFdd2DCurveGP), {"QVTFdd2DCurveGP", "CAT2DRep", "CATBaseUnknown"},
       {"CATDynamicGP", "CATGraphicPrimitive", "QVTFdd2DCurveSymbolsGP"}},
      {CLASS_ROW(QVTFdd2DCurveSymbolsGP), {"QVTFdd2DCurveSymbolsGP", "CATDynamicGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CAT2DRep", "QVTFdd2DCurveGP"}},
      {CLASS_ROW(QVTFdd2DBarGP), {"QVTFdd2DBarGP", "CATDynamicGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CAT2DRep", "CATRender"}},
      {CLASS_ROW(QVTFddColormapGP), {"QVTFddColormapGP", "CATDynamicGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CAT2DRep", "QVTFddColormapRep"}},
      {CLASS_ROW(QVTFddColormapRep), {"QVTFddColormapRep", "CATBaseUnknown"},
       {"CAT2DRep", "CATRep", "QVTFddColormapGP"}},
      {CLASS_ROW(QVTFddContributionBarGP), {"QVTFddContributionBarGP", "CAT2DRep", "CATBaseUnknown"},
       {"CATDynamicGP", "CATGraphicPrimitive"}},
      {CLASS_ROW(QVTFddContributionBarRep), {"QVTFddContributionBarRep", "CATBaseUnknown"},
       {"CAT2DRep", "QVTFddContributionBarGP"}},
      {CLASS_ROW(QVTFdd2DAxisPart), {"QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisLabelPart", "CATGraphicPrimitive"}},
      {CLASS_ROW(QVTFdd2DAxisLabelPart), {"QVTFdd2DAxisLabelPart", "QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisText", "QVTFdd2DAxisTickPart"}},
      {CLASS_ROW(QVTFdd2DAxisText), {"QVTFdd2DAxisText", "CATBaseUnknown"},
       {"QVTFdd2DAxisPart", "CATGraphicPrimitive"}},
      {CLASS_ROW(QVTFdd2DLineGP), {"QVTFdd2DLineGP", "CAT2DLineGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CATDynamicGP", "CAT2DRep"}},
      {CLASS_ROW(QVTFdd2DEmptyAxisRep), {"QVTFdd2DEmptyAxisRep", "CAT2DRep", "CATBaseUnknown"},
       {"CATGraphicPrimitive", "CAT3DRep"}},
      {CLASS_ROW(QVTFddSizeRender), {"QVTFddSizeRender", "CATRender", "CATBaseUnknown"},
       {"CATPickingRender", "CATGraphicPrimitive"}},
      {CLASS_ROW(QVTFdd2DAxisDrawing), {"QVTFdd2DAxisDrawing", "CATBaseUnknown"},
       {"CATGraphicPrimitive", "QVTFdd2DAxisPart"}},
      {CLASS_ROW(QVTFdd2DAxisGP), {"QVTFdd2DAxisGP", "CATDynamicGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CAT2DLineGP", "QVTFdd2DAxisDrawing"}},
      {CLASS_ROW(QVTFdd2DAxisTickPart), {"QVTFdd2DAxisTickPart", "QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisMajorTickPart", "QVTFdd2DAxisLabelPart"}},
      {CLASS_ROW(QVTFdd2DAxisMajorTickPart), {"QVTFdd2DAxisMajorTickPart", "QVTFdd2DAxisTickPart", "QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisLimitPart"}},
      {CLASS_ROW(QVTFdd2DAxisLimitPart), {"QVTFdd2DAxisLimitPart", "QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisTickPart"}},
      {CLASS_ROW(QVTFdd2DDiscreteAxisValuesPart), {"QVTFdd2DDiscreteAxisValuesPart", "QVTFdd2DAxisPart", "CATBaseUnknown"},
       {"QVTFdd2DAxisLabelPart"}},
      {CLASS_ROW(QVTFdd3DAxisTickRep), {"QVTFdd3DAxisTickRep", "CAT3DRep", "CATBaseUnknown"},
       {"CAT2DRep", "CATGraphicPrimitive"}},
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
    // One host call per class, however often the meta-object is asked for.
    lRow.meta();
    EXPECT_EQ(CATMetaClass::RetrieveCount(lRow.name), 1) << lRow.name;
  }
}

TEST(QVTFddModuleFrame, MetaObjectOperationsOfAnInstance) {
  QVTFdd2DBackgroundGP* lGP = new QVTFdd2DBackgroundGP(CATMathPoint2D(0, 0), CATMathPoint2D(1, 1), 0);
  ASSERT_NE(lGP, nullptr);
  EXPECT_STREQ(lGP->IsA(), "QVTFdd2DBackgroundGP");
  EXPECT_STREQ(QVTFdd2DBackgroundGP::ClassName(), "QVTFdd2DBackgroundGP");
  EXPECT_EQ(lGP->GetMetaObject(), QVTFdd2DBackgroundGP::MetaObject());
  EXPECT_EQ(&QVTFdd2DBackgroundGP::ClassId(), &QVTFdd2DBackgroundGP::MetaObject()->GetClassId());
  EXPECT_EQ(QVTFdd2DBackgroundGP::CreateItself(), nullptr);
  EXPECT_TRUE(lGP->IsAKindOf("CATDynamicGP"));
  lGP->Destroy();
}
