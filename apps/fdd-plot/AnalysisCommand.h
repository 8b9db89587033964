// A subcommand of fdd-plot that analyses a recording and draws the result (spectrum,
// spectrogram, runup): binds the request R's table, computes with the plot P off the window's
// thread where there is one, then shows what P computed (curves or a map) like curve and map do.
#ifndef AnalysisCommand_H
#define AnalysisCommand_H

#include <string>
#include <vector>

#include "CATFont.h"
#include "CommandSupport.h"
#include "Figure.h"
#include "OrderInterrupts.h"
#include "OutputOptions.h"
#include "PlotArea.h"
#include "RequestBinding.h"
#include "RequestCheck.h"
#include "Subcommand.h"

template <class R, class P>
class AnalysisCommand : public Subcommand {
 public:
  AnalysisCommand(const char* iName, const char* iDescription) : _Name(iName), _Description(iDescription) {}

  void Register(CLI::App& ioApp) override { RegisterAnalysis(ioApp, _Description, true); }

  int Run() override {
    RequestError lError;
    _Binding.Finish(_Request);
    if (!RequestCheck::Run(_Request, lError) || (_File && !_Output.Check(lError)))
      return CommandSupport::Usage(lError.Message);
    std::vector<std::string> lWarnings;
    if (const int lStatus = RunLoad([&] {
          return Compute(lError, lWarnings) && _Plot.Load(_Request.Width, _Request.Height, lError, lWarnings)
                     ? 0
                     : lError.Status();
        }))
      return CommandSupport::Failed(lError, lStatus);
    for (const std::string& lWarning : lWarnings) CommandSupport::Warn(lWarning);
    const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
    if (!lFont) return 1;
    const bool lOrder = _Plot.IsMap() && _Plot.GetMap().Order;
    const OrderInterrupts lInterrupts(lOrder);
    int lStatus = 0;
    {
      Figure lFigure(_Request.Width, _Request.Height);
      PlotArea& lPlot = lFigure.AddPlot();
      _Plot.Show(lPlot);
      lStatus = Output(lFigure, lPlot, *lFont);
    }
    // A window's cut order map is no failure: its status is Output's.
    return _File ? lInterrupts.Finish(lStatus, _Output.Out) : lStatus;
  }

 protected:
  // The subcommand with its options, described by iDescription; -o only when iFile.
  void RegisterAnalysis(CLI::App& ioApp, const char* iDescription, bool iFile) {
    _Command = ioApp.add_subcommand(_Name, iDescription);
    _Binding.Bind(*_Command, _Request);
    _File = iFile;
    if (iFile) _Output.Register(*_Command);
  }
  // Does with the figure what the subcommand is for (writes it); the exit status.
  virtual int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) {
    (void)ioPlot;
    return _Output.Write(ioFigure, iFont) ? 0 : 1;
  }

  // Computes the analysis of the checked request with _Plot; false with oError.
  virtual bool Compute(RequestError& oError, std::vector<std::string>& ioWarnings) = 0;

  R _Request;
  P _Plot;

 private:
  const char* _Name;
  const char* _Description;
  RequestBinding<R> _Binding;
  OutputOptions _Output;
  bool _File = true;
};

#endif
