// Axis part of one SPS of an axis drawing: the axis line (for the active SPS only), short end
// ticks at both axis ends, and the SPS's two limit texts, the start text near the axis start and
// the end text near the axis end. The limit texts of SPS i are moved inward by i fifteenths of the
// axis length, so that the limits of several SPSs stand staggered. The end text is left out when
// it meets the start text. The region it was given is not looked at: limit parts are laid out
// before every other part.
//
// Owns copies of the two texts. Lengths are model units; end ticks run from the axis ends along
// the part direction only: 4 long for eOutside, 2 for eCentered, 0 otherwise.
#ifndef QVTFdd2DAxisLimitPart_H
#define QVTFdd2DAxisLimitPart_H

#include "CATUnicodeString.h"
#include "QVTFdd2DAxisPart.h"

class QVTFdd2DAxisLimitPart : public QVTFdd2DAxisPart {
  HOST_META_DECLARE
 public:
  QVTFdd2DAxisLimitPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection,
                        float iTextHeight, CATFont* iFont, QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                        const QVTFddMathRegion& iOccupied, const CATUnicodeString& iMinText,
                        const CATUnicodeString& iMaxText, int iShowLimits, int iIsActive, int iSPSIndex);
  // Base default, two empty texts, nothing shown.
  QVTFdd2DAxisLimitPart();
  ~QVTFdd2DAxisLimitPart() override;
  QVTFdd2DAxisLimitPart(const QVTFdd2DAxisLimitPart&) = delete;
  QVTFdd2DAxisLimitPart& operator=(const QVTFdd2DAxisLimitPart&) = delete;

  // Pushes the axis line when active; with the show-limits flag, then the start and end ticks and
  // the limit texts. Returns the region of the limit texts pushed.
  QVTFddMathRegion AddPrim(QVTFddGPList*& ioList) override;

 private:
  CATUnicodeString _MinText;
  CATUnicodeString _MaxText;
  int _ShowLimits;
  int _IsActive;
  int _SPSIndex;
};

#endif
