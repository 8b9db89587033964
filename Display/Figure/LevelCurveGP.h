// A curve y(x) with ascending x drawn from its levels of detail: each draw hands the curve
// primitive only the samples that decide the picture of the current view, as a view onto the data
// (SelectedVector), so that a frame costs about the same at every zoom and for any number of
// samples, and shows exactly what the primitive draws from all samples.
//
// The samples kept: those of the pixel columns around the display box (bisection, two columns of
// margin so that nothing cut off reaches the box, and one sample beyond); per pixel column, for
// each stretch without gaps its first two samples, its lowest and highest and its last sample, and
// the first sample of each gap. The primitive's reduction of a column then sees the same first
// segment, the same lowest and highest values, and the same segments between columns, so it gives
// the same segments. Until the levels are ready (or when x does not ascend) all samples are drawn.
// Holds the levels (shared); model units as the curve primitive's.
#ifndef LevelCurveGP_H
#define LevelCurveGP_H

#include <memory>

#include "CATDynamicGP.h"
#include "CATMathBox2D.h"
#include "RefPtr.h"

class CurveLevels;
class QVTFdd2DCurveGP;

class LevelCurveGP : public CATDynamicGP {
 public:
  LevelCurveGP(std::shared_ptr<const CurveLevels> iLevels, const CATMathBox2D& iDataBox,
               const CATMathBox2D& iDisplayBox);
  ~LevelCurveGP() override;

  void ImmediateDraw(CATRender& iRender, const CATViewpoint* iViewpoint, const CATViewport* iViewport) override;
  // The number of samples the last draw handed to the curve primitive.
  unsigned int GetNbSelected() const { return _NbSelected; }
  // Up to this many visible samples per pixel column the visible range is drawn whole (32 at
  // first); 0 chooses among them at every zoom.
  void SetRangePerColumn(double iSamples) { _RangePerColumn = iSamples; }

 private:
  // The primitive over the samples the view iViewpoint needs (null when nothing is drawn).
  RefPtr<QVTFdd2DCurveGP> Select(const CATViewpoint* iViewpoint, const float iParameters[4]);

  std::shared_ptr<const CurveLevels> _Levels;
  CATMathBox2D _DataBox;
  CATMathBox2D _DisplayBox;
  // The primitive of the last draw, with the view it was made for: drawn again (from its own cache)
  // while the view stays.
  RefPtr<QVTFdd2DCurveGP> _Curve;
  double _Key[6] = {0, 0, 0, 0, 0, 0};
  bool _KeyReady = false;
  unsigned int _NbSelected = 0;
  double _RangePerColumn = 32.0;
};

#endif
