#include "QVTFdd2DAxisLabelPart.h"

#include <cmath>

#include "CATMathLine2D.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFddMathNormal.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DAxisLabelPart, QVTFdd2DAxisPart)

QVTFdd2DAxisLabelPart::QVTFdd2DAxisLabelPart(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                             const CATMathDirection2D& iDirection, float iTextHeight, CATFont* iFont,
                                             QVTFdd2DAxisTickPosition::eTickPosition iTickPosition,
                                             const QVTFddMathRegion& iOccupied, const CATUnicodeString& iLabel)
    : QVTFdd2DAxisPart(iStart, iEnd, iDirection, iTextHeight, iFont, iTickPosition, iOccupied), _Label(iLabel) {}

QVTFdd2DAxisLabelPart::~QVTFdd2DAxisLabelPart() = default;

QVTFddMathRegion QVTFdd2DAxisLabelPart::AddPrim(QVTFddGPList*& ioList) {
  const CATMathPoint2D lMiddle((_Start.GetX() + _End.GetX()) / 2.0, (_Start.GetY() + _End.GetY()) / 2.0);

  // The main direction nearest the part direction; on a tie the earlier one.
  static const CATMathVector2D kMainDirections[4] = {{1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.0, -1.0}};
  int lMain = 0;
  double lSmallest = std::fabs(_Direction.GetAngleTo(kMainDirections[0]));
  for (int i = 1; i < 4; ++i) {
    double lAngle = std::fabs(_Direction.GetAngleTo(kMainDirections[i]));
    if (lAngle < lSmallest) {
      lSmallest = lAngle;
      lMain = i;
    }
  }

  // How far the occupied region reaches from the midpoint along that main direction, plus one.
  // Not clamped: a region lying behind the midpoint moves the label towards the axis or past it.
  double lDistance = 0.0;
  if (!_Occupied.mf_IsEmpty()) {
    const CATMathBox2D lBox = _Occupied.GetBoundingBox();
    const CATMathPoint2D lLow = lBox.GetLow(), lHigh = lBox.GetHigh();
    switch (lMain) {
      case 0:
        lDistance = lHigh.GetX() - lMiddle.GetX();
        break;
      case 1:
        lDistance = lHigh.GetY() - lMiddle.GetY();
        break;
      case 2:
        lDistance = lMiddle.GetX() - lLow.GetX();
        break;
      default:
        lDistance = lMiddle.GetY() - lLow.GetY();
        break;
    }
    lDistance += 1.0;
  }
  const CATMathPoint2D lPosition = lMiddle + lDistance * _Direction;

  // The label's top points along the axis normal, so it reads from start to end.
  const CATMathDirection2D n = QVTFddMathNormal(CATMathLine2D(_Start, _End));
  const CATMathDirection2D lUp(-n.GetX(), n.GetY());

  QVTFdd2DAxisText lText(_TextHeight, _Font, _Label, lPosition, _Direction, lUp, 1);
  return lText.AddPrim(ioList, QVTFddMathRegion(0.00001, nullptr));
}
