// fdd-plot curve: one plot of one or more curves y(x) from data files, optionally some against a
// second value axis on the right, each in its own style.
#ifndef CurveCommand_H
#define CurveCommand_H

#include "CurvePlot.h"
#include "CurveRequest.h"
#include "OutputOptions.h"
#include "RequestBinding.h"
#include "Subcommand.h"

class CATFont;
class Figure;
class PlotArea;

class CurveCommand : public Subcommand {
 public:
  void Register(CLI::App& ioApp) override;
  int Run() override;

 protected:
  // The options on the subcommand "curve"; -o only when iFile.
  void RegisterCurve(CLI::App& ioApp, bool iFile);
  // Does with the figure what the subcommand is for; the exit status.
  virtual int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont);
  // With --stats, the cursors' table as CSV on standard output.
  void PrintStats() const;

  CurveRequest _Request;
  // The loaded curves, kept while Output runs.
  CurvePlot _Plot;

 private:
  RequestBinding<CurveRequest> _Binding;
  OutputOptions _Output;
  bool _File = true;
};

#endif
