// The trace's recorder: every call of a frame, and the box of each geometric text as laid out
// (model units), listed "x0,y0,x1,y1;..." in the order drawn.
#ifndef TextBoxRecorder_H
#define TextBoxRecorder_H

#include <string>

#include "RecordingRender.h"

class TextBoxRecorder : public RecordingRender {
 public:
  using RecordingRender::RecordingRender;

  void Draw2DGeometricText(CAT2DGeometricTextGP& iText) override;
  const std::string& GetBoxes() const { return _Boxes; }

 private:
  std::string _Boxes;
};

#endif
