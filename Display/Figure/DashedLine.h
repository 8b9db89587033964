// A line through model points drawn in dashes. The pattern runs on along the whole line, across
// the clip box's edges, so that a curve's dashes do not jump where it leaves and re-enters the
// box; what lies outside the box is cut off. A NaN coordinate breaks the line and starts the
// pattern again. Lengths in model units (device pixels of the figure).
#ifndef DashedLine_H
#define DashedLine_H

#include <vector>

#include "CATMathBox2D.h"
#include "CATMathPoint2Df.h"
#include "QVTFddMathClipLines.h"

class DashedLine {
 public:
  // iPattern: lengths on, off, on, ...; a pattern without a positive length draws the line whole.
  DashedLine(const std::vector<double>& iPattern, const CATMathBox2D& iClip);

  void Add(double iX, double iY);
  // The dashes so far: one polyline whose NaN points separate the dashes.
  const std::vector<CATMathPoint2Df>& GetPoints() const { return _Points; }

 private:
  void Segment(double x0, double y0, double x1, double y1);
  void Restart();
  // Moves the pattern on by iLength without drawing (a piece outside the box).
  void Advance(double iLength);
  // Adds a point to the dash being drawn (iGoesOn: it continues the last point's dash).
  void AddPoint(const CATMathPoint2Df& iPoint, bool iGoesOn);

  // Points of a dash closer than this (sum of the coordinate differences) are merged.
  static constexpr float kMerge = 0.5f;
  // Patterns shorter than this, in all, draw the line whole: finer dashes would not show.
  static constexpr double kMinPattern = 1.0;

  std::vector<double> _Pattern;
  double _Total = 0.0;
  CATMathBox2D _Clip;
  QVTFddMathClipLines _Clipper;
  bool _Started = false;
  double _LastX = 0.0, _LastY = 0.0;
  size_t _Phase = 0;
  double _Left = 0.0;
  // The last point kept ends a dash that goes on from there.
  bool _PenDown = false;
  // The last point kept lies inside its dash, not at its start.
  bool _Interior = false;
  std::vector<CATMathPoint2Df> _Points;
};

#endif
