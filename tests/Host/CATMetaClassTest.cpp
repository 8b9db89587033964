#include <gtest/gtest.h>

#include "CAT2DRep.h"
#include "CATBaseUnknown.h"
#include "CATDynamicGP.h"
#include "CATMetaClass.h"
#include "CATRender.h"

namespace {

// A host class registered under a base that is not its C++ base: IsAKindOf follows registration.
class RegisteredAsRep : public CATDynamicGP {
  HOST_META_DECLARE
};
HOST_META_IMPLEMENT(RegisteredAsRep, CAT2DRep, "Tests")

}  // namespace

TEST(CATMetaClass, ChainFollowsTheRegisteredBase) {
  RegisteredAsRep lObject;
  EXPECT_TRUE(lObject.IsAKindOf("RegisteredAsRep"));
  EXPECT_TRUE(lObject.IsAKindOf("CAT2DRep"));
  EXPECT_TRUE(lObject.IsAKindOf("CATBaseUnknown"));
  EXPECT_FALSE(lObject.IsAKindOf("CATDynamicGP"));
  EXPECT_FALSE(lObject.IsAKindOf("CATGraphicPrimitive"));
  EXPECT_FALSE(lObject.IsAKindOf(nullptr));
  EXPECT_STREQ(lObject.IsA(), "RegisteredAsRep");
  EXPECT_STREQ(RegisteredAsRep::ClassName(), "RegisteredAsRep");
  EXPECT_EQ(RegisteredAsRep::CreateItself(), nullptr);
  EXPECT_EQ(std::string(RegisteredAsRep::MetaObject()->GetFramework()), "Tests");
  EXPECT_EQ(RegisteredAsRep::MetaObject()->GetKind(), 1);
  EXPECT_EQ(RegisteredAsRep::MetaObject()->GetInstanceSize(), sizeof(RegisteredAsRep));
}

TEST(CATMetaClass, MetaObjectIsRetrievedOnceAndCached) {
  CATMetaClass* lFirst = RegisteredAsRep::MetaObject();
  int lCalls = CATMetaClass::RetrieveCount("RegisteredAsRep");
  EXPECT_EQ(lCalls, 1);
  EXPECT_EQ(RegisteredAsRep::MetaObject(), lFirst);
  RegisteredAsRep lObject;
  EXPECT_EQ(lObject.GetMetaObject(), lFirst);
  EXPECT_EQ(CATMetaClass::RetrieveCount("RegisteredAsRep"), lCalls);
}

TEST(CATMetaClass, ClassIdsAreStableAndDistinct) {
  EXPECT_EQ(&RegisteredAsRep::ClassId(), &RegisteredAsRep::ClassId());
  EXPECT_FALSE(RegisteredAsRep::ClassId() == CAT2DRep::ClassId());
  EXPECT_FALSE(CATDynamicGP::ClassId() == CATRender::ClassId());
}

TEST(CATBaseUnknown, ReferenceCountDeletesOnLastRelease) {
  struct Counted : CATBaseUnknown {
    explicit Counted(int* iDeleted) : _Deleted(iDeleted) {}
    ~Counted() override { ++*_Deleted; }
    int* _Deleted;
  };
  int lDeleted = 0;
  Counted* lObject = new Counted(&lDeleted);
  ASSERT_NE(lObject, nullptr);
  EXPECT_EQ(lObject->GetRefCount(), 1u);
  EXPECT_EQ(lObject->AddRef(), 2u);
  EXPECT_EQ(lObject->Release(), 1u);
  EXPECT_EQ(lDeleted, 0);
  EXPECT_EQ(lObject->Release(), 0u);
  EXPECT_EQ(lDeleted, 1);

  // A copy is a new object with its own single reference.
  Counted lOriginal(&lDeleted);
  lOriginal.AddRef();
  Counted lCopy(lOriginal);
  EXPECT_EQ(lCopy.GetRefCount(), 1u);
}

// An exhausted heap must give a null object, never an exception.
static_assert(noexcept(CATBaseUnknown::operator new(size_t(1))), "the allocator must not throw");
static_assert(noexcept(CATBaseUnknown::operator new[](size_t(1))), "the allocator must not throw");
