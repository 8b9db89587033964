#include "BackgroundPage.h"

#include "CATMathBox2D.h"
#include "CATViewer.h"
#include "Scene.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFddMathRegion.h"

// Model units are millimetres of a 160 x 100 page; the viewer fits them to the viewport, so the
// page also shows that backgrounds follow the viewpoint's pan and zoom.
void BackgroundPage::Build(CATViewer& ioViewer, CATFont& iFont) {
  ioViewer.FitBox(0.0, 160.0, 0.0, 100.0);
  const double h = 3.5;

  Scene::Caption(ioViewer, iFont, 5, 93, 5, "Backgrounds");

  // A plot area given by two corners in reverse order.
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(CATMathPoint2D(75, 85), CATMathPoint2D(5, 45), 0),
              Scene::Color(232, 236, 243));
  Scene::Caption(ioViewer, iFont, 7, 80, h, "one box, corners given high to low");

  // A region of three boxes: an L-shaped plot area around a legend corner.
  QVTFddMathRegion lRegion(0.00001, nullptr);
  lRegion = lRegion | QVTFddMathRegion(CATMathBox2D(85, 155, 45, 70), 0.00001, nullptr, nullptr);
  lRegion = lRegion | QVTFddMathRegion(CATMathBox2D(85, 120, 70, 85), 0.00001, nullptr, nullptr);
  lRegion = lRegion | QVTFddMathRegion(CATMathBox2D(125, 155, 72, 85), 0.00001, nullptr, nullptr);
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(lRegion, 0), Scene::Color(255, 244, 214));
  Scene::Caption(ioViewer, iFont, 87, 47, h, "a region of three boxes");

  // Translucent backgrounds drawn over one another.
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(CATMathPoint2D(5, 5), CATMathPoint2D(60, 38), 0),
              Scene::Color(70, 130, 180, 110));
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(CATMathPoint2D(30, 15), CATMathPoint2D(85, 35), 0),
              Scene::Color(220, 90, 60, 110));
  Scene::Caption(ioViewer, iFont, 7, 33, h, "translucent, overlapping");

  // A picking-only background is invisible in ordinary drawing: the frame shows where it lies.
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(CATMathPoint2D(95, 5), CATMathPoint2D(155, 38), 1),
              Scene::Color(255, 0, 0));
  QVTFddMathRegion lFrame(0.00001, nullptr);
  lFrame = lFrame | QVTFddMathRegion(CATMathBox2D(95, 155, 5, 5.4), 0.00001, nullptr, nullptr);
  lFrame = lFrame | QVTFddMathRegion(CATMathBox2D(95, 155, 37.6, 38), 0.00001, nullptr, nullptr);
  lFrame = lFrame | QVTFddMathRegion(CATMathBox2D(95, 95.4, 5, 38), 0.00001, nullptr, nullptr);
  lFrame = lFrame | QVTFddMathRegion(CATMathBox2D(154.6, 155, 5, 38), 0.00001, nullptr, nullptr);
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(lFrame, 0), Scene::Color(150, 150, 150));
  Scene::Caption(ioViewer, iFont, 98, 20, h, "picking-only (not drawn)");
}
