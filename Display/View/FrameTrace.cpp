#include "FrameTrace.h"

void FrameTrace::OnFrame(const Record& iFrame) {
  const CATMathBox2D& lBox = iFrame.DataBox;
  const int lHeight = iFrame.Height;
  std::fprintf(
      _Out,
      "frame %ld ms=%.2f input_ms=%.2f size=%dx%d area=%.0f,%.0f box=%.1f,%.1f,%.1f,%.1f x=%.17g,%.17g y=%.17g,%.17g "
      "busy=%d cut=%d drawn_ms=%.2f moved=%d text_boxes=%s ticks=%s\n",
      iFrame.Number, iFrame.Milliseconds, iFrame.InputMilliseconds, iFrame.Width, lHeight, iFrame.AreaX, iFrame.AreaY,
      lBox.GetLow().GetX(), lHeight - lBox.GetHigh().GetY(), lBox.GetHigh().GetX(), lHeight - lBox.GetLow().GetY(),
      iFrame.View.GetX0(), iFrame.View.GetX1(), iFrame.View.GetY0(), iFrame.View.GetY1(), iFrame.Busy ? 1 : 0,
      iFrame.Cut ? 1 : 0, iFrame.DrawnMilliseconds, iFrame.Moved ? 1 : 0, iFrame.TextBoxes.c_str(),
      iFrame.Texts.c_str());
  std::fflush(_Out);
}

void FrameTrace::OnStatus(const std::string& iText) {
  std::fprintf(_Out, "status %s\n", iText.c_str());
  std::fflush(_Out);
}

void FrameTrace::OnProgress(double iFraction) {
  std::fprintf(_Out, "progress %.3f\n", iFraction);
  std::fflush(_Out);
}
