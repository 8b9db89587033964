#include "QVTFdd2DDiscreteAxisValuesPart.h"

#include "CATMathLine2D.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFddMathNormal.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DDiscreteAxisValuesPart, QVTFdd2DAxisPart)

namespace {
// Gap before, between and after the slots, in model units.
const double kGap = 3.0;
const double kRegionTolerance = 0.00001;
}  // namespace

QVTFdd2DDiscreteAxisValuesPart::QVTFdd2DDiscreteAxisValuesPart(
    const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd, const CATMathDirection2D& iDirection, float iTextHeight,
    CATFont* iFont, QVTFdd2DAxisTickPosition::eTickPosition iTickPosition, const QVTFddMathRegion& iOccupied,
    const CATListValCATUnicodeString& iValueTexts)
    : QVTFdd2DAxisPart(iStart, iEnd, iDirection, iTextHeight, iFont, iTickPosition, iOccupied),
      _ValueTexts(iValueTexts) {}

QVTFdd2DDiscreteAxisValuesPart::QVTFdd2DDiscreteAxisValuesPart(QVTFdd2DDiscreteAxisValuesPart& iOther)
    : QVTFdd2DAxisPart(iOther) {}

QVTFdd2DDiscreteAxisValuesPart& QVTFdd2DDiscreteAxisValuesPart::operator=(QVTFdd2DDiscreteAxisValuesPart& iOther) {
  QVTFdd2DAxisPart::operator=(iOther);
  return *this;
}

QVTFdd2DDiscreteAxisValuesPart::~QVTFdd2DDiscreteAxisValuesPart() = default;

QVTFddMathRegion QVTFdd2DDiscreteAxisValuesPart::AddPrim(QVTFddGPList*& ioList) {
  QVTFddMathRegion lOccupied(kRegionTolerance, nullptr);
  const int n = _ValueTexts.Size();
  if (n <= 0) return lOccupied;

  const double L = _Start.DistanceTo(_End);
  const double s = (L - kGap * (n + 1)) / n;
  const CATMathLine2D lAxis(_Start, _End);
  const CATMathDirection2D d = lAxis.GetDirection();
  const CATMathDirection2D m = QVTFddMathNormal(lAxis);
  // The texts' tops point back along the axis: on an axis running right they read upwards.
  const CATMathDirection2D lUp(m.GetY(), -m.GetX());

  CATMathPoint2D P = _Start + d;
  for (int i = 1; i <= n; ++i) {
    P = P + (i == 1 ? s * 0.5 + kGap : s + kGap) * d;
    QVTFdd2DAxisText lText(_TextHeight, _Font, _ValueTexts[i], P + _Direction, _Direction, lUp, 2);
    lOccupied = lOccupied | lText.AddPrim(ioList, lOccupied);
  }
  return lOccupied;
}
