// Order-interpolation colour map of non-homogeneous data: one Z vector, and per row (Z sample)
// its own X vector and value row. Samples are joined along lines of equal order (scaled X over
// scaled Z). A row takes part only when it has an X vector, a value row as long as it, and a Z
// value. Holds one reference on each scaling, the per-row X data, the Z vector, the value rows and
// the axis.
#ifndef QVTFddColormapAlgoOrderInterpolNH_H
#define QVTFddColormapAlgoOrderInterpolNH_H

#include "QVTFddColormapAlgoOrderBase.h"

class CATSamIDouble1p5D;
class CATSamIDouble2DDim2NH;

class QVTFddColormapAlgoOrderInterpolNH : public QVTFddColormapAlgoOrderBase {
 public:
  QVTFddColormapAlgoOrderInterpolNH(CATSamIDouble1p5D* iXValues, double iXMinLimit, double iXMaxLimit,
                                    int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit,
                                    double iZMaxLimit, int iZInterpolate, CATSamIDouble2DDim2NH* iValues, int iWidth,
                                    int iHeight, QVTIFddContinuousAxis* iAxis, QVTIFddScaling* iXScaling,
                                    QVTIFddScaling* iZScaling, double iOrderTolerance);
  ~QVTFddColormapAlgoOrderInterpolNH() override;

 protected:
  int AddOrders() override;
  int CheckData() override;
  int HasData() const override;
  double SampleValue(int iZIndex, unsigned int iXIndex) const override;
  const char* SourceName() const override;

 private:
  QVTFddColormapAlgoOrderInterpolNH(const QVTFddColormapAlgoOrderInterpolNH&) = delete;
  QVTFddColormapAlgoOrderInterpolNH& operator=(const QVTFddColormapAlgoOrderInterpolNH&) = delete;

  // The X vector of row iRow when the row takes part, else null.
  RefPtr<CATSamIDoubleVector> UsableRow(unsigned int iRow, unsigned int iZLength) const;

  RefPtr<CATSamIDouble1p5D> _XValuesNonHom;
  RefPtr<CATSamIDouble2DDim2NH> _ValuesNonHom;
};

#endif
