// The view of a window: zooming keeps the point under the cursor, panning and boxes move and
// resize it, and views without width, beyond what doubles resolve or far beyond the whole data
// are refused, leaving the view as it was; Home returns to the whole.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ViewBox.h"

TEST(ViewBox, ZoomPanBoxAndRefusals) {
  struct Case {
    const char* name;
    std::function<void(ViewBox&)> change;
    double x0, x1, y0, y1;
  };
  const Case lCases[] = {
      {"zoom about a point", [](ViewBox& v) { v.Zoom(2, 4, 2, 2); }, 1, 6, 2, 7},
      {"zoom along x only", [](ViewBox& v) { v.Zoom(10, 0, 4, 1); }, 7.5, 10, 0, 10},
      {"zoom out", [](ViewBox& v) { v.Zoom(5, 5, 0.5, 0.5); }, -5, 15, -5, 15},
      {"pan", [](ViewBox& v) { v.Pan(1, -1); }, 1, 11, -1, 9},
      {"box in any corner order", [](ViewBox& v) { v.Show(8, 2, 3, 1); }, 2, 8, 1, 3},
      {"box without height", [](ViewBox& v) { v.Show(8, 2, 5, 5); }, 0, 10, 0, 10},
      {"not a number", [](ViewBox& v) { v.Zoom(NAN, 5, 2, 2); }, 0, 10, 0, 10},
      {"beyond what doubles resolve", [](ViewBox& v) { v.Zoom(5, 5, 1e20, 1e20); }, 0, 10, 0, 10},
      {"far beyond the whole", [](ViewBox& v) { v.Zoom(5, 5, 1e-4, 1e-4); }, 0, 10, 0, 10},
      {"home", [](ViewBox& v) {
         v.Zoom(3, 3, 7, 7);
         v.Pan(2, 2);
         v.Home();
       }, 0, 10, 0, 10},
  };
  for (const Case& c : lCases) {
    ViewBox lView(0, 10, 10, 0);
    c.change(lView);
    EXPECT_DOUBLE_EQ(lView.GetX0(), c.x0) << c.name;
    EXPECT_DOUBLE_EQ(lView.GetX1(), c.x1) << c.name;
    EXPECT_DOUBLE_EQ(lView.GetY0(), c.y0) << c.name;
    EXPECT_DOUBLE_EQ(lView.GetY1(), c.y1) << c.name;
  }
}
