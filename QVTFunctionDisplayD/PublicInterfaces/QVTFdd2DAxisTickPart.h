// Axis part that draws the tick marks of one ticks interface along the axis, each with its value
// text. The ticks interface offers several levels of detail; the part draws one. Built with the
// level -1, it first chooses the first level, counted from 0, whose value texts all fit without
// meeting the occupied region or each other. Texts that would overlap what is already placed are
// left out; tick marks are always drawn. With the show-limits flag, ticks at either end of the
// scaled range are left out (mark and text), since the limit texts show those values.
//
// Holds one reference on the ticks interface; the scaling interface it hands out is held only for
// one AddPrim call. Lengths are model units of the 2D drawing; the tick length comes from the
// ticks interface in those units. Positions along the axis are linear in scaled values.
#ifndef QVTFdd2DAxisTickPart_H
#define QVTFdd2DAxisTickPart_H

#include "QVTFdd2DAxisPart.h"
#include "RefPtr.h"

class QVTIFddTicks;

class QVTFdd2DAxisTickPart : public QVTFdd2DAxisPart {
  HOST_META_DECLARE
 public:
  // iDetailLevel -1 chooses the level in AddPrim. Takes a reference on iTicks when not null.
  QVTFdd2DAxisTickPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection,
                       float iTextHeight, CATFont* iFont, QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                       const QVTFddMathRegion& iOccupied, QVTIFddTicks* iTicks, int iShowLimits, int iDetailLevel);
  // No ticks: AddPrim adds nothing.
  QVTFdd2DAxisTickPart();
  ~QVTFdd2DAxisTickPart() override;
  QVTFdd2DAxisTickPart(const QVTFdd2DAxisTickPart&) = delete;
  QVTFdd2DAxisTickPart& operator=(const QVTFdd2DAxisTickPart&) = delete;

  // Pushes the tick marks and the value texts that fit, and returns the region of those texts.
  // Draws nothing and returns an empty region, leaving the level as it was, when there is no ticks
  // interface, no scaling, or the scaled range is zero or not finite.
  QVTFddMathRegion AddPrim(QVTFddGPList*& ioList) override;

  // The level drawn: the one given, or after AddPrim the one chosen (-1 when none was chosen).
  int GetDetailLevel() const { return _DetailLevel; }

  // A ticks interface is never asked for more ticks per level, nor searched through more levels,
  // than these: a source that answers absurd counts cannot make the layout run without end.
  static constexpr int kMaxTicksPerLevel = 10000;
  static constexpr int kMaxLevels = 64;

 protected:
  RefPtr<QVTIFddTicks> _Ticks;
  int _ShowLimits;
  int _DetailLevel;
};

#endif
