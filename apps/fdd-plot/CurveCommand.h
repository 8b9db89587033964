// fdd-plot curve: one plot of one or more curves y(x) from data files, optionally some against a
// second value axis on the right, each in its own style.
#ifndef CurveCommand_H
#define CurveCommand_H

#include <string>
#include <vector>

#include "CurveStyleOptions.h"
#include "OutputOptions.h"

#include "Subcommand.h"

class CurveCommand : public Subcommand {
 public:
  void Register(CLI::App& ioApp) override;
  int Run() override;

 private:
  std::string _X;
  std::vector<std::string> _Y;
  std::vector<std::string> _Y2;
  std::string _XLimits;
  std::string _YLimits;
  std::string _Y2Limits;
  bool _Grid = false;
  bool _Symbols = false;
  bool _LogX = false;
  bool _LogY = false;
  std::string _XLabel;
  std::string _YLabel;
  std::string _Y2Label;
  std::string _Title;
  CurveStyleOptions _Styles;
  OutputOptions _Output;
};

#endif
