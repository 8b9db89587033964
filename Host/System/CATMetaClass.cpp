#include "CATMetaClass.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>

namespace {

// Meta objects are retrieved on first use, from whichever thread uses a class first.
struct Registry {
  std::mutex lock;
  std::map<std::string, std::unique_ptr<CATMetaClass>> classes;
  std::map<std::string, int> retrievals;
};

Registry& TheRegistry() {
  static Registry sRegistry;
  return sRegistry;
}

// FNV-1a over the name: a stable identifier without a generator service.
CATGUID GuidFromName(const std::string& iName) {
  unsigned long long h1 = 1469598103934665603ULL, h2 = 1099511628211ULL;
  for (unsigned char c : iName) {
    h1 = (h1 ^ c) * 1099511628211ULL;
    h2 = (h2 ^ c) * 1469598103934665603ULL + 7;
  }
  CATGUID id;
  id.Data1 = static_cast<unsigned int>(h1 >> 32);
  id.Data2 = static_cast<unsigned short>(h1 >> 16);
  id.Data3 = static_cast<unsigned short>(h1);
  for (int i = 0; i < 8; ++i) id.Data4[i] = static_cast<unsigned char>(h2 >> (8 * i));
  return id;
}

}  // namespace

CATMetaClass::CATMetaClass(const char* iName, int iKind, CATMetaClass* iBase,
                           const char* iNullText, const char* iFramework, size_t iInstanceSize)
    : _Name(iName ? iName : ""),
      _Kind(iKind),
      _Base(iBase),
      _NullText(iNullText ? iNullText : ""),
      _Framework(iFramework ? iFramework : ""),
      _InstanceSize(iInstanceSize),
      _ClassId(GuidFromName(_Name)) {}

int CATMetaClass::IsAKindOf(const char* iName) const {
  if (!iName) return 0;
  // The chain is finite: a base is always registered before the class that names it.
  for (const CATMetaClass* lMeta = this; lMeta; lMeta = lMeta->_Base)
    if (lMeta->_Name == iName) return 1;
  return 0;
}

int CATMetaClass::RetrieveCount(const char* iName) {
  if (!iName) return 0;
  Registry& lRegistry = TheRegistry();
  const std::lock_guard<std::mutex> lLock(lRegistry.lock);
  auto& lRetrievals = lRegistry.retrievals;
  auto lIt = lRetrievals.find(iName);
  return lIt == lRetrievals.end() ? 0 : lIt->second;
}

CATMetaClass* fct_RetrieveMetaObject(const char* iName, int iKind, CATMetaClass* iBase,
                                     const char* iNullText, const char* iFramework,
                                     size_t iInstanceSize) {
  std::string lName(iName ? iName : "");
  Registry& lRegistry = TheRegistry();
  const std::lock_guard<std::mutex> lLock(lRegistry.lock);
  ++lRegistry.retrievals[lName];
  auto& lSlot = lRegistry.classes[lName];
  if (!lSlot)
    lSlot = std::make_unique<CATMetaClass>(lName.c_str(), iKind, iBase, iNullText, iFramework,
                                           iInstanceSize);
  return lSlot.get();
}
