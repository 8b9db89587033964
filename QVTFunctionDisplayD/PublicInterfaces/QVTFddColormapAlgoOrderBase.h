// What the two order-interpolation colour map algorithms share: the order of a point (X scaled
// over Z scaled), the order table of the samples, and per pixel the band of samples whose order
// lies within a relative tolerance of the pixel's. Of the samples in the band, the nearest inside
// and the nearest outside the pixel's distance from the origin choose a data row each; each row
// gives its value at the pixel's own order, interpolated in order between its samples in the band
// around it, so that lines of equal order are followed whatever the tolerance. The two values are
// weighted towards the nearer row. Images are computed row by row under a progress dialog that can
// cancel them. The derived classes read their data layout: they fill the table row by row and give
// a sample's value.
// Holds one reference on the axis, the Z vector and both scalings (the derived classes on their
// data); owns the order table, which holds a few numbers per row and per shared X value, and an
// index per sample only for rows whose X values do not ascend. Limits are in data units, sizes in
// pixels (below 2000 each way).
#ifndef QVTFddColormapAlgoOrderBase_H
#define QVTFddColormapAlgoOrderBase_H

#include "QVTFddColormapAlgo.h"
#include "RefPtr.h"

class CATSamIDoubleVector;
class QVTFddOrderHints;
class QVTFddOrderPoint;
class QVTFddOrderTable;
class QVTIFddContinuousAxis;
class QVTIFddScaling;

class QVTFddColormapAlgoOrderBase : public QVTFddColormapAlgo {
 public:
  ~QVTFddColormapAlgoOrderBase() override;

  // The image (format 3, row 0 at _ZMinLimit); empty when data, the axis or a scaling is missing,
  // when the data do not fit together (logged), or at 2000 pixels or more either way.
  CATPixelImage MakeBitmap() override;
  // The value of the pixel under (iX, iZ): 0 with oValue, or 0x80004005 outside the limits, for
  // NaN, for a point on no pixel of the image, or where the pixel has no value.
  long GetValue(double iX, double iZ, double& oValue) override;
  int GetWidth() override { return _Width; }
  int GetHeight() override { return _Height; }

  // Number of samples in the order table (those whose order is a number).
  int GetOrderCount() const;

  // Bytes an order map allocates for iLengthX X values (of the longest row for non-homogeneous
  // data) by iLengthZ rows at iWidth x iHeight pixels, its image and the copy that the colour map
  // primitive keeps included; the data themselves are the caller's and are not copied. Rows whose
  // X values do not ascend or hold NaN add 4 bytes per sample of theirs.
  static long long EstimateBytes(long long iLengthX, long long iLengthZ, int iWidth, int iHeight);

  // Threads that compute an image's rows: 2 (the default) lets a second thread help when the data
  // are in memory and the machine has two cores; 1 keeps all on the calling thread. Same image.
  void SetThreads(int iThreads) { _Threads = iThreads; }

 protected:
  // Stores the arguments and takes one reference on each scaling; the derived constructor takes
  // the others (in its data's order) with HoldZVector and HoldAxis, then calls BuildOrders.
  QVTFddColormapAlgoOrderBase(double iXMinLimit, double iXMaxLimit, int iXInterpolate, double iZMinLimit,
                              double iZMaxLimit, int iZInterpolate, int iWidth, int iHeight, QVTIFddScaling* iXScaling,
                              QVTIFddScaling* iZScaling, double iOrderTolerance);

  void HoldZVector(CATSamIDoubleVector* iZVector);
  void HoldAxis(QVTIFddContinuousAxis* iAxis);

  // Fills the order table through AddOrders and sorts it. Nothing is added without both scalings.
  void BuildOrders();
  // Records that memory ran out (logged): the map then draws an empty image.
  void OutOfMemory();

  // The derived class's part of BuildOrders: fills _Orders row by row; 0 when memory runs out.
  virtual int AddOrders() = 0;
  // Whether the data fit together for an image; logs what does not.
  virtual int CheckData() = 0;
  // Whether every data object is there.
  virtual int HasData() const = 0;
  // The data value of sample iXIndex of row iZIndex, when the values are not set in memory.
  virtual double SampleValue(int iZIndex, unsigned int iXIndex) const = 0;
  // Whether SampleValue and the order table read memory only, calling nothing of the host (whose
  // objects are not shared between threads), so that a second thread may compute image rows.
  virtual int ReadsMemoryOnly() const { return 0; }
  // The source name under which the derived class's messages are logged.
  virtual const char* SourceName() const = 0;

  double ConvertZ(double iZ) const;
  // Values in memory, sample i of row k at iValues[i * iStrideX + k * iStrideZ]: read without a
  // call per value, instead of SampleValue.
  void SetDirectValues(const double* iValues, unsigned long long iStrideX, unsigned long long iStrideZ);
  int HasDirectValues() const { return _DirectValues != nullptr; }

  RefPtr<QVTIFddContinuousAxis> _Axis;
  RefPtr<CATSamIDoubleVector> _ZVector;
  int _Width;
  int _Height;
  double _XMinLimit, _XMaxLimit;
  int _XInterpolate;  // kept, not used: samples are joined along orders
  double _ZMinLimit, _ZMaxLimit;
  int _ZInterpolate;  // kept, not used
  QVTFddOrderTable* _Orders;
  int _OutOfMemory;
  double _OrderTolerance;
  int _Threads;
  RefPtr<QVTIFddScaling> _XScaling;
  RefPtr<QVTIFddScaling> _ZScaling;

 private:
  QVTFddColormapAlgoOrderBase(const QVTFddColormapAlgoOrderBase&) = delete;
  QVTFddColormapAlgoOrderBase& operator=(const QVTFddColormapAlgoOrderBase&) = delete;

  // The value at data point (iX, iZ) whose converted coordinates are iXScaled and iZScaled.
  // (It and PointValue are inline: a call per pixel costs as much as their own work.)
  inline eValueType CalculateValue(double iX, double iZ, double iXScaled, double iZScaled, double& oValue,
                                   const QVTFddOrderHints* ioHints = nullptr) const;
  // The value of a row at the pixel's order.
  inline double PointValue(const QVTFddOrderPoint& iPoint) const;
  double Value(int iZIndex, unsigned int iXIndex) const {
    return _DirectValues ? _DirectValues[iXIndex * _StrideX + static_cast<unsigned int>(iZIndex) * _StrideZ]
                         : SampleValue(iZIndex, iXIndex);
  }
  // The value of X pixel iXPixel and Z pixel iZPixel.
  eValueType CalculateOrderValue(int iXPixel, int iZPixel, double& oValue) const;
  // Data coordinate of pixel iPixel of iLength: the low edge of its share of the range.
  static double PixelPosition(int iPixel, double iMinLimit, double iMaxLimit, int iLength);
  // Pixel of iValue (truncation of the position + 0.5), logged under the derived class's source.
  int ValueToPixel(double iValue, double iMinLimit, double iMaxLimit, int iLength) const;
  // Writes the colour of one pixel.
  void Colour(eValueType iType, double iValue, unsigned char* oPixel) const;

  const double* _DirectValues;
  unsigned long long _StrideX, _StrideZ;
};

#endif
