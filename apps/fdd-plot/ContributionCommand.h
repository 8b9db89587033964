// fdd-plot contribution: a contribution bar, the colours of values y over arguments x in one
// strip, with its axis and colour scale.
#ifndef ContributionCommand_H
#define ContributionCommand_H

#include <string>

namespace CLI {
class App;
}

class ContributionCommand {
 public:
  void Register(CLI::App& ioApp);
  bool Parsed() const;
  int Run();

 private:
  CLI::App* _Command = nullptr;
  std::string _X;
  std::string _Y;
  std::string _Direction = "horizontal";
  std::string _Colors = "viridis";
  std::string _XLimits;
  std::string _ValueLimits;
  std::string _XLabel;
  std::string _ValueLabel;
  std::string _Title;
  std::string _Size;
  std::string _Out;
};

#endif
