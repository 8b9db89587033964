// Building blocks of a scene (figures and gallery pages): a primitive shown in given attributes,
// and captions.
#ifndef Scene_H
#define Scene_H

#include <vector>

#include "CATGraphicAttributeSet.h"
#include "CATMathPoint2D.h"

class CATFont;
class CATGraphicPrimitive;
class CATMathBox2D;
class CATRep;
class CATViewer;

class Scene {
 public:
  static CATGraphicAttributeSet Color(int iRed, int iGreen, int iBlue, int iAlpha = 255, int iThickness = 0);
  // Adds iRep and gives up the creator's reference (null is ignored).
  static void Add(CATViewer& ioViewer, CATRep* iRep);
  // Adds iPrimitive in iAttribute and gives up the creator's reference (null is ignored).
  static void Show(CATViewer& ioViewer, CATGraphicPrimitive* iPrimitive, const CATGraphicAttributeSet& iAttribute);
  // A line through iPoints, in model units.
  static void Polyline(CATViewer& ioViewer, const std::vector<CATMathPoint2D>& iPoints,
                       const CATGraphicAttributeSet& iAttribute);
  // The outline of iBox, from its low corner round.
  static void Outline(CATViewer& ioViewer, const CATMathBox2D& iBox, const CATGraphicAttributeSet& iAttribute);
  // A caption whose box starts at (iX, iY) in model units.
  static void Caption(CATViewer& ioViewer, CATFont& iFont, double iX, double iY, double iHeight, const char* iText);
};

#endif
