#include "QVTFddSizeRender.h"

#include <mutex>
#include <new>

#include "CAT2DGeometricTextGP.h"
#include "CATDynamicGP.h"
#include "CATSupport.h"
#include "QVTFddModuleFrame.h"

QVTFDD_META_IMPLEMENT(QVTFddSizeRender, CATRender)

namespace {

// The module's shared support, made on first need. Nothing is ever drawn on it; should the heap
// refuse it, a static stand-in keeps the render usable.
CATSupport& SharedSupport() {
  // Measuring renders are made on any thread that lays out a figure.
  static std::mutex sMaking;
  const std::lock_guard<std::mutex> lLock(sMaking);
  CATSupport*& lSupport = QVTFddSizeRenderSupport();
  if (!lSupport) lSupport = new (std::nothrow) CATSupport(10, 10, nullptr);
  if (lSupport) return *lSupport;
  static CATSupport sFallback(10, 10, nullptr);
  return sFallback;
}

}  // namespace

QVTFddSizeRender::QVTFddSizeRender() : CATRender(SharedSupport()) {}

QVTFddSizeRender::QVTFddSizeRender(const QVTFddSizeRender& iOther) : CATRender(iOther) {}

QVTFddSizeRender& QVTFddSizeRender::operator=(const QVTFddSizeRender& iOther) {
  CATRender::operator=(iOther);
  return *this;
}

QVTFddSizeRender::~QVTFddSizeRender() = default;

CAT2DBoundingBox QVTFddSizeRender::GetBB() const { return _BoundingBox; }

void QVTFddSizeRender::Draw2DGeometricText(CAT2DGeometricTextGP& iText) {
  float lCorners[8];
  iText.GetBoundingBox(lCorners);
  Accumulate(lCorners, 4);
}

void QVTFddSizeRender::DrawDynamicGP(CATDynamicGP& iPrimitive) { iPrimitive.ImmediateDraw(*this, nullptr, nullptr); }

void QVTFddSizeRender::ImmediateDraw2DLine(const float* iPoints, int iNbPoints, int, TessFlag) {
  Accumulate(iPoints, iNbPoints);
}

void QVTFddSizeRender::ImmediateDraw2DPolygon(const float* iPoints, int iNbPoints, int, int, const int*, const int*,
                                              const int*, TessFlag) {
  Accumulate(iPoints, iNbPoints);
}

void QVTFddSizeRender::Accumulate(const float* iPoints, int iNbPoints) {
  if (!iPoints || iNbPoints <= 0) return;
  float lXMin = iPoints[0], lXMax = iPoints[0], lYMin = iPoints[1], lYMax = iPoints[1];
  for (long long i = 1; i < iNbPoints; ++i) {
    const float x = iPoints[2 * i], y = iPoints[2 * i + 1];
    if (x <= lXMin) lXMin = x;
    if (x >= lXMax) lXMax = x;
    if (y <= lYMin) lYMin = y;
    if (y >= lYMax) lYMax = y;
  }
  _BoundingBox += CAT2DBoundingBox(lXMin, lXMax, lYMin, lYMax);
}
