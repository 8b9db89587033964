#include "QVTFddContributionBarGP.h"

#include <new>

#include "CAT2DRep.h"
#include "CATSamIDoubleVector.h"
#include "QVTFddCachedImage.h"
#include "QVTFddModuleFrame.h"
#include "QVTIFddContinuousAxis.h"

QVTFDD_META_IMPLEMENT(QVTFddContributionBarGP, CAT2DRep)

static_assert(QVTFddContributionAlgoLineair::kMaxPixels == QVTFddImageCache::kMaxPixels,
              "the cache drops what the algorithm would not compute");

QVTFddContributionBarGP::QVTFddContributionBarGP(const CATMathBox2D& iBox, eBarDirection iDirection,
                                                 const CATSamIDoubleVector* iArgVector, double iMinLimit,
                                                 double iMaxLimit, const CATSamIDoubleVector* iResVector,
                                                 QVTIFddContinuousAxis* iAxis)
    : _Box(iBox),
      _Direction(iDirection),
      _ArgVector(RefPtr<const CATSamIDoubleVector>::Hold(iArgVector)),
      _ResVector(RefPtr<const CATSamIDoubleVector>::Hold(iResVector)),
      _MinLimit(iMinLimit),
      _MaxLimit(iMaxLimit),
      _Axis(RefPtr<QVTIFddContinuousAxis>::Hold(iAxis)),
      _Image(NewCachedImage(*this)) {}

QVTFddContributionBarGP::QVTFddContributionBarGP(const QVTFddContributionBarGP& iOther)
    : CATDynamicGP(iOther),
      _Box(),
      _Direction(iOther._Direction),
      _MinLimit(iOther._MinLimit),
      _MaxLimit(iOther._MaxLimit),
      _Image(NewCachedImage(*this)) {}

QVTFddContributionBarGP& QVTFddContributionBarGP::operator=(const QVTFddContributionBarGP& iOther) {
  CATGraphicPrimitive::operator=(iOther);
  Detach();
  return *this;
}

QVTFddContributionBarGP::~QVTFddContributionBarGP() {
  Detach();
  delete _Image;
  _Image = nullptr;
}

QVTFddContributionBarGP::CachedImage* QVTFddContributionBarGP::NewCachedImage(
    const QVTFddContributionBarGP& iPrimitive) {
  // The bar converts its box with the viewer's scale and leaves an empty image undrawn.
  return new (std::nothrow) CachedImage(iPrimitive, &QVTFddContributionBarGP::NewAlgorithm,
                                        CachedImage::kViewerScale, CachedImage::kSkipEmpty);
}

void QVTFddContributionBarGP::Detach() {
  _ArgVector.Reset();
  _ResVector.Reset();
  _Axis.Reset();
  if (_Image) _Image->Drop();
}

QVTFddContributionAlgoLineair* QVTFddContributionBarGP::NewAlgorithm(int iWidth, int iHeight) const {
  // A detached primitive (a copy) has nothing to draw.
  if (!_ArgVector || !_ResVector || !_Axis) return nullptr;
  return new (std::nothrow)
      QVTFddContributionAlgoLineair(_ArgVector.Get(), _MinLimit, _MaxLimit, 1, _ResVector.Get(), iWidth, iHeight,
                                    _Axis.Get(), _Direction);
}

void QVTFddContributionBarGP::ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint,
                                            const CATViewport*) {
  if (_Image) _Image->Draw(iRender, iViewpoint, _Box);
}

long QVTFddContributionBarGP::GetValue(double iArgument, double& oValue) {
  QVTFddContributionAlgoLineair* lAlgorithm = _Image ? _Image->Shown() : nullptr;
  return lAlgorithm ? lAlgorithm->GetValue(iArgument, oValue) : E_FAIL;
}
