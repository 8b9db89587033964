#include "QVTFdd2DAxisPart.h"

#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DAxisPart, CATBaseUnknown)

QVTFdd2DAxisPart::QVTFdd2DAxisPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                   const CATMathDirection2D& iDirection, float iTextHeight, CATFont* iFont,
                                   QVTFdd2DAxisTickPosition::eTickPosition iTickPosition, const QVTFddMathRegion& iOccupied)
    : _Start(iStart),
      _End(iEnd),
      _Direction(iDirection),
      _TextHeight(iTextHeight),
      _Font(iFont),
      _TickPosition(iTickPosition),
      _Occupied(iOccupied) {}

QVTFdd2DAxisPart::QVTFdd2DAxisPart()
    : _TextHeight(0.0f), _Font(nullptr), _TickPosition(QVTFdd2DAxisTickPosition::eOutside), _Occupied(0.00001, nullptr) {}

QVTFdd2DAxisPart::QVTFdd2DAxisPart(const QVTFdd2DAxisPart& iOther) = default;
QVTFdd2DAxisPart& QVTFdd2DAxisPart::operator=(const QVTFdd2DAxisPart& iOther) = default;

QVTFdd2DAxisPart::~QVTFdd2DAxisPart() { _Font = nullptr; }
