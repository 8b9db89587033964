// Contribution bar primitive: fills a rectangle in model coordinates with the bitmap of a
// contribution bar, computed for the rectangle's current extent in pixels and anchored at its low
// corner. Keeps the bitmap between draws: the same size redraws it, a size within 20 % of the
// computed diagonal rescales it, a larger change or 2000 pixels and more drops it.
// Holds one reference on each vector and the axis; owns the cached image and the algorithm of
// the size shown. Limits are in argument units, sizes in device pixels.
#ifndef QVTFddContributionBarGP_H
#define QVTFddContributionBarGP_H

#include "CATDynamicGP.h"
#include "CATMathBox2D.h"
#include "QVTFddContributionAlgoLineair.h"
#include "RefPtr.h"

class CATSamIDoubleVector;
template <class TAlgorithm, class TPrimitive>
class QVTFddCachedImage;
class QVTIFddContinuousAxis;

class QVTFddContributionBarGP : public CATDynamicGP {
  HOST_META_DECLARE
 public:
  typedef QVTFddContributionAlgoLineair::eBarDirection eBarDirection;

  QVTFddContributionBarGP(const CATMathBox2D& iBox, eBarDirection iDirection, const CATSamIDoubleVector* iArgVector,
                          double iMinLimit, double iMaxLimit, const CATSamIDoubleVector* iResVector,
                          QVTIFddContinuousAxis* iAxis);
  // A copy is detached: no vectors, axis, image or algorithm, a default box; it draws nothing.
  QVTFddContributionBarGP(const QVTFddContributionBarGP& iOther);
  // Assigns the primitive base and detaches this primitive (its references are given back).
  QVTFddContributionBarGP& operator=(const QVTFddContributionBarGP& iOther);
  ~QVTFddContributionBarGP() override;

  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;

  // The value under iArgument at the resolution shown: E_FAIL before the first draw, during a
  // draw, or where the pixel has no data.
  long GetValue(double iArgument, double& oValue);

 private:
  typedef QVTFddCachedImage<QVTFddContributionAlgoLineair, QVTFddContributionBarGP> CachedImage;

  // A new algorithm of the given size (null when detached or when the heap is exhausted).
  QVTFddContributionAlgoLineair* NewAlgorithm(int iWidth, int iHeight) const;
  static CachedImage* NewCachedImage(const QVTFddContributionBarGP& iPrimitive);
  void Detach();

  CATMathBox2D _Box;
  eBarDirection _Direction;
  RefPtr<const CATSamIDoubleVector> _ArgVector;
  RefPtr<const CATSamIDoubleVector> _ResVector;
  double _MinLimit;
  double _MaxLimit;
  RefPtr<QVTIFddContinuousAxis> _Axis;
  // The image of the size shown and its algorithm (null only when the heap was exhausted at
  // construction: nothing is drawn then).
  CachedImage* _Image;
};

#endif
