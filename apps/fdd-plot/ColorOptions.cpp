#include "ColorOptions.h"

#include <CLI/CLI.hpp>

#include "CommandSupport.h"

void ColorOptions::Register(CLI::App& ioCommand) {
  ioCommand.add_option("--colors", Colors, "Colour table: " + ColorScaleAxis::TableNames())->capture_default_str();
  ioCommand.add_flag("--log-values", Log, "Logarithmic colour scale (values <= 0 show as missing)");
  ioCommand.add_option("--value-limits", Limits, "Values at the ends of the colour scale, A,B (default: the data's)");
  ioCommand.add_option("--value-label", Label, "Label of the colour scale");
}

bool ColorOptions::Check(std::string& oError) {
  if (!CommandSupport::ParseLimits("--value-limits", Limits, Min, Max, oError)) return false;
  if (ColorScaleAxis::TableFromName(Colors, Table, Reversed)) return true;
  oError = "--colors " + Colors + ": choose " + ColorScaleAxis::TableNames();
  return false;
}
