// fdd-plot curve: one plot of one or more curves y(x) from data files, optionally some against a
// second value axis on the right, each in its own style.
#ifndef CurveCommand_H
#define CurveCommand_H

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "CATSamIVector.h"
#include "RefPtr.h"

#include "CurveStyleOptions.h"
#include "OutputOptions.h"

#include "Subcommand.h"

class CATFont;
class CurveLevels;
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
  // Gives the plot area the loaded curves (drawn from iLevels[i] where given), their styles,
  // limits, labels and title.
  void Show(PlotArea& ioPlot, const std::vector<std::shared_ptr<const CurveLevels>>& iLevels) const;

  const OutputOptions& GetOutput() const { return _Output; }

  // The loaded curves, the --y ones then the --y2 ones, kept while Output runs.
  std::vector<RefPtr<CATSamIVector>> _Xs;
  std::vector<RefPtr<CATSamIVector>> _Ys;
  std::vector<std::string> _Names;

 private:
  std::string _X;
  std::vector<std::string> _Y;
  std::vector<std::string> _Y2;
  std::string _XLimits;
  std::string _YLimits;
  std::string _Y2Limits;
  // x, y and y2 limits as parsed (NaN: the data's).
  double _Limits[6] = {NAN, NAN, NAN, NAN, NAN, NAN};
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
