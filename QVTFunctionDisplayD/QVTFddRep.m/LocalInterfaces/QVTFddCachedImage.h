// The drawing and value-query skeleton of a primitive that fills a model box with a bitmap computed
// for the box's extent in pixels: the size-keyed image cache (QVTFddImageCache), the algorithm of
// the size shown, and the guard against a draw or query while a draw is under way. The primitive
// supplies how its algorithm is made (a member function giving a new algorithm for a size, or null
// when it has nothing to compute) and asks the algorithm shown for its values.
// TAlgorithm has MakeBitmap(), GetWidth() and GetHeight(). Owns the cache and the algorithm; refers
// to the primitive, which owns this object. Sizes are in device pixels.
#ifndef QVTFddCachedImage_H
#define QVTFddCachedImage_H

#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "CATPixelImage.h"
#include "CATRender.h"
#include "CATViewer.h"
#include "QVTFddImageCache.h"

template <class TAlgorithm, class TPrimitive>
class QVTFddCachedImage {
 public:
  typedef TAlgorithm* (TPrimitive::*NewAlgorithmFunction)(int iWidth, int iHeight) const;
  // The third conversion value of the box's corners to pixels (the others are the render's first,
  // second and third viewport parameters): the render's fourth parameter, or the viewer's scale.
  enum eScale { kRenderScale, kViewerScale };
  // Whether an empty image (data the algorithm refused) is handed to the render.
  enum eEmptyImage { kDrawEmpty, kSkipEmpty };

  QVTFddCachedImage(const TPrimitive& iPrimitive, NewAlgorithmFunction iNewAlgorithm, eScale iScale,
                    eEmptyImage iEmpty)
      : _Primitive(iPrimitive), _NewAlgorithm(iNewAlgorithm), _Scale(iScale), _Empty(iEmpty) {}
  ~QVTFddCachedImage() { DropAlgorithm(); }
  QVTFddCachedImage(const QVTFddCachedImage&) = delete;
  QVTFddCachedImage& operator=(const QVTFddCachedImage&) = delete;

  // Brings the image to the box's extent in pixels (keeps, zooms, drops or recomputes it) and
  // draws it at the box's low corner. Nothing without a 2D viewpoint, in a furtive pass, or in a
  // draw that the drawing itself started.
  void Draw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATMathBox2D& iBox) {
    if (_Busy || !iViewpoint) return;
    _Busy = true;
    int lWidth = 0, lHeight = 0;
    if (!iRender.GetFurtive() && PixelExtent(iRender, iViewpoint, iBox, lWidth, lHeight)) {
      Update(lWidth, lHeight);
      CATPixelImage* lImage = _Cache.Get();
      if (lImage && (_Empty == kDrawEmpty || !lImage->IsEmpty())) {
        const float lPosition[2] = {static_cast<float>(iBox.GetLow().GetX()), static_cast<float>(iBox.GetLow().GetY())};
        iRender.ImmediateDraw2DImagePixel(lPosition, lImage, 1, 0, 0);
      }
    }
    _Busy = false;
  }

  // The algorithm of the image shown, of that image's size (made anew after a zoom), for value
  // queries on the pixel grid shown; null before the first draw, during a draw, or when the
  // primitive makes none. This object keeps it.
  TAlgorithm* Shown() {
    const CATPixelImage* lImage = _Cache.Get();
    if (_Busy || !lImage) return nullptr;
    int lWidth = 0, lHeight = 0;
    lImage->GetSize(lWidth, lHeight);
    if (_Algorithm && (_Algorithm->GetWidth() != lWidth || _Algorithm->GetHeight() != lHeight)) DropAlgorithm();
    if (!_Algorithm) _Algorithm = (_Primitive.*_NewAlgorithm)(lWidth, lHeight);
    return _Algorithm;
  }

  // Drops the image and the algorithm: the next draw computes anew.
  void Drop() {
    DropAlgorithm();
    _Cache.Drop();
  }

 private:
  // The box's extent in pixels through the viewpoint; false when it is not a 2D viewpoint.
  bool PixelExtent(CATRender& iRender, const CATViewpoint* iViewpoint, const CATMathBox2D& iBox, int& oWidth,
                   int& oHeight) const {
    const CAT2DViewpoint* lViewpoint = dynamic_cast<const CAT2DViewpoint*>(iViewpoint);
    if (!lViewpoint) return false;
    float lParameter1 = 0.0f, lParameter2 = 0.0f, lParameter3 = 0.0f, lParameter4 = 0.0f;
    iRender.GetViewportParameters(lParameter1, lParameter2, lParameter3, lParameter4);
    float lScale = lParameter4;
    if (_Scale == kViewerScale) {
      const CATViewer* lViewer = lViewpoint->GetViewer();
      lScale = lViewer ? lViewer->GetMMInSupportUnit() : 1.0f;
    }
    const CATMathPoint2D lLow = iBox.GetLow(), lHigh = iBox.GetHigh();
    CATMathPoint2Df P, Q;
    lViewpoint->ModelToPixel(CATMathPointf(static_cast<float>(lLow.GetX()), static_cast<float>(lLow.GetY()), 0.0f), P,
                             lParameter1, lParameter2, lScale, lParameter3);
    lViewpoint->ModelToPixel(CATMathPointf(static_cast<float>(lHigh.GetX()), static_cast<float>(lHigh.GetY()), 0.0f),
                             Q, lParameter1, lParameter2, lScale, lParameter3);
    oWidth = QVTFddImageCache::PixelExtent(static_cast<double>(Q.x) - P.x);
    oHeight = QVTFddImageCache::PixelExtent(static_cast<double>(Q.y) - P.y);
    return true;
  }

  void Update(int iWidth, int iHeight) {
    const QVTFddImageCache::eFit lFit = _Cache.Fit(iWidth, iHeight);
    if (lFit == QVTFddImageCache::kKept) return;
    DropAlgorithm();
    if (lFit != QVTFddImageCache::kCompute) return;
    _Algorithm = (_Primitive.*_NewAlgorithm)(iWidth, iHeight);
    if (_Algorithm) _Cache.Store(_Algorithm->MakeBitmap(), iWidth, iHeight);
  }

  void DropAlgorithm() {
    delete _Algorithm;
    _Algorithm = nullptr;
  }

  const TPrimitive& _Primitive;
  NewAlgorithmFunction _NewAlgorithm;
  eScale _Scale;
  eEmptyImage _Empty;
  QVTFddImageCache _Cache;
  TAlgorithm* _Algorithm = nullptr;
  bool _Busy = false;
};

#endif
