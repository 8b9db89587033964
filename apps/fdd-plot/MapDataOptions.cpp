#include "MapDataOptions.h"

#include <CLI/CLI.hpp>

#include <cmath>

#include "CommandSupport.h"

void MapDataOptions::Register(CLI::App& ioCommand) {
  CLI::App& c = ioCommand;
  CLI::Option* lX = c.add_option("--x", X, "X values (1-D file, ascending or descending): one per column of the values");
  c.add_option("--z", Z, "Z values (1-D file, ascending or descending): one per row of the values")->required();
  c.add_option("--values", Values,
               "Values (2-D file), one row per Z value: values[i_z, i_x], as images and spectrograms store "
               "them; with --x-rows, row j holds the values of Z sample j")
      ->required();
  CLI::Option* lXRows = c.add_option(
      "--x-rows", XRows, "Non-homogeneous data: 2-D file whose row j holds the X values of Z sample j, NaN-padded");
  lX->excludes(lXRows);
  c.add_flag("--transpose", Transpose, "The values file holds one row per X value: values[i_x, i_z]")
      ->excludes(lXRows);
  CLI::Option* lOrder = c.add_flag(
      "--order", Order,
      "Order interpolation: join samples along lines of equal X/Z ratio (Ctrl-C stops it and keeps the rows done)");
  c.add_option("--tolerance", Tolerance,
               "Relative order tolerance of --order: a sample counts for a pixel when its order lies within this "
               "fraction of the pixel's order. Within a speed row the value is taken at the pixel's own order, so "
               "lines of constant order stay straight at any tolerance; a larger value fills gaps where X samples "
               "are far apart (low X), a smaller one stops a row's last sample from standing in for orders beyond it")
      ->capture_default_str()
      ->needs(lOrder);
  c.add_option("--z-factor", ZFactor, "Factor that brings Z to the unit of X for --order (1/60 for rpm and Hz)")
      ->capture_default_str()
      ->needs(lOrder);
  c.add_flag("--log-x", LogX, "Logarithmic X axis (samples at X <= 0 are left out)");
  c.add_flag("--log-z", LogZ, "Logarithmic Z axis (samples at Z <= 0 are left out)");
  c.add_option("--shading", Shading,
               "Between samples: linear (interpolated) or nearest (each sample a flat cell); a pixel over several "
               "samples shows their largest")
      ->check(CLI::IsMember({"linear", "nearest"}))
      ->capture_default_str();
  c.add_option("--x-limits", XLimits, "X range shown, A,B (default: the data's)");
  c.add_option("--z-limits", ZLimits, "Z range shown, A,B (default: the data's)");
  c.add_option("--xlabel", XLabel, "Label of the X axis");
  c.add_option("--zlabel", ZLabel, "Label of the Z axis");
  c.add_option("--title", Title, "Title above the map");
}

bool MapDataOptions::Check(std::string& oError) {
  if (!CommandSupport::ParseLimits("--x-limits", XLimits, XMin, XMax, oError) ||
      !CommandSupport::ParseLimits("--z-limits", ZLimits, ZMin, ZMax, oError))
    return false;
  if (!(Tolerance >= 0.0) || !std::isfinite(ZFactor) || ZFactor == 0.0) {
    oError = "--tolerance needs a number >= 0 and --z-factor a number other than 0";
    return false;
  }
  if (!XRows.empty() || !X.empty()) return true;
  oError = "give the X values with --x (or --x-rows)";
  return false;
}
