// The navigator the view tests share: a 0 .. 10 by 0 .. 10 view (x 1 .. 1e10 when logarithmic)
// whose data box is 100 .. 300 x 50 .. 250 (model units, y up) on an area 300 pixels high: area x
// 100 .. 300 is x 0 .. 10, area y 250 .. 50 is y 0 .. 10.
#ifndef TestNavigator_H
#define TestNavigator_H

#include "ViewNavigator.h"

inline ViewNavigator MakeNavigator(bool iLogX = false) {
  ViewNavigator lNavigator(AxisScale::Of(iLogX), AxisScale(), iLogX ? 1.0 : 0.0, iLogX ? 1e10 : 10.0, 0.0, 10.0);
  lNavigator.SetDataBox(CATMathBox2D(100, 300, 50, 250), 300);
  return lNavigator;
}

#endif
