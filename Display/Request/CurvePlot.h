// The curves of a curve request, loaded and checked against each other, and the plot area that
// shows them. Holds one reference on every data vector it loads; keeps its own copy of the request.
#ifndef CurvePlot_H
#define CurvePlot_H

#include <memory>
#include <string>
#include <vector>

#include "CATSamIVector.h"
#include "CursorTable.h"
#include "CurveRequest.h"
#include "RefPtr.h"
#include "RequestError.h"

class CurveLevels;
class PlotArea;

class CurvePlot {
 public:
  // Loads the data of a checked request; false with oError. What is drawn but not as given (a
  // curve longer than its x values) is added to ioWarnings.
  bool Load(const CurveRequest& iRequest, RequestError& oError, std::vector<std::string>& ioWarnings);
  // Gives the plot area the curves (drawn from iLevels[i] where given), their styles, limits,
  // labels and title.
  void Show(PlotArea& ioPlot, const std::vector<std::shared_ptr<const CurveLevels>>& iLevels = {}) const;

  // What the request's cursors (or iA, iB) measure on the curves: from iLevels[i] when levels are
  // given (a window's; a curve whose levels are not ready gets a row without values), else from
  // levels built here (a pass over each curve).
  CursorTable GetCursorTable(const std::vector<std::shared_ptr<const CurveLevels>>& iLevels = {}) const;
  CursorTable GetCursorTable(double iA, double iB, const std::vector<std::shared_ptr<const CurveLevels>>& iLevels = {}) const;

  // The curves, the y ones then the y2 ones, with their default names.
  const std::vector<RefPtr<CATSamIVector>>& GetXs() const { return _Xs; }
  const std::vector<RefPtr<CATSamIVector>>& GetYs() const { return _Ys; }
  const std::vector<std::string>& GetNames() const { return _Names; }
  const CurveRequest& GetRequest() const { return _Request; }

 private:
  CurveRequest _Request;
  std::vector<RefPtr<CATSamIVector>> _Xs;
  std::vector<RefPtr<CATSamIVector>> _Ys;
  std::vector<std::string> _Names;
};

#endif
