// The trace's lines, which the window test and users' scripts read: a frame's fields in their
// order and form (the data box turned to the area's pixels, y down), status and progress lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "FrameTrace.h"

TEST(FrameTrace, Lines) {
  char* lText = nullptr;
  size_t lSize = 0;
  std::FILE* lOut = open_memstream(&lText, &lSize);
  ASSERT_NE(lOut, nullptr);
  {
    FrameTrace lTrace(lOut);
    FrameObserver::Record lFrame;
    lFrame.Number = 3;
    lFrame.Milliseconds = 1.5;
    lFrame.Width = 400;
    lFrame.Height = 300;
    lFrame.AreaX = 0;
    lFrame.AreaY = 20;
    lFrame.DataBox = CATMathBox2D(50, 390, 40, 290);
    lFrame.View = ViewBox(0, 0.5, -1, 1);
    lFrame.Busy = true;
    lFrame.DrawnMilliseconds = 7;
    lFrame.Texts = "0|0.5";
    lFrame.TextBoxes = "1,2,3,4";
    lTrace.OnFrame(lFrame);
    lTrace.OnStatus("x 1   y 2");
    lTrace.OnProgress(0.25);
  }
  std::fclose(lOut);
  const std::string lLines(lText, lSize);
  std::free(lText);
  EXPECT_EQ(lLines,
            "frame 3 ms=1.50 input_ms=0.00 size=400x300 area=0,20 box=50.0,10.0,390.0,260.0 x=0,0.5 y=-1,1 busy=1 "
            "cut=0 drawn_ms=7.00 moved=0 text_boxes=1,2,3,4 ticks=0|0.5\n"
            "status x 1   y 2\n"
            "progress 0.250\n");
}
