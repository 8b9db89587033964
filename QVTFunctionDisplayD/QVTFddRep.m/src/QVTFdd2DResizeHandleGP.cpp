#include "QVTFdd2DResizeHandleGP.h"

#include "CATRender.h"

namespace {
const int kLineHandle = 0;
const int kPointHandle = 1;
const int kNoHandle = -1;

// The mark's points relative to the handle's point, joined in order; the centre square is filled.
struct Mark {
  int _NbPoints;
  double _Offsets[4][2];
};

const Mark kMarks[9] = {
    {2, {{0, -2}, {0, 2}}},            // edge ticks, vertical
    {2, {{0, -2}, {0, 2}}},            //
    {2, {{-2, 0}, {2, 0}}},            // edge ticks, horizontal
    {2, {{-2, 0}, {2, 0}}},            //
    {3, {{0, -4}, {0, 0}, {4, 0}}},    // corner angles
    {3, {{-4, 0}, {0, 0}, {0, 4}}},    //
    {3, {{-4, 0}, {0, 0}, {0, -4}}},   //
    {3, {{0, 4}, {0, 0}, {4, 0}}},     //
    {4, {{-2, -2}, {-2, 2}, {2, 2}, {2, -2}}},  // centre square
};
}  // namespace

QVTFdd2DResizeHandleGP::QVTFdd2DResizeHandleGP(const CATMathPoint2D& iPoint, eRectangleType iMark)
    : _HandleKind(kPointHandle), _LineType(FreeLine), _RectangleType(iMark), _Point{iPoint.GetX(), iPoint.GetY()} {}

QVTFdd2DResizeHandleGP::QVTFdd2DResizeHandleGP(const CATMathLine2D& iLine, eLineType iLineType)
    : _HandleKind(kLineHandle), _LineType(iLineType), _RectangleType(LeftEdge), _Point{0.0, 0.0}, _Line(iLine) {}

QVTFdd2DResizeHandleGP::QVTFdd2DResizeHandleGP(QVTFdd2DResizeHandleGP& iOther)
    : CATDynamicGP(iOther), _HandleKind(kNoHandle), _LineType(FreeLine), _RectangleType(LeftEdge), _Point{0.0, 0.0} {}

QVTFdd2DResizeHandleGP& QVTFdd2DResizeHandleGP::operator=(QVTFdd2DResizeHandleGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  return *this;
}

QVTFdd2DResizeHandleGP::~QVTFdd2DResizeHandleGP() = default;

void QVTFdd2DResizeHandleGP::ImmediateDraw(CATRender& iRender, const CATViewpoint*, const CATViewport*) {
  if (_HandleKind == kLineHandle) {
    const CATMathPoint2D lStart = _Line.GetOrigin(), lEnd = _Line.EvalPoint(1.0);
    const float lPoints[4] = {static_cast<float>(lStart.GetX()), static_cast<float>(lStart.GetY()),
                              static_cast<float>(lEnd.GetX()), static_cast<float>(lEnd.GetY())};
    iRender.ImmediateDraw2DLine(lPoints, 2, 1, 0);
    return;
  }
  const unsigned int lType = static_cast<unsigned int>(_RectangleType);
  if (_HandleKind != kPointHandle || lType > 8u) return;
  const Mark& lMark = kMarks[lType];
  float lPoints[8];
  for (int i = 0; i < lMark._NbPoints; ++i) {
    lPoints[2 * i] = static_cast<float>(_Point[0] + lMark._Offsets[i][0]);
    lPoints[2 * i + 1] = static_cast<float>(_Point[1] + lMark._Offsets[i][1]);
  }
  if (lType == CentreSquare)
    iRender.ImmediateDraw2DPolygon(lPoints, 4, 1, 0, nullptr, nullptr, nullptr, 0);
  else
    iRender.ImmediateDraw2DLine(lPoints, lMark._NbPoints, 1, 0);
}
