// What a geometric text is measured and drawn with: the height and the font, and the layout values
// passed on by callers unchanged.
#ifndef CAT2DGeomTextAttributeSet_H
#define CAT2DGeomTextAttributeSet_H

class CATFont;

struct CAT2DGeomTextAttributeSet {
  float Height = 0.0f;
  const CATFont* Font = nullptr;
  int Layout[3] = {0, 0, 0};
  int FontSlot = 0;
  float WrapWidth = -10000.0f;
  float WidthRatio = 1.0f;
  float Slant = 0.0f;
};

#endif
