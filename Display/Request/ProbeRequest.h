// What a probe asks for, as fdd-plot probe and fddplot.probe take it: the value that the map of the
// same options shows at one point X,Z, on the pixel grid of the picture the map would draw.
#ifndef ProbeRequest_H
#define ProbeRequest_H

#include "MapRequest.h"

struct ProbeRequest : MapRequest {
  std::string At;
  double AtX = NAN;
  double AtZ = NAN;

  static const std::vector<RequestOption<ProbeRequest>>& Options();
  bool Check(RequestError& oError);
};

#endif
