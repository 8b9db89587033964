// A window's cursors without a window: a key places a cursor at the pointer's data x (clamped to the
// data box, on a logarithmic axis through its scale), a drag grabs the nearest cursor within a few
// pixels and keeps it at its data x when the view zooms, Esc clears both.
#include <gtest/gtest.h>

#include "ViewCursors.h"
#include "TestNavigator.h"
#include "ViewNavigator.h"

TEST(ViewCursors, PlaceGrabAndClear) {
  struct Case {
    const char* name;
    bool logX;
    double areaX;
    double x;
  } const kCases[] = {
      {"inside", false, 150, 2.5},
      {"left of the box: its edge", false, 20, 0},
      {"logarithmic: through the scale", true, 140, 100},
  };
  for (const Case& c : kCases) {
    const ViewNavigator lNavigator = MakeNavigator(c.logX);
    ViewCursors lCursors;
    ASSERT_TRUE(lCursors.Place(ViewCursors::eB, c.areaX, 150, lNavigator)) << c.name;
    EXPECT_NEAR(lCursors.GetX(ViewCursors::eB), c.x, 1e-9 * (1 + c.x)) << c.name;
    EXPECT_FALSE(lCursors.IsPlaced(ViewCursors::eA)) << c.name;
  }
  ViewNavigator lNavigator = MakeNavigator();
  ViewCursors lCursors;
  // No data box yet: nothing placed.
  EXPECT_FALSE(lCursors.Place(ViewCursors::eA, 150, 150, ViewNavigator()));
  lCursors.Place(ViewCursors::eA, 150, 150, lNavigator);  // x 2.5 at area x 150
  lCursors.Place(ViewCursors::eB, 156, 150, lNavigator);  // x 2.8 at area x 156
  EXPECT_TRUE(lCursors.BothPlaced());
  EXPECT_EQ(lCursors.Under(152, lNavigator), ViewCursors::eA);
  EXPECT_EQ(lCursors.Under(154, lNavigator), ViewCursors::eB);
  EXPECT_EQ(lCursors.Under(170, lNavigator), ViewCursors::eNone);
  // Zoomed in twice about x 5: the cursors keep their data x and move on the area.
  lNavigator.Wheel(200, 150, -3, true, false);
  EXPECT_DOUBLE_EQ(lCursors.GetX(ViewCursors::eA), 2.5);
  double lAreaX = 0.0;
  ASSERT_TRUE(lNavigator.ToAreaX(2.5, lAreaX));
  EXPECT_EQ(lCursors.Under(lAreaX, lNavigator), ViewCursors::eA);
  lCursors.Clear();
  EXPECT_FALSE(lCursors.IsPlaced(ViewCursors::eA));
  EXPECT_FALSE(lCursors.IsPlaced(ViewCursors::eB));
  EXPECT_EQ(lCursors.Under(lAreaX, lNavigator), ViewCursors::eNone);
}
