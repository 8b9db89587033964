// fdd-plot curve: one plot of one or more curves y(x) from data files.
#ifndef CurveCommand_H
#define CurveCommand_H

#include <string>
#include <vector>

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
  std::string _Size = "1000x600";
  std::string _Out;
};

#endif
