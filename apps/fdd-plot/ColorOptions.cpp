#include "ColorOptions.h"

#include <CLI/CLI.hpp>

#include "CommandSupport.h"

void ColorOptions::Register(CLI::App& ioCommand) {
  ioCommand.add_option("--colors", Colors, "Colour table: viridis, rainbow or grey")->capture_default_str();
  ioCommand.add_option("--value-limits", Limits, "Values at the ends of the colour scale, A,B (default: the data's)");
  ioCommand.add_option("--value-label", Label, "Label of the colour scale");
}

bool ColorOptions::Check(std::string& oError) {
  if (!CommandSupport::ParseLimits("--value-limits", Limits, Min, Max, oError)) return false;
  if (ColorScaleAxis::TableFromName(Colors, Table)) return true;
  oError = "--colors " + Colors + ": choose viridis, rainbow or grey";
  return false;
}
