// Sizes and colours of a figure, in model units of the page (one unit is one pixel of the picture,
// one point of a PDF page). The defaults read well from 300 x 200 to 2000 x 1500 units.
#ifndef FigureStyle_H
#define FigureStyle_H

struct FigureStyle {
  double TextHeight = 12.0;     // tick values, axis labels, legend
  double TitleHeight = 15.0;
  int MajorTickLength = 6;
  int MinorTickLength = 3;
  // Least distance between major ticks, in text heights, along horizontal and vertical axes.
  double TickSpacingX = 5.0;
  double TickSpacingY = 3.0;
  double Padding = 8.0;         // between the page edge and anything drawn
  double ScaleGap = 14.0;       // data box to colour-scale bar, and to the legend
  double ScaleWidth = 16.0;     // colour-scale bar
  double LegendLine = 26.0;     // sample line of a legend entry
  int CurveThickness = 2;       // sparse curves; dense ones (more samples than pixels) are thinner
  int AxisGrey = 50;            // axis lines and texts
  int FrameGrey = 150;          // box edges without an axis
  int GroundGrey = 250;         // the data box's background
  int GridGrey = 222;           // grid lines, light against the ground
};

#endif
