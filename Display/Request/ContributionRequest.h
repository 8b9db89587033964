// What a contribution bar asks for, as fdd-plot contribution and fddplot.contribution take it: the
// values y over the arguments x as one strip of colours, its direction, axis, colour scale, labels
// and picture. Options() is the one table of its options.
#ifndef ContributionRequest_H
#define ContributionRequest_H

#include <cmath>
#include <string>
#include <vector>

#include "ColorRequest.h"
#include "DataInput.h"
#include "RequestError.h"
#include "RequestOption.h"

struct ContributionRequest : ColorRequest {
  DataInput X;
  DataInput Y;
  std::string Direction = "horizontal";
  bool LogX = false;
  std::string XLimits;
  std::string XLabel;
  std::string Title;
  // Empty: 1000x220, or 300x700 when vertical.
  std::string Size;

  // After Check.
  bool Vertical = false;
  double XMin = NAN, XMax = NAN;
  int Width = 0;
  int Height = 0;

  static const std::vector<RequestOption<ContributionRequest>>& Options();
  bool Check(RequestError& oError);
};

#endif
