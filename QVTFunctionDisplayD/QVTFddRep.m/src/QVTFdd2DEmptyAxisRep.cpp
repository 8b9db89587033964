#include "QVTFdd2DEmptyAxisRep.h"

#include <utility>

#include "CAT2DBoundingBox.h"
#include "CAT2DLineGP.h"
#include "CATMathPoint2Df.h"
#include "CATRender.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFdd2DEmptyAxisRep, CAT2DRep)

namespace {
// Single precision on purpose: the widening is 0.1f, taken to double.
const double kWidening = 0.1f;
}  // namespace

QVTFdd2DEmptyAxisRep::QVTFdd2DEmptyAxisRep(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd)
    : _Start(iStart), _End(iEnd), _Line(nullptr) {
  UpdateMyBoundingElement();
}

QVTFdd2DEmptyAxisRep::~QVTFdd2DEmptyAxisRep() { DestroyLine(); }

void QVTFdd2DEmptyAxisRep::DestroyLine() {
  if (_Line) _Line->Destroy();
  _Line = nullptr;
}

void QVTFdd2DEmptyAxisRep::UpdateMyBoundingElement() {
  double lXMin = _Start.GetX(), lXMax = _End.GetX();
  if (lXMax < lXMin) std::swap(lXMin, lXMax);
  double lYMin = _Start.GetY(), lYMax = _End.GetY();
  if (lYMax < lYMin) std::swap(lYMin, lYMax);
  if (lXMin == lXMax) {
    lXMin -= kWidening;
    lXMax += kWidening;
  }
  if (lYMin == lYMax) {
    lYMin -= kWidening;
    lYMax += kWidening;
  }
  SetBoundingElement(CAT2DBoundingBox(static_cast<float>(lXMin), static_cast<float>(lXMax), static_cast<float>(lYMin),
                                      static_cast<float>(lYMax)));
}

void QVTFdd2DEmptyAxisRep::SetPosition(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd) {
  DestroyLine();
  _Start = iStart;
  _End = iEnd;
  UpdateMyBoundingElement();
}

void QVTFdd2DEmptyAxisRep::DrawShading(CATRender& iRender, int) {
  if (iRender.GetFurtive()) return;
  iRender.SetCurrentAttribute(GetAttribute());
  if (!_Line) {
    const CATMathPoint2Df lPoints[2] = {CATMathPoint2Df(_Start), CATMathPoint2Df(_End)};
    _Line = new CAT2DLineGP(lPoints, 2, 1, 0);
    if (!_Line) return;
  }
  _Line->Draw(iRender);
}
