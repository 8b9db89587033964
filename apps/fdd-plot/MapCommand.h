// fdd-plot map: a colour map of a matrix of values over X and Z (regular, or non-homogeneous with
// per-row X values), linear or order-interpolated, with its colour scale. Run parses the options,
// loads the data, builds the figure and hands it to Output, which writes it.
#ifndef MapCommand_H
#define MapCommand_H

#include <string>

#include "ColorOptions.h"
#include "MapDataOptions.h"
#include "MapInput.h"
#include "OutputOptions.h"
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
  // The options of the data, colours and size, on the subcommand iName.
  void RegisterMap(CLI::App& ioApp, const char* iName, const char* iDescription, bool iFile);
  // Checks what the options of the subcommand itself say; false with oError.
  virtual bool Check(std::string& oError);
  // Does with the figure of the map what the subcommand is for; the exit status.
  virtual int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont);
  // What an interrupted order map leaves incomplete, for the message.
  virtual std::string Target() const;
  // The exit status after Output returned iStatus: the interrupted one when Ctrl-C cut the order
  // map short.
  virtual int Finish(const OrderInterrupts& iInterrupts, int iStatus) const;

  MapDataOptions _Data;
  ColorOptions _Colors;
  OutputOptions _Output;
  // The loaded data, kept while Output runs (a window shows it again for every view).
  MapInput _Input;
};

#endif
