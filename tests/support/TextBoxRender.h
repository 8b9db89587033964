// Recording render that also keeps the axis-aligned box of every geometric text drawn into it,
// as the measuring render measures it: for layout tests (no overlap, nothing off the page).
#ifndef TextBoxRender_H
#define TextBoxRender_H

#include <algorithm>
#include <string>
#include <vector>

#include "CAT2DGeometricTextGP.h"
#include "RecordingRender.h"

class TextBoxRender : public RecordingRender {
 public:
  struct Box {
    std::string text;
    double x0, x1, y0, y1;
  };

  void Draw2DGeometricText(CAT2DGeometricTextGP& iText) override {
    float c[8];
    iText.GetBoundingBox(c);
    Boxes.push_back({iText.GetText().ToUTF8(), std::min({c[0], c[2], c[4], c[6]}), std::max({c[0], c[2], c[4], c[6]}),
                     std::min({c[1], c[3], c[5], c[7]}), std::max({c[1], c[3], c[5], c[7]})});
    RecordingRender::Draw2DGeometricText(iText);
  }

  // Whether two boxes share more than a sliver (touching texts are accepted by the layout).
  static bool Overlap(const Box& a, const Box& b) {
    return std::min(a.x1, b.x1) - std::max(a.x0, b.x0) > 1e-3 && std::min(a.y1, b.y1) - std::max(a.y0, b.y0) > 1e-3;
  }

  std::vector<Box> Boxes;
};

#endif
