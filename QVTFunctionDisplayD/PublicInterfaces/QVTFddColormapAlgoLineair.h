// Linear colour map algorithm: maps the image's columns linearly onto [X min, X max] and its rows
// onto [Z min, Z max] with pixel jobs; a pixel over several samples shows their maximum (so that
// a single-sample peak stays visible), a pixel between samples a linear (or bilinear) interpolation,
// and the continuous axis gives the colour of the value. Homogeneous data: one X vector, one Z
// vector and a value matrix (X index, Z index). Non-homogeneous data: one X vector and one value
// row per Z sample; the rows are resampled onto the X pixels once per object and kept.
// Holds one reference on every data object and the axis; owns the resampled matrix. Limits are in
// data units, sizes in pixels; images are below 2000 pixels in each direction.
#ifndef QVTFddColormapAlgoLineair_H
#define QVTFddColormapAlgoLineair_H

#include "QVTFddColormapAlgo.h"
#include "RefPtr.h"

class CATSamIDouble1p5D;
class CATSamIDouble2DDim2NH;
class CATSamIDoubleMatrix;
class CATSamIDoubleVector;
class QVTFddDoubleMatrix;
class QVTFddPixelJob;
class QVTIFddContinuousAxis;

class QVTFddColormapAlgoLineair : public QVTFddColormapAlgo {
 public:
  // Images are refused from this many pixels on, in either direction; so are non-homogeneous data
  // of this many rows.
  static constexpr int kMaxPixels = 2000;

  // Homogeneous data: iValues is indexed (X index, Z index).
  QVTFddColormapAlgoLineair(CATSamIDoubleVector* iXVector, double iXMinLimit, double iXMaxLimit, int iXInterpolate,
                            CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                            CATSamIDoubleMatrix* iValues, int iWidth, int iHeight, QVTIFddContinuousAxis* iAxis);
  // Non-homogeneous data: row j of iValues has its X samples in row j of iXValues.
  QVTFddColormapAlgoLineair(CATSamIDouble1p5D* iXValues, double iXMinLimit, double iXMaxLimit, int iXInterpolate,
                            CATSamIDoubleVector* iZVector, double iZMinLimit, double iZMaxLimit, int iZInterpolate,
                            CATSamIDouble2DDim2NH* iValues, int iWidth, int iHeight, QVTIFddContinuousAxis* iAxis);
  // Nothing copies an algorithm: the primitive owns exactly one.
  QVTFddColormapAlgoLineair(const QVTFddColormapAlgoLineair&) = delete;
  QVTFddColormapAlgoLineair& operator=(const QVTFddColormapAlgoLineair&) = delete;
  ~QVTFddColormapAlgoLineair() override;

  // The image (format 3, row 0 at Z min, column 0 at X min). Empty when data or the axis are
  // missing, the data's lengths disagree (logged), or a size is below 1 or 2000 and more.
  CATPixelImage MakeBitmap() override;
  // The value that MakeBitmap gives the pixel of (iX, iZ): S_OK with oValue (which may be NaN
  // for homogeneous data), or E_FAIL outside the limits, where the pixel has no value, or when no
  // image can be made.
  long GetValue(double iX, double iZ, double& oValue) override;
  int GetWidth() override { return _Width; }
  int GetHeight() override { return _Height; }

  // Threads that compute an image's pixel values: 2 (the default) lets a second thread help when
  // the cells are in memory and the machine has two cores; 1 keeps all on the calling thread.
  // Same image.
  void SetThreads(int iThreads) { _Threads = iThreads; }

 private:
  // Both data constructors: the pointers of the other kind of data are null.
  QVTFddColormapAlgoLineair(CATSamIDoubleVector* iXVector, CATSamIDouble1p5D* iXValues, double iXMinLimit,
                            double iXMaxLimit, int iXInterpolate, CATSamIDoubleVector* iZVector, double iZMinLimit,
                            double iZMaxLimit, int iZInterpolate, CATSamIDoubleMatrix* iValues,
                            CATSamIDouble2DDim2NH* iValuesNonHom, int iWidth, int iHeight,
                            QVTIFddContinuousAxis* iAxis);
  // Value of the pixel of the X job and the Z job over the homogeneous matrix, computed as the
  // image computes it (may be NaN); no value when either job reads no cell.
  eValueType TileValue(const QVTFddPixelJob& iXJob, const QVTFddPixelJob& iZJob, double& oValue);
  // Value of the pixel of iJob along one data row.
  eValueType CalculatePixelValue(const QVTFddPixelJob& iJob, CATSamIDoubleVector* iRow, double& oValue);
  // Value of X pixel iXPixel for the Z job over the resampled rows; any row without a value in
  // the job leaves the pixel without one.
  eValueType CalculateColumnValue(int iXPixel, const QVTFddPixelJob& iZJob, QVTFddDoubleMatrix* iResampled,
                                  double& oValue);
  // Brings every non-homogeneous row onto the X pixels, once.
  void ResampleNonHom();

  // Who asks for the preparation: the image and the value query log a refused Z length in
  // different words.
  enum eCaller { kImage, kValue };
  // Whether the homogeneous data are complete and agree in size (logged when they do not).
  bool HomogeneousLengthsAgree(eCaller iCaller) const;
  // The rows count of the non-homogeneous data (0 without data).
  unsigned int NonHomRows() const;
  bool SizeAllowed() const;
  // iLength jobs for iVector over [iMinLimit, iMaxLimit] (null when the heap is exhausted).
  static QVTFddPixelJob* NewJobs(CATSamIDoubleVector* iVector, double iMinLimit, double iMaxLimit, int iInterpolate,
                                 int iLength);
  // The pixels of the prepared homogeneous or non-homogeneous data into ioImage; false when the
  // heap is exhausted.
  bool FillHomogeneous(CATPixelImage& ioImage);
  bool FillNonHom(CATPixelImage& ioImage);
  // What the image and the value queries share, done once and kept: the checks of the data and
  // the size, the pixel jobs, the resampled rows. False when no image is made; refused data are
  // checked (and logged) again at every call.
  bool Prepare(eCaller iCaller);
  bool PrepareHomogeneous(eCaller iCaller);
  bool PrepareNonHom();
  // The value of pixel (iXPixel, iZPixel) of a prepared image.
  eValueType PixelValue(int iXPixel, int iZPixel, double& oValue);

  RefPtr<QVTIFddContinuousAxis> _Axis;
  RefPtr<CATSamIDoubleVector> _XVector;
  RefPtr<CATSamIDouble1p5D> _XValuesNonHom;
  RefPtr<CATSamIDoubleVector> _ZVector;
  RefPtr<CATSamIDoubleMatrix> _Values;
  RefPtr<CATSamIDouble2DDim2NH> _ValuesNonHom;
  RefPtr<QVTFddDoubleMatrix> _ValuesResampled;
  bool _Prepared;
  // The pixel jobs of the columns (homogeneous data only) and of the rows, once prepared.
  QVTFddPixelJob* _XJobs;
  QVTFddPixelJob* _ZJobs;
  int _Width;
  int _Height;
  double _XMinLimit;
  double _XMaxLimit;
  int _XInterpolate;
  double _ZMinLimit;
  double _ZMaxLimit;
  int _ZInterpolate;
  int _Threads;
};

#endif
