// Colour-scale bar beside a colour map or contribution bar: a vertical strip that shows the colour
// of every value of the colour axis's range (drawn by the library as a contribution bar of the
// values themselves), framed, with its own value axis on the right. Model units of the page.
#ifndef ColorScaleBar_H
#define ColorScaleBar_H

#include <string>

#include "CATMathBox2D.h"
#include "RefPtr.h"

class CATFont;
class CATViewer;
class ColorScaleAxis;
class QVTFdd2DAxisDrawing;
struct FigureStyle;

class ColorScaleBar {
 public:
  // The value axis along the right edge of iBar (empty when the heap refuses); measured for the
  // layout, then shown.
  static RefPtr<QVTFdd2DAxisDrawing> MakeAxis(const CATMathBox2D& iBar, ColorScaleAxis& iColors,
                                              const std::string& iLabel, const FigureStyle& iStyle, CATFont& iFont);
  // The strip and its frame, and iAxis (from MakeAxis; may be null).
  static void Show(CATViewer& ioViewer, const CATMathBox2D& iBar, ColorScaleAxis& iColors,
                   QVTFdd2DAxisDrawing* iAxis, const FigureStyle& iStyle);
};

#endif
