#include "OutputOptions.h"

#include <CLI/CLI.hpp>

#include <cstdio>

#include "CommandSupport.h"
#include "Figure.h"
#include "RequestError.h"

void OutputOptions::Register(CLI::App& ioCommand) {
  ioCommand.add_option("-o,--output", Out, "Output file: .png, .svg or .pdf")->required();
}

bool OutputOptions::Check(RequestError& oError) const {
  CairoRender::eOutput lKind;
  return Figure::KindOf(Out, lKind) || oError.Usage(Out + ": name the output file .png, .svg or .pdf");
}

bool OutputOptions::Write(Figure& ioFigure, CATFont& iFont) const {
  if (!CommandSupport::Write(ioFigure, Out, iFont)) return false;
  std::printf("wrote %s\n", Out.c_str());
  return true;
}
