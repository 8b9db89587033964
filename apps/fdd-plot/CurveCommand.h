// fdd-plot curve: one plot of one or more curves y(x) from data files.
#ifndef CurveCommand_H
#define CurveCommand_H

#include <string>
#include <vector>

#include "OutputOptions.h"

#include "Subcommand.h"

class CurveCommand : public Subcommand {
 public:
  void Register(CLI::App& ioApp) override;
  int Run() override;

 private:
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
