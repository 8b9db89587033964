// The data of a contribution request, loaded and checked (one value per argument, arguments in
// order), and the plot area that shows it as a strip of colours. Holds one reference on each
// vector; keeps its own copy of the request.
#ifndef ContributionPlot_H
#define ContributionPlot_H

#include "ArrayVector.h"
#include "ContributionRequest.h"
#include "RefPtr.h"
#include "RequestError.h"

class PlotArea;

class ContributionPlot {
 public:
  // Loads the data of a checked request; false with oError.
  bool Load(const ContributionRequest& iRequest, RequestError& oError);
  void Show(PlotArea& ioPlot) const;

 private:
  ContributionRequest _Request;
  RefPtr<ArrayVector> _X;
  RefPtr<ArrayVector> _Y;
};

#endif
