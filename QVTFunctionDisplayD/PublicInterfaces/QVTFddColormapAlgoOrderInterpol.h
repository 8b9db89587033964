// Order-interpolation colour map of homogeneous data: one X vector shared by all rows, one Z
// vector, a value matrix indexed (X index, Z index). Samples are joined along lines of equal order
// (scaled X over scaled Z) instead of along the axes. Holds one reference on each scaling, the X
// and Z vectors, the matrix and the axis. Vectors whose lengths differ from the matrix give an
// empty order table: nothing is drawn (logged) and no value is found.
#ifndef QVTFddColormapAlgoOrderInterpol_H
#define QVTFddColormapAlgoOrderInterpol_H

#include "QVTFddColormapAlgoOrderBase.h"

class CATSamIDoubleMatrix;

class QVTFddColormapAlgoOrderInterpol : public QVTFddColormapAlgoOrderBase {
 public:
  QVTFddColormapAlgoOrderInterpol(CATSamIDoubleVector* iXVector, double iXMinLimit, double iXMaxLimit,
                                  int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit,
                                  double iZMaxLimit, int iZInterpolate, CATSamIDoubleMatrix* iValues, int iWidth,
                                  int iHeight, QVTIFddContinuousAxis* iAxis, QVTIFddScaling* iXScaling,
                                  QVTIFddScaling* iZScaling, double iOrderTolerance);
  ~QVTFddColormapAlgoOrderInterpol() override;

 protected:
  int AddOrders() override;
  int CheckData() override;
  int HasData() const override;
  double SampleValue(int iZIndex, unsigned int iXIndex) const override;
  // Rows share the X values, read once: with the matrix's values in memory, nothing else is read.
  int ReadsMemoryOnly() const override { return HasDirectValues(); }
  const char* SourceName() const override;

 private:
  QVTFddColormapAlgoOrderInterpol(const QVTFddColormapAlgoOrderInterpol&) = delete;
  QVTFddColormapAlgoOrderInterpol& operator=(const QVTFddColormapAlgoOrderInterpol&) = delete;

  // Whether the vectors are as long as the matrix's sides.
  int LengthsMatch() const;

  RefPtr<CATSamIDoubleVector> _XVector;
  RefPtr<CATSamIDoubleMatrix> _Values;
};

#endif
