// What a window's plot shows and how input moves it, without a window toolkit: the view box in
// axis coordinates (the data values through each axis's AxisScale: the values themselves on a
// linear axis, their logarithms on a logarithmic one), and the plot's data box on the drawing area
// (model units: the area's pixels, y up) as the last frame laid it out. Turns area points (pixels,
// y down, as input events give them) into data values, and the wheel, drags, boxes and keys into
// new views. Zooming and panning act on axis coordinates, so a logarithmic axis zooms by decades.
#ifndef ViewNavigator_H
#define ViewNavigator_H

#include "AxisScale.h"
#include "CATMathBox2D.h"
#include "ViewBox.h"

class ViewNavigator {
 public:
  // The steps of the keys.
  enum eStep { ePanLeft, ePanRight, ePanUp, ePanDown, eZoomIn, eZoomOut, eHome };
  // One wheel step zooms by this factor; one key step pans by this part of the view.
  static constexpr double kWheelZoom = 1.25;
  static constexpr double kKeyPan = 0.1;
  // A box smaller than this many pixels along either side is a click, not a zoom.
  static constexpr double kSmallestBox = 4.0;

  ViewNavigator() = default;
  // The whole data: iX0 .. iX1 by iY0 .. iY1 (data units) on the scales given.
  ViewNavigator(const AxisScale& iXScale, const AxisScale& iYScale, double iX0, double iX1, double iY0, double iY1);

  // The view in axis coordinates, and in data units.
  const ViewBox& GetView() const { return _View; }
  ViewBox GetDataView() const;
  // Any view in axis coordinates, in data units.
  ViewBox ToDataView(const ViewBox& iView) const;
  const AxisScale& GetXScale() const { return _XScale; }
  const AxisScale& GetYScale() const { return _YScale; }

  // The plot's data box (model units) on an area iAreaHeight pixels high, as last laid out.
  void SetDataBox(const CATMathBox2D& iBox, int iAreaHeight);
  void ClearDataBox() { _HasBox = false; }
  bool HasDataBox() const { return _HasBox; }
  const CATMathBox2D& GetDataBox() const { return _Box; }

  // Axis coordinates of the area point (iX, iY) (pixels, y down); false outside the data box
  // (then, with iClamp, the nearest point of the box is given and true returned).
  bool ToAxis(double iX, double iY, double& oX, double& oY, bool iClamp = false) const;
  // The same in data units.
  bool ToData(double iX, double iY, double& oX, double& oY, bool iClamp = false) const;
  // Area x (pixels) of the data value iX; false without a data box or when iX has no place.
  bool ToAreaX(double iX, double& oX) const;
  // Axis units per pixel along x and y; 0 without a data box.
  void AxisPerPixel(double& oX, double& oY) const;
  // The width, in data units, of the pixel column around the axis coordinate iX.
  double ColumnWidth(double iX) const;

  // The wheel turned by iSteps (GTK's delta: positive turns away, zooming out) over the area point
  // (iX, iY), which stays where it is; iOnlyX, iOnlyY keep the other axis. False outside any box.
  bool Wheel(double iX, double iY, double iSteps, bool iOnlyX, bool iOnlyY);
  // A pan drag: begins with the view then, and moves it by the pixels dragged since.
  void BeginDrag() { _DragView = _View; }
  void DragBy(double iDX, double iDY);
  // A box drawn from (iX0, iY0) to (iX1, iY1) (area pixels): the view zooms to it; false, nothing
  // changed, for a box too small to be one.
  bool ZoomToBox(double iX0, double iY0, double iX1, double iY1);
  void Step(eStep iStep);
  void Home() { _View.Home(); }

 private:
  AxisScale _XScale, _YScale;
  ViewBox _View;
  ViewBox _DragView;
  CATMathBox2D _Box;
  int _AreaHeight = 0;
  bool _HasBox = false;
};

#endif
