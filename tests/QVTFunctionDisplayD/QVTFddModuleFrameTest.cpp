#include <gtest/gtest.h>

#include <string>

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

// Each registered class: its name, then the names its IsAKindOf accepts along the registered
// chain, then names it must refuse. Rows are added as the module's classes are built.
struct RegistrationRow {
  const char* name;
  CATMetaClass* (*meta)();
  std::vector<const char*> kinds;
  std::vector<const char*> notKinds;
};

TEST(QVTFddModuleFrame, RegistrationTable) {
  const RegistrationRow lRows[] = {
      {"QVTFdd2DBackgroundGP", &QVTFdd2DBackgroundGP::MetaObject,
       {"QVTFdd2DBackgroundGP", "CATDynamicGP", "CATGraphicPrimitive", "CATBaseUnknown"},
       {"CAT2DRep", "CATRender", "QVTFdd2DBarGP"}},
  };
  for (const RegistrationRow& lRow : lRows) {
    CATMetaClass* lMeta = lRow.meta();
    ASSERT_NE(lMeta, nullptr);
    EXPECT_STREQ(lMeta->GetName(), lRow.name);
    EXPECT_STREQ(lMeta->GetFramework(), "QVTFunctionDisplayD") << lRow.name;
    EXPECT_EQ(lMeta->GetKind(), 1) << lRow.name;
    for (const char* lKind : lRow.kinds) EXPECT_TRUE(lMeta->IsAKindOf(lKind)) << lRow.name << " " << lKind;
    for (const char* lKind : lRow.notKinds) EXPECT_FALSE(lMeta->IsAKindOf(lKind)) << lRow.name << " " << lKind;
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
