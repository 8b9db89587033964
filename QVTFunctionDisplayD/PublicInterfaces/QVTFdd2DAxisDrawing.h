// Model of one 2D axis of a plot: a straight axis line between two points with limit texts, tick
// marks and value texts (or, for a discrete axis, a list of value texts) and up to two labels, all
// laid out on one side of the line. It is turned into lists of host primitives once, on the first
// demand, by a fixed sequence of axis parts, each placed so that its texts avoid those of the parts
// before it: the limit parts of every SPS, then the major ticks (which choose the detail level),
// the second and third ticks and the first label (or the discrete values), and last the second
// label. List i holds the end ticks and limit texts of SPS i; the list of the active SPS also holds
// the axis line, the ticks, the value texts and the labels. An axis GP draws one list.
//
// Holds one reference on each ticks interface; borrows the font; owns its copies of the texts and
// its lists (kept until it is destroyed). Lengths are model units of the 2D drawing, the units of
// the axis points.
#ifndef QVTFdd2DAxisDrawing_H
#define QVTFdd2DAxisDrawing_H

#include "CAT2DBoundingBox.h"
#include "CATBaseUnknown.h"
#include "CATListValCATUnicodeString.h"
#include "CATMathDirection2D.h"
#include "CATMathPoint2D.h"
#include "CATUnicodeString.h"
#include "QVTFdd2DAxisTickPosition.h"
#include "RefPtr.h"

class CATFont;
class QVTFddGPList;
class QVTIFddTicks;

// The tick positions come from their own header, which the parts include instead of this one.
class QVTFdd2DAxisDrawing : public CATBaseUnknown, public QVTFdd2DAxisTickPosition {
  HOST_META_DECLARE
 public:
  // iMinTexts and iMaxTexts hold iNbrSPS texts each (copied; a null array reads as empty texts).
  // A negative iNbrSPS counts as 0. Builds no primitive.
  QVTFdd2DAxisDrawing(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection,
                      float iTextHeight, CATFont* iFont, CATUnicodeString* iMinTexts, CATUnicodeString* iMaxTexts,
                      int iNbrSPS, int iActiveSPS, int iShowLimits, eTickPosition iTickPosition,
                      QVTIFddTicks* iMajorTicks, QVTIFddTicks* iSecondTicks, QVTIFddTicks* iThirdTicks,
                      const CATUnicodeString& iFirstLabel, const CATUnicodeString& iSecondLabel, int iIsContinuous,
                      CATListValCATUnicodeString iDiscreteValues);
  ~QVTFdd2DAxisDrawing() override;
  QVTFdd2DAxisDrawing(const QVTFdd2DAxisDrawing&) = delete;
  QVTFdd2DAxisDrawing& operator=(const QVTFdd2DAxisDrawing&) = delete;

  // Builds every list on the first call, then returns the head of list iSPS (kept by the drawing);
  // null for an index outside 0 .. GetNbrSPS() - 1.
  QVTFddGPList* GetList(int iSPS);
  // Extent of the primitives of all lists, measured once.
  CAT2DBoundingBox GetBoundingElement();
  int GetNbrSPS() const;
  int GetAcitveSPS() const;
  // Builds the lists if needed, then the tick level chosen by the major ticks: -1 when they have no
  // ticks interface or no scaling, 0 for a discrete axis.
  int GetDetailLevel();

 private:
  void BuildLists();
  // The active SPS's index when it names one of the lists, else -1.
  int ValidActiveSPS() const;
  static CATUnicodeString* CopyTexts(const CATUnicodeString* iTexts, int iNbr);

  CATMathPoint2D _Start;
  CATMathPoint2D _End;
  CATMathDirection2D _Direction;
  float _TextHeight;
  CATFont* _Font;
  eTickPosition _TickPosition;
  CATUnicodeString* _MinTexts;
  CATUnicodeString* _MaxTexts;
  int _NbrSPS;
  int _ShowLimits;
  int _ActiveSPS;
  RefPtr<QVTIFddTicks> _MajorTicks;
  RefPtr<QVTIFddTicks> _SecondTicks;
  RefPtr<QVTIFddTicks> _ThirdTicks;
  CATUnicodeString _FirstLabel;
  CATUnicodeString _SecondLabel;
  int _IsContinuous;
  CATListValCATUnicodeString _DiscreteValues;
  int _BoundingBoxDone;
  CAT2DBoundingBox _BoundingBox;
  int _DetailLevel;
  QVTFddGPList** _Lists;
};

#endif
