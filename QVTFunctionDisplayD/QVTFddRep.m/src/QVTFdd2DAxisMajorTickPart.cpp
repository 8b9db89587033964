#include "QVTFdd2DAxisMajorTickPart.h"

#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DAxisMajorTickPart, QVTFdd2DAxisTickPart)

QVTFdd2DAxisMajorTickPart::QVTFdd2DAxisMajorTickPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                                     const CATMathDirection2D& iDirection, float iTextHeight,
                                                     CATFont* iFont, QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                                                     const QVTFddMathRegion& iOccupied, QVTIFddTicks* iTicks,
                                                     int iShowLimits)
    : QVTFdd2DAxisTickPart(iStart, iEnd, iDirection, iTextHeight, iFont, iTickPosition, iOccupied, iTicks,
                           iShowLimits, -1) {}

QVTFdd2DAxisMajorTickPart::~QVTFdd2DAxisMajorTickPart() = default;
