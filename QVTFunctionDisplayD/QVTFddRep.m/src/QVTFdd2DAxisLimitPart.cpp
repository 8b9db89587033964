#include "QVTFdd2DAxisLimitPart.h"

#include "CAT2DLineGP.h"
#include "CATMathPoint2Df.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFddGPList.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DAxisLimitPart, QVTFdd2DAxisPart)

namespace {

const double kRegionTolerance = 0.00001;
// One fifteenth of the axis per SPS index, as a product.
const double kInwardStep = 0.06666666666666667;

QVTFddMathRegion EmptyRegion() { return QVTFddMathRegion(kRegionTolerance, nullptr); }

CAT2DLineGP* NewLine(const CATMathPoint2Df& iFrom, const CATMathPoint2Df& iTo) {
  const CATMathPoint2Df lPoints[2] = {iFrom, iTo};
  return new CAT2DLineGP(lPoints, 2, 1, 0);
}

}  // namespace

QVTFdd2DAxisLimitPart::QVTFdd2DAxisLimitPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                             const CATMathDirection2D& iDirection, float iTextHeight, CATFont* iFont,
                                             QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                                             const QVTFddMathRegion& iOccupied, const CATUnicodeString& iMinText,
                                             const CATUnicodeString& iMaxText, int iShowLimits, int iIsActive,
                                             int iSPSIndex)
    : QVTFdd2DAxisPart(iStart, iEnd, iDirection, iTextHeight, iFont, iTickPosition, iOccupied),
      _MinText(iMinText),
      _MaxText(iMaxText),
      _ShowLimits(iShowLimits),
      _IsActive(iIsActive),
      _SPSIndex(iSPSIndex) {}

QVTFdd2DAxisLimitPart::QVTFdd2DAxisLimitPart() : _ShowLimits(0), _IsActive(0), _SPSIndex(0) {}

QVTFdd2DAxisLimitPart::~QVTFdd2DAxisLimitPart() = default;

QVTFddMathRegion QVTFdd2DAxisLimitPart::AddPrim(QVTFddGPList*& ioList) {
  const CATMathPoint2Df A(_Start), B(_End);
  if (_IsActive) QVTFddGPList::Push(ioList, NewLine(A, B));

  QVTFddMathRegion lResult = EmptyRegion();
  if (!_ShowLimits) return lResult;

  // End ticks only ever run outward: no extent for ticks inside the axis.
  double lTickLength = 0.0;
  if (_TickPosition == QVTFdd2DAxisTickPosition::eOutside)
    lTickLength = 4.0;
  else if (_TickPosition == QVTFdd2DAxisTickPosition::eCentered)
    lTickLength = 2.0;
  const double lTextDistance = lTickLength + 1.0;

  const CATMathVector2Df lTick(lTickLength * _Direction);
  CAT2DLineGP* lStartTick = NewLine(A, A + lTick);
  CAT2DLineGP* lEndTick = NewLine(B, B + lTick);
  QVTFddGPList::Push(ioList, lStartTick);
  QVTFddGPList::Push(ioList, lEndTick);

  const CATMathVector2D lStep = (_End - _Start) * kInwardStep;
  const CATMathPoint2D P1 = _Start + _SPSIndex * lStep;
  const CATMathPoint2D P2 = _End - _SPSIndex * lStep;
  const CATMathVector2D lOffset = lTextDistance * _Direction;
  const CATMathDirection2D lUp(0.0, 1.0);

  QVTFdd2DAxisText lMinText(_TextHeight, _Font, _MinText, P1 + lOffset, _Direction, lUp, 0);
  const QVTFddMathRegion E1 = lMinText.AddPrim(ioList, EmptyRegion());
  QVTFdd2DAxisText lMaxText(_TextHeight, _Font, _MaxText, P2 + lOffset, _Direction, lUp, 2);
  const QVTFddMathRegion E2 = lMaxText.AddPrim(ioList, E1);
  return E1 | E2;
}
