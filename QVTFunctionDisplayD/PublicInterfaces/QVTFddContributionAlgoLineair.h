// Bitmap of a contribution bar (a one-dimensional colour map) of a fixed size in pixels: result
// values over sorted argument values, mapped onto the pixels of one strip with pixel jobs, a
// pixel over several samples showing their maximum and a pixel in a gap an interpolated value,
// coloured by a continuous axis; the strip is then replicated across the bar. Also answers the
// value under an argument at that pixel resolution.
// Holds one reference on each vector and on the axis. Limits are in argument units, sizes in
// pixels; bitmaps are under 2000 pixels in each direction.
#ifndef QVTFddContributionAlgoLineair_H
#define QVTFddContributionAlgoLineair_H

#include "CATPixelImage.h"
#include "HostTypes.h"
#include "RefPtr.h"

class CATSamIDoubleVector;
class QVTFddPixelJob;
class QVTIFddContinuousAxis;

class QVTFddContributionAlgoLineair {
 public:
  // HorizontalBar: the colour varies along x (one job per column); any other value along y.
  // Based on int, so that any value a caller passes is a valid direction.
  enum eBarDirection : int { VerticalBar = 0, HorizontalBar = 1 };
  enum eValueType : int { ValueFound = 0, NoValue = 1 };

  // Bitmaps are limited to below this many pixels in each direction.
  static constexpr int kMaxPixels = 2000;

  QVTFddContributionAlgoLineair(const CATSamIDoubleVector* iArgVector, double iMinLimit, double iMaxLimit,
                                int iInterpolate, const CATSamIDoubleVector* iResVector, int iWidth, int iHeight,
                                QVTIFddContinuousAxis* iAxis, eBarDirection iDirection);
  // Copies hold their own references on the vectors and the axis.
  QVTFddContributionAlgoLineair(const QVTFddContributionAlgoLineair& iOther);
  QVTFddContributionAlgoLineair& operator=(const QVTFddContributionAlgoLineair& iOther);
  virtual ~QVTFddContributionAlgoLineair();

  int GetWidth() const { return _Width; }
  int GetHeight() const { return _Height; }

  // The bar's image (format 3, row 0 at the bottom); empty when a vector or the axis is missing,
  // a size is below 1 or at 2000 or more, or the vectors' lengths differ.
  CATPixelImage MakeBitmap();

  // The value that coloured the pixel of iArgument: S_OK with oValue, or E_FAIL (oValue not
  // written) outside [_MinLimit, _MaxLimit], for NaN, and where the pixel has no data.
  long GetValue(double iArgument, double& oValue);

 private:
  // Whether the members allow any bitmap at all.
  int IsUsable() const;
  // Number of jobs of the strip: the width of a horizontal bar, else the height.
  int StripLength() const;
  // What the bitmap and the value queries share, done once and kept: the checks and the strip's
  // jobs. False when no bitmap is made; refused data are checked (and logged) again at every call.
  bool Prepare();
  // Forgets what Prepare kept (for a copy or an assignment).
  void Unprepare();
  eValueType CalculatePixelValue(const QVTFddPixelJob& iJob, const CATSamIDoubleVector* iValues,
                                 double& oValue) const;

  RefPtr<QVTIFddContinuousAxis> _Axis;
  RefPtr<const CATSamIDoubleVector> _ArgVector;
  RefPtr<const CATSamIDoubleVector> _ResVector;
  double _MinLimit;
  double _MaxLimit;
  int _Interpolate;
  int _Width;
  int _Height;
  eBarDirection _Direction;
  // The strip's jobs once prepared.
  QVTFddPixelJob* _Jobs;
};

#endif
