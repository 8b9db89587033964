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

  void Register(CLI::App& ioApp) override {
    _Command = ioApp.add_subcommand(_Name, _Description);
    _Binding.Bind(*_Command, _Request);
    _Output.Register(*_Command);
  }

  int Run() override {
    RequestError lError;
    _Binding.Finish(_Request);
    if (!RequestCheck::Run(_Request, lError) || !_Output.Check(lError)) return CommandSupport::Usage(lError.Message);
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
      _Plot.Show(lFigure.AddPlot());
      lStatus = _Output.Write(lFigure, *lFont) ? 0 : 1;
    }
    return lInterrupts.Finish(lStatus, _Output.Out);
  }

 protected:
  // Computes the analysis of the checked request with _Plot; false with oError.
  virtual bool Compute(RequestError& oError, std::vector<std::string>& ioWarnings) = 0;

  R _Request;
  P _Plot;

 private:
  const char* _Name;
  const char* _Description;
  RequestBinding<R> _Binding;
  OutputOptions _Output;
};

#endif
