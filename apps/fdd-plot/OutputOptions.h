// The options of a subcommand's picture: its size (WIDTHxHEIGHT) and, for commands that write
// one, the output file, whose extension chooses PNG, SVG or PDF.
#ifndef OutputOptions_H
#define OutputOptions_H

#include <string>

namespace CLI {
class App;
}
class CATFont;
class Figure;

struct OutputOptions {
  // Adds --size (iDefaultSize, shown in the help when not empty; else the default is iSizeHelp's)
  // and, when iFile, -o.
  void Register(CLI::App& ioCommand, const std::string& iDefaultSize, const std::string& iSizeHelp, bool iFile);
  // Reads the size (iFallback when none was given) into Width and Height and checks the output
  // file's kind; false with oError.
  bool Check(const std::string& iFallback, std::string& oError);
  // Writes the figure, saying so; false after printing why not.
  bool Write(Figure& ioFigure, CATFont& iFont) const;

  std::string Size;
  std::string Out;
  bool File = false;
  int Width = 0;
  int Height = 0;
};

#endif
