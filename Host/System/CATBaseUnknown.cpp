#include "CATBaseUnknown.h"

#include <atomic>
#include <new>

CATBaseUnknown::CATBaseUnknown() : _RefCount(1) {}
CATBaseUnknown::CATBaseUnknown(const CATBaseUnknown&) : _RefCount(1) {}
CATBaseUnknown& CATBaseUnknown::operator=(const CATBaseUnknown&) { return *this; }
CATBaseUnknown::~CATBaseUnknown() = default;

ULONG CATBaseUnknown::AddRef() { return ++_RefCount; }

ULONG CATBaseUnknown::Release() {
  // A stray Release on an object whose count is already 0 (a stack object) must not delete it.
  if (_RefCount == 0) return 0;
  ULONG lCount = --_RefCount;
  if (lCount == 0) delete this;
  return lCount;
}

void* CATBaseUnknown::operator new(size_t iSize) noexcept { return ::operator new(iSize, std::nothrow); }
void* CATBaseUnknown::operator new[](size_t iSize) noexcept {
  return ::operator new[](iSize, std::nothrow);
}
void CATBaseUnknown::operator delete(void* iPtr) noexcept { ::operator delete(iPtr); }
void CATBaseUnknown::operator delete[](void* iPtr) noexcept { ::operator delete[](iPtr); }

// Retrieved on first use, from whichever thread uses the class first.
static std::atomic<CATMetaClass*> s_MetaOfCATBaseUnknown{nullptr};

CATMetaClass* CATBaseUnknown::MetaObject() {
  CATMetaClass* lMeta = s_MetaOfCATBaseUnknown.load(std::memory_order_acquire);
  if (!lMeta) {
    lMeta = fct_RetrieveMetaObject("CATBaseUnknown", 1, nullptr, "CATNull", "System", sizeof(CATBaseUnknown));
    s_MetaOfCATBaseUnknown.store(lMeta, std::memory_order_release);
  }
  return lMeta;
}
CATMetaClass* CATBaseUnknown::GetMetaObject() const { return MetaObject(); }
const char* CATBaseUnknown::ClassName() { return MetaObject()->GetName(); }
const char* CATBaseUnknown::IsA() const { return ClassName(); }
const CATGUID& CATBaseUnknown::ClassId() { return MetaObject()->GetClassId(); }
int CATBaseUnknown::IsAKindOf(const char* iName) const { return MetaObject()->IsAKindOf(iName); }
CATBaseUnknown* CATBaseUnknown::CreateItself() { return nullptr; }
