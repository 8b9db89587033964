// Axis part that places one label text beside the axis, beyond everything laid out before it: the
// label's edge that faces the axis is centred on the axis midpoint moved along the part direction
// by one model unit more than the occupied region reaches from that midpoint (measured along the
// main direction nearest the part direction), or not moved at all when nothing is occupied. The
// label reads along the axis from start to end. The tick position is ignored.
//
// Owns a copy of the label; everything else as the base. Lengths are model units.
#ifndef QVTFdd2DAxisLabelPart_H
#define QVTFdd2DAxisLabelPart_H

#include "CATUnicodeString.h"
#include "QVTFdd2DAxisPart.h"

class QVTFdd2DAxisLabelPart : public QVTFdd2DAxisPart {
  HOST_META_DECLARE
 public:
  QVTFdd2DAxisLabelPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection,
                        float iTextHeight, CATFont* iFont, QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                        const QVTFddMathRegion& iOccupied, const CATUnicodeString& iLabel);
  ~QVTFdd2DAxisLabelPart() override;

  // Pushes the label (not tested against the occupied region: it is placed beyond it) and returns
  // the label's box as a region; an empty region when the part has no font.
  QVTFddMathRegion AddPrim(QVTFddGPList*& ioList) override;

 private:
  QVTFdd2DAxisLabelPart() = delete;
  QVTFdd2DAxisLabelPart(const QVTFdd2DAxisLabelPart&) = delete;
  QVTFdd2DAxisLabelPart& operator=(const QVTFdd2DAxisLabelPart&) = delete;

  CATUnicodeString _Label;
};

#endif
