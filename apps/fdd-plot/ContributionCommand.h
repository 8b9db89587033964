// fdd-plot contribution: a contribution bar, the colours of values y over arguments x in one
// strip, with its axis and colour scale.
#ifndef ContributionCommand_H
#define ContributionCommand_H

#include <string>

#include "ColorOptions.h"
#include "OutputOptions.h"

#include "Subcommand.h"

class ContributionCommand : public Subcommand {
 public:
  void Register(CLI::App& ioApp) override;
  int Run() override;

 private:
  std::string _X;
  std::string _Y;
  std::string _Direction = "horizontal";
  std::string _XLimits;
  bool _LogX = false;
  std::string _XLabel;
  std::string _Title;
  ColorOptions _Colors;
  OutputOptions _Output;
};

#endif
