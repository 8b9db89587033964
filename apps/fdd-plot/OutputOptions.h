// The output file of a subcommand that writes a picture: -o, whose extension chooses PNG, SVG or
// PDF.
#ifndef OutputOptions_H
#define OutputOptions_H

#include <string>

namespace CLI {
class App;
}
class CATFont;
class Figure;
struct RequestError;

struct OutputOptions {
  // Adds -o.
  void Register(CLI::App& ioCommand);
  // Checks the output file's kind.
  bool Check(RequestError& oError) const;
  // Writes the figure, after its warnings, saying so; false after printing why not.
  bool Write(Figure& ioFigure, CATFont& iFont) const;

  std::string Out;
};

#endif
