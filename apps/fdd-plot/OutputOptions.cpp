#include "OutputOptions.h"

#include <CLI/CLI.hpp>

#include <cstdio>

#include "CommandSupport.h"
#include "Figure.h"

void OutputOptions::Register(CLI::App& ioCommand, const std::string& iDefaultSize, const std::string& iSizeHelp,
                             bool iFile) {
  Size = iDefaultSize;
  File = iFile;
  CLI::Option* lSize = ioCommand.add_option("--size", Size, iSizeHelp);
  if (!iDefaultSize.empty()) lSize->capture_default_str();
  if (iFile) ioCommand.add_option("-o,--output", Out, "Output file: .png, .svg or .pdf")->required();
}

bool OutputOptions::Check(const std::string& iFallback, std::string& oError) {
  if (!CommandSupport::ParseSize(Size.empty() ? iFallback : Size, Width, Height, oError)) return false;
  CairoRender::eOutput lKind;
  if (!File || Figure::KindOf(Out, lKind)) return true;
  oError = Out + ": name the output file .png, .svg or .pdf";
  return false;
}

bool OutputOptions::Write(Figure& ioFigure, CATFont& iFont) const {
  if (!CommandSupport::Write(ioFigure, Out, iFont)) return false;
  std::printf("wrote %s\n", Out.c_str());
  return true;
}
