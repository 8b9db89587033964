// Axis part of a discrete axis: a list of value texts (names, not numbers) spread evenly along the
// axis. The axis is cut into as many equal slots as there are texts, with gaps of 3 model units
// before, between and after the slots; each text is anchored one unit off the axis, near its
// slot's centre, and turned so that its top points back along the axis (on a horizontal axis the
// texts read upwards). A text that would overlap a text of this part already placed is left out;
// the region given at construction and the tick position are not used.
//
// Owns a copy of the value list (indexed from 1, in axis order from start to end). Lengths are
// model units of the 2D drawing.
#ifndef QVTFdd2DDiscreteAxisValuesPart_H
#define QVTFdd2DDiscreteAxisValuesPart_H

#include "CATListValCATUnicodeString.h"
#include "QVTFdd2DAxisPart.h"

class QVTFdd2DDiscreteAxisValuesPart : public QVTFdd2DAxisPart {
  HOST_META_DECLARE
 public:
  QVTFdd2DDiscreteAxisValuesPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                 const CATMathDirection2D& iDirection, float iTextHeight, CATFont* iFont,
                                 QVTFdd2DAxisTickPosition::eTickPosition iTickPosition, const QVTFddMathRegion& iOccupied,
                                 const CATListValCATUnicodeString& iValueTexts);
  // The copy has the other's geometry but no value texts; assignment assigns the geometry only.
  QVTFdd2DDiscreteAxisValuesPart(QVTFdd2DDiscreteAxisValuesPart& iOther);
  QVTFdd2DDiscreteAxisValuesPart& operator=(QVTFdd2DDiscreteAxisValuesPart& iOther);
  ~QVTFdd2DDiscreteAxisValuesPart() override;

  // Pushes one text per value that fits and returns the region of the texts pushed.
  QVTFddMathRegion AddPrim(QVTFddGPList*& ioList) override;

 private:
  CATListValCATUnicodeString _ValueTexts;
};

#endif
