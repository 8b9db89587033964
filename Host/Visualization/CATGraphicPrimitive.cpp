#include "CATGraphicPrimitive.h"

#include <new>

HOST_META_IMPLEMENT(CATGraphicPrimitive, CATBaseUnknown, "Visualization")

void CATGraphicPrimitive::Draw(CATRender&) {}

void* CATGraphicPrimitive::operator new(size_t iSize) noexcept { return ::operator new(iSize, std::nothrow); }
void* CATGraphicPrimitive::operator new(size_t iSize, const char*, const char*, int) noexcept {
  return ::operator new(iSize, std::nothrow);
}
void CATGraphicPrimitive::operator delete(void* iPtr) noexcept { ::operator delete(iPtr); }
void CATGraphicPrimitive::operator delete(void* iPtr, const char*, const char*, int) noexcept {
  ::operator delete(iPtr);
}
