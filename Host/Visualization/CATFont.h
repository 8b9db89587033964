// Font of geometric texts. One machinery measures and draws: a FreeType face (found through
// fontconfig, DejaVu Sans by default) whose unhinted metrics scale linearly with the height, so a
// text measured at one height has exactly proportional extents at every other.
//
// Metrics are per unit height: a text of height H is Advance(text) * H wide and
// (Ascent + Descent) * H tall; the glyphs stand on a baseline Descent * H above the box bottom.
// A fixed-metric font (every character the same advance) serves layout tests with exact numbers;
// it is drawn with the default face stretched to its measured width.
#ifndef CATFont_H
#define CATFont_H

#include <memory>
#include <string>

#include "CAT2DBoundingBox.h"
#include "CAT2DGeomTextAttributeSet.h"
#include "CATBaseUnknown.h"
#include "CATUnicodeString.h"

class CATFont : public CATBaseUnknown {
 public:
  // DejaVu Sans: the Debian package's file, else the face fontconfig gives; null (with a message on
  // stderr) when no face can be loaded.
  static CATFont* CreateDefault();
  // The face in the given font file; null when it cannot be loaded.
  static CATFont* CreateFromFile(const char* iPath);
  // Every character iAdvance wide; ascent and descent as given (per unit height).
  static CATFont* CreateFixedMetric(double iAdvance = 0.6, double iAscent = 0.8, double iDescent = 0.2);

  ~CATFont() override;

  double GetAdvance(const CATUnicodeString& iText) const;  // width per unit height
  double GetAscent() const { return _Ascent; }
  double GetDescent() const { return _Descent; }
  bool IsFixedMetric() const { return _FixedAdvance > 0.0; }
  // The face to draw with: an opaque cairo_font_face_t*, owned by the font; null for fixed-metric
  // fonts (drawn with the default face).
  void* GetDrawingFace() const;
  const std::string& GetFamily() const { return _Family; }

  static void sComputeGeomAttributeSet(CAT2DGeomTextAttributeSet& oSet, const float* iOrigin,
                                       CATUnicodeString iText, float iHeight, int iLayout1, int iLayout2,
                                       int iLayout3, const CATFont* iFont, int iFontSlot, float iAngle,
                                       float iWrapWidth, float iWidthRatio, float iSlant);
  // oBox becomes the text's box before rotation: x from 0 to the width, y from 0 to the height.
  static void sComputeTextGlobalMetrics(CAT2DBoundingBox& oBox, CATUnicodeString iText,
                                        const CAT2DGeomTextAttributeSet& iSet, const CATFont* iFont);

 private:
  // The render draws exactly the code points the font measures.
  friend class CairoRender;
  // iText as valid UTF-8 without NUL: each invalid byte becomes U+FFFD. Cairo puts a scaled font or
  // a context that is handed invalid UTF-8 into a lasting error state, so no text reaches it raw.
  static std::string sValidUTF8(const CATUnicodeString& iText, long* oNbCodePoints = nullptr);

  struct Face;
  CATFont();

  std::unique_ptr<Face> _Face;
  std::string _Family;
  double _Ascent = 0.8;
  double _Descent = 0.2;
  double _FixedAdvance = 0.0;
};

#endif
