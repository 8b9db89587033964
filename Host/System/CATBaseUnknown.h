// Root of every host object: an intrusive reference count (a new object holds one reference,
// the last Release deletes it), the meta-object operations, and a non-throwing allocator so that
// an exhausted heap yields a null pointer instead of an exception.
#ifndef CATBaseUnknown_H
#define CATBaseUnknown_H

#include <cstddef>

#include "CATGUID.h"
#include "CATMetaClass.h"
#include "HostTypes.h"

class CATBaseUnknown {
 public:
  CATBaseUnknown();
  // A copy is a new object with its own single reference.
  CATBaseUnknown(const CATBaseUnknown&);
  CATBaseUnknown& operator=(const CATBaseUnknown&);
  virtual ~CATBaseUnknown();

  virtual ULONG AddRef();
  virtual ULONG Release();
  ULONG GetRefCount() const { return _RefCount; }

  static void* operator new(size_t iSize) noexcept;
  static void* operator new[](size_t iSize) noexcept;
  static void operator delete(void* iPtr) noexcept;
  static void operator delete[](void* iPtr) noexcept;

  static CATMetaClass* MetaObject();
  virtual CATMetaClass* GetMetaObject() const;
  static const char* ClassName();
  virtual const char* IsA() const;
  static const CATGUID& ClassId();
  virtual int IsAKindOf(const char* iName) const;
  static CATBaseUnknown* CreateItself();

 private:
  ULONG _RefCount;
};

#endif
