// The tick part of an axis drawing's first ticks interface: always built with the detail level -1,
// so that its AddPrim chooses the level, which the drawing then reads (GetDetailLevel) and hands to
// the tick parts of its other ticks interfaces. Adds nothing else to the tick part.
#ifndef QVTFdd2DAxisMajorTickPart_H
#define QVTFdd2DAxisMajorTickPart_H

#include "QVTFdd2DAxisTickPart.h"

class QVTFdd2DAxisMajorTickPart : public QVTFdd2DAxisTickPart {
  HOST_META_DECLARE
 public:
  QVTFdd2DAxisMajorTickPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                            const CATMathDirection2D& iDirection, float iTextHeight, CATFont* iFont,
                            QVTFdd2DAxisTickPosition::eTickPosition iTickPosition, const QVTFddMathRegion& iOccupied,
                            QVTIFddTicks* iTicks, int iShowLimits);
  ~QVTFdd2DAxisMajorTickPart() override;
  QVTFdd2DAxisMajorTickPart(const QVTFdd2DAxisMajorTickPart&) = delete;
  QVTFdd2DAxisMajorTickPart& operator=(const QVTFdd2DAxisMajorTickPart&) = delete;
};

#endif
