// What a plot of curves asks for, as fdd-plot curve, fdd-view curve and fddplot.curve take it: the
// data of the curves (y against the left value axis, y2 against a right one, x shared), their
// look, the axes and the picture. Options() is the one table of its options.
#ifndef CurveRequest_H
#define CurveRequest_H

#include <cmath>
#include <string>
#include <vector>

#include "CurveStyles.h"
#include "DataInput.h"
#include "RequestError.h"
#include "RequestOption.h"

struct CurveRequest : CurveStyles {
  DataInput X;
  std::vector<DataInput> Y;
  std::vector<DataInput> Y2;
  bool Symbols = false;
  bool LogX = false;
  bool LogY = false;
  bool Grid = false;
  std::string XLimits;
  std::string YLimits;
  std::string Y2Limits;
  std::string XLabel;
  std::string YLabel;
  std::string Y2Label;
  std::string Title;
  std::string Size = "1000x600";
  std::string Cursor;
  bool Stats = false;

  // After Check: x, y and y2 limits (NaN: the data's) and the picture's size.
  double Limits[6] = {NAN, NAN, NAN, NAN, NAN, NAN};
  int Width = 0;
  int Height = 0;
  // After Check: the cursors A < B, NaN when not given.
  double Cursors[2] = {NAN, NAN};
  bool HasCursors() const { return !std::isnan(Cursors[0]); }

  static const std::vector<RequestOption<CurveRequest>>& Options();
  bool Check(RequestError& oError);

 private:
  bool CheckCursors(RequestError& oError);
};

#endif
