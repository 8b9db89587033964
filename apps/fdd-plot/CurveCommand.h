// fdd-plot curve: one plot of one or more curves y(x) from data files.
#ifndef CurveCommand_H
#define CurveCommand_H

#include <string>
#include <vector>

#include "OutputOptions.h"

namespace CLI {
class App;
}

class CurveCommand {
 public:
  void Register(CLI::App& ioApp);
  bool Parsed() const;
  int Run();

 private:
  CLI::App* _Command = nullptr;
  std::string _X;
  std::vector<std::string> _Y;
  bool _Symbols = false;
  bool _LogX = false;
  bool _LogY = false;
  std::string _XLabel;
  std::string _YLabel;
  std::string _Title;
  OutputOptions _Output;
};

#endif
