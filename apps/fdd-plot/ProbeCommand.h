// fdd-plot probe: the value the map of the same options shows at one point X,Z, computed on the
// pixel grid of the picture map would draw, printed instead of a picture.
#ifndef ProbeCommand_H
#define ProbeCommand_H

#include "MapCommand.h"

class ProbeCommand : public MapCommand {
 public:
  void Register(CLI::App& ioApp) override;

 protected:
  bool Check(RequestError& oError) override;
  int Output(Figure& ioFigure, PlotArea& ioPlot, CATFont& iFont) override;
  std::string Target() const override;
};

#endif
