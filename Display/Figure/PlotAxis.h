// One axis of a plot area: its label, whether it is logarithmic, and an optional fixed range (data
// units; NaN ends mean "from the data"). Makes the tick sources for a range and the library's axis
// drawing along one edge of the data box.
#ifndef PlotAxis_H
#define PlotAxis_H

#include <string>

#include "CATMathDirection2D.h"
#include "CATMathPoint2D.h"
#include "RefPtr.h"

class CATFont;
class QVTFdd2DAxisDrawing;
class QVTIFddTicks;
struct FigureStyle;

class PlotAxis {
 public:
  void SetLabel(const std::string& iLabel) { _Label = iLabel; }
  void SetLog(bool iLog) { _Log = iLog; }
  // A range with a NaN end, or an empty one, leaves the range to the data.
  void SetRange(double iMin, double iMax);

  const std::string& GetLabel() const { return _Label; }
  bool IsLog() const { return _Log; }
  bool HasRange() const;
  double GetMin() const { return _Min; }
  double GetMax() const { return _Max; }

  // The coordinate of a data value along the axis: the value, or its decimal logarithm.
  double ToAxis(double iValue) const;

  // Major and minor ticks over [iMin, iMax] (data units) for an axis iLength model units long,
  // horizontal or not (empty when the heap refuses). Levels denser than the
  // style's tick spacing are left out.
  void MakeTicks(double iMin, double iMax, double iLength, bool iHorizontal, const FigureStyle& iStyle,
                 RefPtr<QVTIFddTicks>& oMajor, RefPtr<QVTIFddTicks>& oMinor) const;

  // The axis drawing from iStart to iEnd with its texts towards iSide; takes its own references on
  // the ticks. Empty when the heap refuses.
  static RefPtr<QVTFdd2DAxisDrawing> MakeDrawing(const CATMathPoint2D& iStart, const CATMathPoint2D& iEnd,
                                                 const CATMathDirection2D& iSide, QVTIFddTicks* iMajor,
                                                 QVTIFddTicks* iMinor, const std::string& iLabel,
                                                 const FigureStyle& iStyle, CATFont& iFont);

 private:
  std::string _Label;
  bool _Log = false;
  double _Min = 0.0 / 0.0;
  double _Max = 0.0 / 0.0;
};

#endif
