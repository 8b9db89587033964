#include "ViewCursors.h"

#include "ViewNavigator.h"

bool ViewCursors::Place(eCursor iCursor, double iX, double iY, const ViewNavigator& iNavigator) {
  double x = 0.0, y = 0.0;
  if (iCursor == eNone || !iNavigator.HasDataBox() || !iNavigator.ToData(iX, iY, x, y, true)) return false;
  _X[iCursor] = x;
  return true;
}

ViewCursors::eCursor ViewCursors::Under(double iX, const ViewNavigator& iNavigator) const {
  eCursor lNearest = eNone;
  double lDistance = kGrab;
  for (eCursor c : {eA, eB}) {
    double lAreaX = 0.0;
    if (!IsPlaced(c) || !iNavigator.ToAreaX(_X[c], lAreaX)) continue;
    if (std::fabs(lAreaX - iX) <= lDistance) {
      lDistance = std::fabs(lAreaX - iX);
      lNearest = c;
    }
  }
  return lNearest;
}
