// What a colour map asks for, as fdd-plot map, fdd-view map and fddplot.map take it: the data
// (regular, or non-homogeneous rows of X), the interpolation, the ranges shown, the colour scale,
// the labels and the picture. Options() is the one table of its options.
#ifndef MapRequest_H
#define MapRequest_H

#include <cmath>
#include <string>
#include <vector>

#include "ColorRequest.h"
#include "DataInput.h"
#include "RequestError.h"
#include "RequestOption.h"

struct MapRequest : ColorRequest {
  DataInput X;
  DataInput Z;
  DataInput Values;
  DataInput XRows;
  bool Transpose = false;
  bool Order = false;
  double Tolerance = 0.05;
  double ZFactor = 1.0;
  bool LogX = false;
  bool LogZ = false;
  std::string Shading = "linear";
  std::string XLimits;
  std::string ZLimits;
  std::string XLabel;
  std::string ZLabel;
  std::string Title;
  std::string Size = "900x700";

  // After Check: the ranges shown (NaN: the data's) and the picture's size.
  double XMin = NAN, XMax = NAN;
  double ZMin = NAN, ZMax = NAN;
  int Width = 0;
  int Height = 0;

  static const std::vector<RequestOption<MapRequest>>& Options();
  bool Check(RequestError& oError);
  // The picture's part of Check (size, ranges, colours, interpolation), for requests whose data
  // are computed rather than given.
  bool CheckView(RequestError& oError);
  // The data's part: which of X, X rows, Z and values are given.
  bool CheckData(RequestError& oError);

  template <class R>
  static void AddOptions(std::vector<RequestOption<R>>& ioOptions);
};

template <class R>
void MapRequest::AddOptions(std::vector<RequestOption<R>>& ioOptions) {
  using M = MapRequest;
  const RequestOption<R> lOptions[] = {
      {"x", eOptionKind::Vector, &M::X,
       "X values (1-D, ascending or descending): one per column of the values; by default the dimension scale an "
       "HDF5 values dataset brings"},
      {"z", eOptionKind::Vector, &M::Z,
       "Z values (1-D, ascending or descending): one per row of the values; required unless an HDF5 values "
       "dataset brings its dimension scale"},
      {"values", eOptionKind::Matrix, &M::Values,
       "Values (2-D), one row per Z value: values[i_z, i_x], as images and spectrograms store them; with "
       "--x-rows, row j holds the values of Z sample j",
       true},
      {"x-rows", eOptionKind::Matrix, &M::XRows,
       "Non-homogeneous data: 2-D values whose row j holds the X values of Z sample j, NaN-padded"},
      {"transpose", eOptionKind::Flag, &M::Transpose, "The values hold one row per X value: values[i_x, i_z]"},
      {"order", eOptionKind::Flag, &M::Order,
       "Order interpolation: join samples along lines of equal X/Z ratio (Ctrl-C stops it and keeps the rows done)"},
      {"tolerance", eOptionKind::Number, &M::Tolerance,
       "Relative order tolerance of --order, above 0: a sample counts for a pixel when its order lies within this "
       "fraction of the pixel's order. Within a speed row the value is taken at the pixel's own order, so lines of "
       "constant order stay straight at any tolerance; a larger value fills gaps where X samples are far apart (low "
       "X), a smaller one stops a row's last sample from standing in for orders beyond it"},
      {"z-factor", eOptionKind::Number, &M::ZFactor,
       "Factor above 0 that brings Z to the unit of X for --order (1/60 for rpm and Hz)"},
      {"log-x", eOptionKind::Flag, &M::LogX, "Logarithmic X axis (samples at X <= 0 are left out)"},
      {"log-z", eOptionKind::Flag, &M::LogZ, "Logarithmic Z axis (samples at Z <= 0 are left out)"},
      {"shading", eOptionKind::Choice, &M::Shading,
       "Between samples: linear (interpolated) or nearest (each sample a flat cell); a pixel over several samples "
       "shows their largest",
       false, "linear|nearest"},
      {"x-limits", eOptionKind::Pair, &M::XLimits, "X range shown, A,B (default: the data's)"},
      {"z-limits", eOptionKind::Pair, &M::ZLimits, "Z range shown, A,B (default: the data's)"},
  };
  ioOptions.insert(ioOptions.end(), std::begin(lOptions), std::end(lOptions));
  ColorRequest::AddOptions(ioOptions);
  ioOptions.push_back({"xlabel", eOptionKind::Text, &M::XLabel, "Label of the X axis"});
  ioOptions.push_back({"zlabel", eOptionKind::Text, &M::ZLabel, "Label of the Z axis"});
  ioOptions.push_back({"title", eOptionKind::Text, &M::Title, "Title above the map"});
  ioOptions.push_back({"size", eOptionKind::Size, &M::Size, "Picture size WIDTHxHEIGHT in pixels", false, nullptr, true});
}

#endif
