// One axis of a plot area: its label, its scale (linear or logarithmic), and an optional fixed range
// (data units; NaN ends mean "from the data"). Finds the range it shows, makes the tick sources for
// a range and the library's axis drawing along one edge of the data box.
#ifndef PlotAxis_H
#define PlotAxis_H

#include <string>

#include "AxisScale.h"
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
  void SetScale(const AxisScale& iScale) { _Scale = iScale; }
  void SetLog(bool iLog) { _Scale = AxisScale::Of(iLog); }
  // A range with a NaN end, or an empty one, leaves the range to the data. On a logarithmic axis an
  // end at or below zero is dropped (with a warning, see ShownRange) and the other end kept.
  void SetRange(double iMin, double iMax);

  const std::string& GetLabel() const { return _Label; }
  const AxisScale& GetScale() const { return _Scale; }
  bool IsLog() const { return _Scale.IsLog(); }
  bool HasRange() const;
  double GetMin() const { return _Min; }
  double GetMax() const { return _Max; }

  // The coordinate of a data value along the axis (see AxisScale), and back.
  double ToAxis(double iValue) const { return _Scale.ToAxis(iValue); }
  double FromAxis(double iCoordinate) const { return _Scale.FromAxis(iCoordinate); }

  // The range the axis shows for data over [iLow, iHigh] (NaN ends: none) with iMargin of its span
  // around it: its own range when it has one, else the data's. oWarning (empty when all is well)
  // tells the reader about the axis named iName: an end of its own that the scale cannot show, or,
  // when iHasData, a logarithmic axis without data above zero.
  void ShownRange(double iLow, double iHigh, double iMargin, bool iHasData, const std::string& iName, double& oMin,
                  double& oMax, std::string& oWarning) const;

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
  AxisScale _Scale;
  double _Min = 0.0 / 0.0;
  double _Max = 0.0 / 0.0;
};

#endif
