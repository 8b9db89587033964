// What an analysis of a recording computed, as the request of the plot that shows it: curves (a
// spectrum, order cuts) or a map (a spectrogram, a run-up), whose data are arrays holding the
// results. Loading them into a CurvePlot or MapPlot and showing them is then what every plot of
// curves or maps does. Holds the results and the plot that shows them.
#ifndef AnalysisPlot_H
#define AnalysisPlot_H

#include <string>
#include <vector>

#include "CurvePlot.h"
#include "MapPlot.h"

class AnalysisPlot {
 public:
  AnalysisPlot() = default;
  AnalysisPlot(const AnalysisPlot&) = delete;
  AnalysisPlot& operator=(const AnalysisPlot&) = delete;

  // Whether the results are a map (else curves), and their request.
  bool IsMap() const { return _IsMap; }
  const CurveRequest& GetCurves() const { return _Curves; }
  const MapRequest& GetMap() const { return _Map; }
  // The map's request as loaded: its colour range found in the values where none was given.
  const MapRequest& GetLoadedMap() const { return _MapPlot.GetRequest(); }

  // After a computation: loads the results for a picture of iWidth x iHeight; false with oError.
  bool Load(int iWidth, int iHeight, RequestError& oError, std::vector<std::string>& ioWarnings);
  // Gives the plot area the loaded results.
  void Show(PlotArea& ioPlot) const;
  // The same for a map limited to [iXMin, iXMax] x [iZMin, iZMax] (a window's view), without the
  // map itself unless iMap; curves are shown whole.
  void Show(PlotArea& ioPlot, double iXMin, double iXMax, double iZMin, double iZMax, bool iMap) const;

 protected:
  // oInput holding iValues, iRows x iColumns (a matrix when iMatrix), named iName in messages;
  // false with oError when the heap is exhausted.
  static bool Input(std::vector<double> iValues, size_t iRows, size_t iColumns, bool iMatrix, const char* iName,
                    DataInput& oInput, RequestError& oError);

  CurveRequest _Curves;
  MapRequest _Map;
  bool _IsMap = false;

 private:
  CurvePlot _CurvePlot;
  MapPlot _MapPlot;
};

#endif
