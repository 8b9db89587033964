// A window's navigation without a window: area points (pixels, y down) become data values through
// the data box and the axes' scales, and the wheel, drags, boxes and keys change the view as the
// window promises (the point under the wheel stays, a drag follows the pointer, a click is no box).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "TestNavigator.h"
#include "ViewNavigator.h"

TEST(ViewNavigator, AreaPointsToData) {
  struct Case {
    const char* name;
    bool logX, clamp;
    double areaX, areaY;
    bool inside;
    double x, y;
  };
  const Case lCases[] = {
      {"corner low", false, false, 100, 250, true, 0, 0},
      {"middle", false, false, 200, 150, true, 5, 5},
      {"outside", false, false, 50, 150, false, 0, 0},
      {"outside clamped", false, true, 50, 20, true, 0, 10},
      {"logarithmic x: a decade per 20 pixels", false, false, 120, 150, true, 1, 5},
      {"logarithmic x in data units", true, false, 120, 150, true, 10, 5},
  };
  for (const Case& c : lCases) {
    const ViewNavigator lNavigator = MakeNavigator(c.logX);
    double lX = 0, lY = 0;
    ASSERT_EQ(lNavigator.ToData(c.areaX, c.areaY, lX, lY, c.clamp), c.inside) << c.name;
    if (!c.inside) continue;
    EXPECT_NEAR(lX, c.x, 1e-9 * std::fabs(c.x) + 1e-12) << c.name;
    EXPECT_NEAR(lY, c.y, 1e-12) << c.name;
  }
  double lX, lY;
  EXPECT_FALSE(ViewNavigator().ToData(10, 10, lX, lY, true)) << "no data box yet";
}

TEST(ViewNavigator, InputChangesTheView) {
  struct Case {
    const char* name;
    std::function<void(ViewNavigator&)> input;
    double x0, x1, y0, y1;
  };
  const double k = ViewNavigator::kWheelZoom;
  const Case lCases[] = {
      {"wheel towards zooms in about the point", [](ViewNavigator& n) { n.Wheel(100, 250, -1, false, false); }, 0,
       10 / k, 0, 10 / k},
      {"wheel with Shift: x only", [](ViewNavigator& n) { n.Wheel(300, 50, -1, true, false); }, 10 - 10 / k, 10, 0,
       10},
      {"wheel with Ctrl: y only", [](ViewNavigator& n) { n.Wheel(300, 50, 1, false, true); }, 0, 10, 10 - 10 * k,
       10},
      {"the data follows a drag (right and up)", [](ViewNavigator& n) {
         n.BeginDrag();
         n.DragBy(10, 10);
         n.DragBy(20, -40);
       }, -1, 9, -2, 8},
      {"box", [](ViewNavigator& n) { n.ZoomToBox(120, 230, 220, 130); }, 1, 6, 1, 6},
      {"a click is no box", [](ViewNavigator& n) { n.ZoomToBox(120, 230, 122, 130); }, 0, 10, 0, 10},
      {"key pans by a tenth", [](ViewNavigator& n) { n.Step(ViewNavigator::ePanRight); }, 1, 11, 0, 10},
      {"key zooms about the centre", [](ViewNavigator& n) { n.Step(ViewNavigator::eZoomIn); }, 5 - 5 / k, 5 + 5 / k,
       5 - 5 / k, 5 + 5 / k},
      {"home", [](ViewNavigator& n) {
         n.Step(ViewNavigator::eZoomIn);
         n.Step(ViewNavigator::ePanUp);
         n.Step(ViewNavigator::eHome);
       }, 0, 10, 0, 10},
  };
  for (const Case& c : lCases) {
    ViewNavigator lNavigator = MakeNavigator();
    c.input(lNavigator);
    const ViewBox& lView = lNavigator.GetView();
    EXPECT_NEAR(lView.GetX0(), c.x0, 1e-12) << c.name;
    EXPECT_NEAR(lView.GetX1(), c.x1, 1e-12) << c.name;
    EXPECT_NEAR(lView.GetY0(), c.y0, 1e-12) << c.name;
    EXPECT_NEAR(lView.GetY1(), c.y1, 1e-12) << c.name;
  }
}

TEST(ViewNavigator, PixelColumnInDataUnits) {
  // 200 pixels over 10 decades: a column is a twentieth of a decade wide, around its centre.
  const ViewNavigator lLog = MakeNavigator(true);
  EXPECT_NEAR(lLog.ColumnWidth(2.0), std::pow(10.0, 2.025) - std::pow(10.0, 1.975), 1e-9);
  const ViewNavigator lLinear = MakeNavigator();
  EXPECT_NEAR(lLinear.ColumnWidth(3.0), 0.05, 1e-12);
  double lX = 0;
  ASSERT_TRUE(lLinear.ToAreaX(2.5, lX));
  EXPECT_DOUBLE_EQ(lX, 150.0);
}
