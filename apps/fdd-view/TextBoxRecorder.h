// The trace's recorder: every call of a frame, and the box of each geometric text as laid out
// (model units), listed "x0,y0,x1,y1;..." in the order drawn.
#ifndef TextBoxRecorder_H
#define TextBoxRecorder_H

#include <string>

#include "RecordingRender.h"

class CATViewer;

class TextBoxRecorder : public RecordingRender {
 public:
  using RecordingRender::RecordingRender;

  void Draw2DGeometricText(CAT2DGeometricTextGP& iText) override;
  const std::string& GetBoxes() const { return _Boxes; }
  // The texts of the scene of ioViewer at iWidth x iHeight, "TEXT|TEXT|...", and their boxes.
  static void Record(CATViewer& ioViewer, int iWidth, int iHeight, std::string& oTexts, std::string& oBoxes);

 private:
  std::string _Boxes;
};

#endif
