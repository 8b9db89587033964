// fdd-plot curve --cursor and --stats end to end: the table as CSV on standard output with the
// exact numbers, cursors refused with a sentence, and the picture's two cursor lines inside the
// data box with the table in a box of its own right of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FddPlotRun.h"

namespace {

std::vector<double> Squares() {
  std::vector<double> y;
  for (int i = 0; i <= 10; ++i) y.push_back(double(i) * i);
  return y;
}

bool IsCursorRed(const PngPixels& iPng, int x, int y) {
  unsigned char p[4];
  return iPng.Pixel(x, y, p) && p[0] >= p[1] + 60 && p[1] == p[2];
}

}  // namespace

TEST(FddPlotCursor, StatsAreTheTableAloneAsCsv) {
  // y = x^2 at x = 0 .. 10: A = 2.5 lies between samples, B = 7 on one.
  const std::string x = Npy("cur_x.npy", Range(11, 0, 10)), y = Npy("cur_y.npy", Squares());
  const Result r = RunFddPlot("curve --x " + x + " --y " + y + " --label sq --cursor 2.5,7 --stats -o " + Dir() +
                              "cursor_stats.png");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output,
            "curve,x_a,x_b,dx,inv_dx,y_a,y_a_interp,y_b,y_b_interp,dy,min,max,mean,rms,count\n"
            "sq,2.5,7,4.5,0.2222222222222222,4,6.5,49,49,42.5,9,49,27,30.525399260288143,5\n");
}

TEST(FddPlotCursor, BadCursorsAreRefused) {
  const std::string y = Npy("cur_r.npy", Range(20, 0, 1));
  const struct {
    std::string options, message;
  } kCases[] = {
      {"--cursor 5,1", "--cursor 5,1: the cursors A,B need A < B"},
      {"--cursor 2,2", "need A < B"},
      {"--cursor 2", "--cursor '2': give two finite decimal numbers A,B"},
      {"--stats", "--stats writes the cursors' table: give --cursor A,B too"},
  };
  for (const auto& c : kCases) {
    const Result r = RunFddPlot("curve --y " + y + " " + c.options + " -o " + Dir() + "cur_r.png");
    EXPECT_EQ(r.status, 2) << c.options << "\n" << r.output;
    EXPECT_NE(r.output.find(c.message), std::string::npos) << c.options << "\n" << r.output;
  }
}

TEST(FddPlotCursor, LinesInTheBoxAndTheTableBesideIt) {
  const int kW = 600, kH = 400;
  const std::string x = Npy("cur_x.npy", Range(11, 0, 10)), y = Npy("cur_y.npy", Squares());
  const std::string lOut = Dir() + "cursor_lines.png";
  const Result r = RunFddPlot("curve --x " + x + " --y " + y + " --cursor 2.5,7 --x-limits 0,10 --size 600x400 -o " + lOut);
  ASSERT_EQ(r.status, 0) << r.output;
  PngPixels lPng;
  ASSERT_TRUE(lPng.Load(lOut));
  // The cursors cut the ground along a row: its ends are found from left of A and right of B.
  Box b = GroundBox(lPng, kH / 2 + 60, 100);
  const int lRow = (b.top + b.bottom) / 2;
  for (b.left = 100; IsGround(lPng, b.left - 1, lRow);) --b.left;
  for (b.right = 400; IsGround(lPng, b.right + 1, lRow);) ++b.right;
  ASSERT_GT(b.right - b.left, 150);
  // The table takes room on the right: the box ends well before the page does, and dark text lies
  // between them, none of it inside the box.
  EXPECT_LT(b.right, kW - 120);
  int lText = 0;
  for (int row = b.top; row <= b.bottom; ++row)
    for (int col = b.right + 2; col < kW; ++col) {
      unsigned char p[4];
      lText += lPng.Pixel(col, row, p) && p[0] < 120 && p[1] < 120 && p[2] < 120;
    }
  EXPECT_GT(lText, 200);
  // Each cursor is a red line across the box at its x (a pixel either side for rounding).
  for (double lCursor : {2.5, 7.0}) {
    const int lColumn = b.left + static_cast<int>(lCursor / 10.0 * (b.right - b.left) + 0.5);
    int lRows = 0;
    for (int row = b.top + 20; row <= b.bottom - 5; ++row)
      for (int d = -2; d <= 2; ++d)
        if (IsCursorRed(lPng, lColumn + d, row)) {
          ++lRows;
          break;
        }
    EXPECT_GE(lRows, b.bottom - b.top - 30) << lCursor;
  }
}
