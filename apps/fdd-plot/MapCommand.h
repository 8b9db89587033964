// fdd-plot map: a colour map of a matrix of values over X and Z (regular, or non-homogeneous with
// per-row X values), linear or order-interpolated, with its colour scale. Run checks the request,
// loads the data, builds the figure and hands it to Output, which writes it.
#ifndef MapCommand_H
#define MapCommand_H

#include <string>

#include "MapPlot.h"
#include "OutputOptions.h"
#include "ProbeRequest.h"
#include "RequestBinding.h"
#include "Subcommand.h"

class CATFont;
class Figure;
class OrderInterrupts;
class PlotArea;

class MapCommand : public Subcommand {
 public:
  void Register(CLI::App& ioApp) override;
  int Run() override;

 protected:
  // The subcommand iName with the options of a map (and the point, for a probe); -o only when
  // iFile.
  void RegisterMap(CLI::App& ioApp, const char* iName, const char* iDescription, bool iFile, bool iProbe = false);
  // Checks the request as the subcommand takes it.
  virtual bool Check(RequestError& oError);
  // Does with the figure of the map what the subcommand is for; the exit status.
  virtual int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont);
  // What an interrupted order map leaves incomplete, for the message.
  virtual std::string Target() const;
  // The exit status after Output returned iStatus: the interrupted one when Ctrl-C cut the order
  // map short.
  virtual int Finish(const OrderInterrupts& iInterrupts, int iStatus) const;

  // A probe's request holds a map's and the point: the map's options fill its map part.
  ProbeRequest _Request;
  // The loaded data, kept while Output runs (a window shows it again for every view).
  MapPlot _Plot;
  RequestBinding<MapRequest> _Binding;
  RequestBinding<ProbeRequest> _ProbeBinding;

 private:
  OutputOptions _Output;
  bool _File = true;
};

#endif
