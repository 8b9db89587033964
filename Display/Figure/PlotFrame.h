// Where the data of a plot area lands on the page: the data box (model units) and the data range
// of each axis it shows, linear or logarithmic. Borrows the axes.
#ifndef PlotFrame_H
#define PlotFrame_H

#include "CATMathBox2D.h"

class PlotAxis;

class PlotFrame {
 public:
  PlotFrame(const PlotAxis& iXAxis, const PlotAxis& iYAxis, double iXMin, double iXMax, double iYMin, double iYMax,
            const CATMathBox2D& iBox);

  const PlotAxis& GetXAxis() const { return _XAxis; }
  const PlotAxis& GetYAxis() const { return _YAxis; }
  const CATMathBox2D& GetBox() const { return _Box; }
  double GetXMin() const { return _XMin; }
  double GetXMax() const { return _XMax; }
  double GetYMin() const { return _YMin; }
  double GetYMax() const { return _YMax; }
  // The ranges in axis coordinates (decimal logarithms on a logarithmic axis).
  CATMathBox2D GetAxisBox() const;

  // Model coordinates of data values.
  double ModelX(double iValue) const;
  double ModelY(double iValue) const;

 private:
  // iValue on iAxis, showing [iMin, iMax] over model units [iLow, iHigh].
  static double ToModel(const PlotAxis& iAxis, double iMin, double iMax, double iLow, double iHigh, double iValue);

  const PlotAxis& _XAxis;
  const PlotAxis& _YAxis;
  double _XMin, _XMax, _YMin, _YMax;
  CATMathBox2D _Box;
};

#endif
