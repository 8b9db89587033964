// Meta-object service of the host: one CATMetaClass per registered class name, kept for the
// life of the process, linked to the meta-class of its registered base. IsAKindOf walks that
// chain. Classes obtain their meta-object lazily through fct_RetrieveMetaObject and cache it.
#ifndef CATMetaClass_H
#define CATMetaClass_H

#include <atomic>
#include <cstddef>
#include <string>

#include "CATGUID.h"

class CATBaseUnknown;

class CATMetaClass {
 public:
  CATMetaClass(const char* iName, int iKind, CATMetaClass* iBase, const char* iNullText,
               const char* iFramework, size_t iInstanceSize);

  const char* GetName() const { return _Name.c_str(); }
  int GetKind() const { return _Kind; }
  CATMetaClass* GetBase() const { return _Base; }
  const char* GetFramework() const { return _Framework.c_str(); }
  size_t GetInstanceSize() const { return _InstanceSize; }
  const CATGUID& GetClassId() const { return _ClassId; }

  // True for the class's own name and every name along its registered base chain.
  int IsAKindOf(const char* iName) const;

  // How often the host was asked for the meta-object of this name (tests check laziness).
  static int RetrieveCount(const char* iName);

 private:
  std::string _Name;
  int _Kind;
  CATMetaClass* _Base;
  std::string _NullText;
  std::string _Framework;
  size_t _InstanceSize;
  CATGUID _ClassId;
};

// Returns the one meta-object registered under iName, creating it on the first request.
CATMetaClass* fct_RetrieveMetaObject(const char* iName, int iKind, CATMetaClass* iBase,
                                     const char* iNullText, const char* iFramework,
                                     size_t iInstanceSize);

// The seven meta-object operations every registered class offers.
#define HOST_META_DECLARE                                  \
 public:                                                   \
  static CATMetaClass* MetaObject();                       \
  CATMetaClass* GetMetaObject() const override;            \
  static const char* ClassName();                          \
  const char* IsA() const override;                        \
  static const CATGUID& ClassId();                         \
  int IsAKindOf(const char* iName) const override;         \
  static CATBaseUnknown* CreateItself();

// Registration of Class with kind 1 under the registered base meta-class BaseMeta. The meta-object
// is asked of the host once, on the first call, and cached in one static pointer per class.
#define HOST_META_IMPLEMENT(Class, BaseMeta, Framework)                                        \
  static std::atomic<CATMetaClass*> s_MetaOf##Class{nullptr};                                  \
  CATMetaClass* Class::MetaObject() {                                                          \
    CATMetaClass* lMeta = s_MetaOf##Class.load(std::memory_order_acquire);                    \
    if (!lMeta) {                                                                              \
      lMeta = fct_RetrieveMetaObject(#Class, 1, BaseMeta::MetaObject(), "CATNull", Framework,  \
                                     sizeof(Class));                                           \
      s_MetaOf##Class.store(lMeta, std::memory_order_release);                                 \
    }                                                                                          \
    return lMeta;                                                                              \
  }                                                                                            \
  CATMetaClass* Class::GetMetaObject() const { return Class::MetaObject(); }                   \
  const char* Class::ClassName() { return Class::MetaObject()->GetName(); }                    \
  const char* Class::IsA() const { return Class::ClassName(); }                                \
  const CATGUID& Class::ClassId() { return Class::MetaObject()->GetClassId(); }                \
  int Class::IsAKindOf(const char* iName) const { return Class::MetaObject()->IsAKindOf(iName); } \
  CATBaseUnknown* Class::CreateItself() { return nullptr; }

#endif
