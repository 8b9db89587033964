// Installed-package check: builds a visible background from the installed headers and
// libraries, draws it into a render that only counts polygons, and expects exactly one.
// Prints one line; returns 0 on success, 1 otherwise.
#include <cstdio>

#include "CATMathPoint2D.h"
#include "CATRender.h"
#include "CATSupport.h"
#include "QVTFdd2DBackgroundGP.h"

namespace {

// Render that records nothing but the number of filled polygons it is asked to draw.
class PolygonCountingRender : public CATRender {
 public:
  explicit PolygonCountingRender(CATSupport& iSupport) : CATRender(iSupport) {}

  void ImmediateDraw2DPolygon(const float*, int, int, int, const int*, const int*, const int*,
                              TessFlag) override {
    ++_NbPolygons;
  }

  int GetNbPolygons() const { return _NbPolygons; }

 private:
  int _NbPolygons = 0;
};

}  // namespace

int main() {
  const int lWidth = 64;
  const int lHeight = 48;
  CATSupport lSupport(lWidth, lHeight, nullptr);
  PolygonCountingRender lRender(lSupport);
  lRender.SetViewportParameters(static_cast<float>(lWidth), static_cast<float>(lHeight), 1.0f, 1.0f);

  const int lVisibleMode = 0;
  QVTFdd2DBackgroundGP* lBackground =
      new QVTFdd2DBackgroundGP(CATMathPoint2D(0.0, 0.0), CATMathPoint2D(10.0, 5.0), lVisibleMode);
  if (lBackground == nullptr) {
    std::printf("fdd-consumer: FAILED: the background could not be allocated\n");
    return 1;
  }

  const int lIsDynamic = lBackground->IsAKindOf("CATDynamicGP");
  lBackground->Draw(lRender);
  const int lNbPolygons = lRender.GetNbPolygons();
  lBackground->Destroy();

  if (lIsDynamic == 0 || lNbPolygons != 1) {
    std::printf("fdd-consumer: FAILED: IsAKindOf(\"CATDynamicGP\") = %d, polygons drawn = %d (expected 1)\n",
                lIsDynamic, lNbPolygons);
    return 1;
  }
  std::printf("fdd-consumer: OK: installed QVTFddRep drew the background as 1 polygon\n");
  return 0;
}
