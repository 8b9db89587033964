// Base of every drawable primitive. Reference counted; Destroy gives up the creator's reference.
// The allocator never throws: an exhausted heap gives a null primitive.
#ifndef CATGraphicPrimitive_H
#define CATGraphicPrimitive_H

#include <cstddef>

#include "CATBaseUnknown.h"

class CATRender;

class CATGraphicPrimitive : public CATBaseUnknown {
  HOST_META_DECLARE
 public:
  CATGraphicPrimitive() = default;
  CATGraphicPrimitive(const CATGraphicPrimitive&) = default;
  CATGraphicPrimitive& operator=(const CATGraphicPrimitive&) = default;
  ~CATGraphicPrimitive() override = default;

  virtual void Draw(CATRender& iRender);
  void Destroy() { Release(); }

  static void* operator new(size_t iSize) noexcept;
  static void* operator new(size_t iSize, const char* iFile, const char* iTag, int iLine) noexcept;
  static void operator delete(void* iPtr) noexcept;
  static void operator delete(void* iPtr, const char*, const char*, int) noexcept;
};

#endif
