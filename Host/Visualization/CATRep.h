// Base of the representations of the scene: holds the representation's own graphic attributes
// and is drawn by the host through DrawShading.
#ifndef CATRep_H
#define CATRep_H

#include "CATBaseUnknown.h"
#include "CATGraphicAttributeSet.h"

class CATRender;

class CATRep : public CATBaseUnknown {
 public:
  CATRep() = default;
  virtual void DrawShading(CATRender& iRender, int iInside);
  CATGraphicAttributeSet& GetAttribute() { return _Attribute; }
  const CATGraphicAttributeSet& GetAttribute() const { return _Attribute; }
  void SetAttribute(const CATGraphicAttributeSet& iAttribute) { _Attribute = iAttribute; }

 private:
  CATGraphicAttributeSet _Attribute;
};

#endif
