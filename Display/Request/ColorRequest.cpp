#include "ColorRequest.h"

#include "OptionText.h"

const char* ColorRequest::ColorsHelp() {
  static const std::string sHelp = "Colour table: " + ColorScaleAxis::TableNames();
  return sHelp.c_str();
}

bool ColorRequest::Check(RequestError& oError) {
  if (!OptionText::Limits("value-limits", ValueLimits, LogValues, Min, Max, oError)) return false;
  if (ColorScaleAxis::TableFromName(Colors, Table, Reversed)) return true;
  return oError.Usage(OptionText::Option("colors") + " " + Colors + ": choose " + ColorScaleAxis::TableNames());
}
