// The part of the data a window shows, in data units, and the whole data it returns to (Home):
// zoom about a point, pan, zoom to a box. The view never shrinks below what doubles resolve nor
// grows beyond a thousand times the whole, and never takes a box without width or height.
#ifndef ViewBox_H
#define ViewBox_H

class ViewBox {
 public:
  ViewBox() = default;
  ViewBox(double iX0, double iX1, double iY0, double iY1);

  double GetX0() const { return _X0; }
  double GetX1() const { return _X1; }
  double GetY0() const { return _Y0; }
  double GetY1() const { return _Y1; }
  bool IsHome() const;
  // The same part of the data as iOther shows.
  bool Shows(const ViewBox& iOther) const;

  void Home();
  // Zooms in by iFactorX along x and iFactorY along y (below 1 zooms out) about the data point
  // (iX, iY), which stays where it is on the screen.
  void Zoom(double iX, double iY, double iFactorX, double iFactorY);
  // Moves the view by (iDX, iDY) data units.
  void Pan(double iDX, double iDY);
  // Shows the box with the corners (iX0, iY0) and (iX1, iY1), in either order.
  void Show(double iX0, double iX1, double iY0, double iY1);

 private:
  // Takes the view when both its ranges are acceptable; else keeps the one it has.
  void Set(double iX0, double iX1, double iY0, double iY1);
  // A finite range that is neither too narrow for doubles nor too wide against the whole's width.
  static bool Acceptable(double iLow, double iHigh, double iWhole);

  double _X0 = 0.0, _X1 = 1.0, _Y0 = 0.0, _Y1 = 1.0;
  double _HomeX0 = 0.0, _HomeX1 = 1.0, _HomeY0 = 0.0, _HomeY1 = 1.0;
};

#endif
