#include "AnalysisPlot.h"

#include "NumericArray.h"

bool AnalysisPlot::Input(std::vector<double> iValues, size_t iRows, size_t iColumns, bool iMatrix, const char* iName,
                         DataInput& oInput, RequestError& oError) {
  oInput = DataInput{{}, RefPtr<NumericArray>(NumericArray::FromValues(std::move(iValues), static_cast<unsigned int>(iRows),
                                                                     static_cast<unsigned int>(iColumns), iMatrix)),
                     iName};
  return oInput.Array || oError.Memory("out of memory");
}

bool AnalysisPlot::Load(int iWidth, int iHeight, RequestError& oError, std::vector<std::string>& ioWarnings) {
  return _IsMap ? _MapPlot.Load(_Map, iWidth, iHeight, oError) : _CurvePlot.Load(_Curves, oError, ioWarnings);
}

void AnalysisPlot::Show(PlotArea& ioPlot) const {
  if (_IsMap)
    _MapPlot.Show(ioPlot);
  else
    _CurvePlot.Show(ioPlot);
}

void AnalysisPlot::Show(PlotArea& ioPlot, double iXMin, double iXMax, double iZMin, double iZMax, bool iMap) const {
  if (_IsMap)
    _MapPlot.Show(ioPlot, iXMin, iXMax, iZMin, iZMax, iMap);
  else
    _CurvePlot.Show(ioPlot);
}
