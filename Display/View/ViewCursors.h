// A window's two cursors A and B without a window toolkit: placed at the pointer's x (the key a or
// b), found under the pointer for a drag, moved by it, cleared (Esc). Holds x in data units (NaN:
// not placed); pixels become data through the navigator, so a cursor stays on its sample at any
// zoom. What the cursors measure comes from the curves' levels (CursorTable), not from here.
#ifndef ViewCursors_H
#define ViewCursors_H

#include <cmath>

class ViewNavigator;

class ViewCursors {
 public:
  enum eCursor { eA = 0, eB = 1, eNone = 2 };
  // A drag grabs a cursor within this many pixels of the pointer.
  static constexpr double kGrab = 4.0;

  // Places iCursor at the data x of the area point (iX, iY) (pixels, y down), clamped to the data
  // box; false without a data box.
  bool Place(eCursor iCursor, double iX, double iY, const ViewNavigator& iNavigator);
  // The placed cursor nearest the area x iX within kGrab pixels, else eNone.
  eCursor Under(double iX, const ViewNavigator& iNavigator) const;
  void Clear() { _X[eA] = _X[eB] = NAN; }

  bool IsPlaced(eCursor iCursor) const { return iCursor != eNone && !std::isnan(_X[iCursor]); }
  bool BothPlaced() const { return IsPlaced(eA) && IsPlaced(eB); }
  double GetX(eCursor iCursor) const { return iCursor == eNone ? NAN : _X[iCursor]; }

 private:
  double _X[2] = {NAN, NAN};
};

#endif
