#include "AxisTextPage.h"

#include <cmath>
#include <string>
#include <vector>

#include "CAT2DPolygonGP.h"
#include "CATViewer.h"
#include "PagePanels.h"
#include "Scene.h"
#include "QVTFdd2DAxisLabelPart.h"
#include "QVTFdd2DAxisText.h"
#include "QVTFdd2DBackgroundGP.h"
#include "QVTFdd2DEmptyAxisRep.h"
#include "QVTFddGPList.h"
#include "QVTFddMathRegion.h"
#include "RefPtr.h"

// Model units are millimetres of a 200 x 125 page.
namespace {

const double kTolerance = 0.00001;
const double kTextHeight = 3.2;

CATGraphicAttributeSet TextColor() { return Scene::Color(33, 37, 41); }
CATGraphicAttributeSet BoxColor() { return Scene::Color(49, 130, 189); }
CATGraphicAttributeSet AnchorColor() { return Scene::Color(215, 48, 39); }
CATGraphicAttributeSet GuideColor() { return Scene::Color(170, 170, 170); }

QVTFddMathRegion EmptyRegion() { return QVTFddMathRegion(kTolerance, nullptr); }

void Line(CATViewer& ioViewer, double x0, double y0, double x1, double y1, const CATGraphicAttributeSet& iColor) {
  Scene::Polyline(ioViewer, {CATMathPoint2D(x0, y0), CATMathPoint2D(x1, y1)}, iColor);
}

// Thin outline of every box of the region.
void Outline(CATViewer& ioViewer, const QVTFddMathRegion& iRegion, const CATGraphicAttributeSet& iColor) {
  for (QVTFddMathRegionIterator lIt = iRegion.mf_Begin(); lIt != iRegion.mf_End(); ++lIt)
    Scene::Outline(ioViewer, *lIt, iColor);
}

// A small filled disc at the point.
void Dot(CATViewer& ioViewer, const CATMathPoint2D& iPoint, double iRadius = 0.55) {
  const int kCorners = 16;
  CATMathPoint2Df lPoints[kCorners];
  for (int i = 0; i < kCorners; ++i) {
    const double a = 2.0 * 3.14159265358979323846 * i / kCorners;
    lPoints[i] =
        CATMathPoint2Df(CATMathPoint2D(iPoint.GetX() + iRadius * std::cos(a), iPoint.GetY() + iRadius * std::sin(a)));
  }
  Scene::Show(ioViewer, new CAT2DPolygonGP(lPoints, kCorners), AnchorColor());
}

// Hands the list's primitives to the viewer (which keeps its own reference) and destroys the list.
void ShowList(CATViewer& ioViewer, QVTFddGPList*& ioList, const CATGraphicAttributeSet& iColor) {
  for (QVTFddGPList* lNode = ioList; lNode; lNode = lNode->GetNext()) {
    if (lNode->GetGP()) Scene::Show(ioViewer, RefPtr<CATGraphicPrimitive>::Hold(lNode->GetGP()).Detach(), iColor);
  }
  delete ioList;
  ioList = nullptr;
}

// Lays out one axis text: pushes it on ioList, adds its box to ioBoxes and its anchor to ioAnchors.
// Returns its region.
QVTFddMathRegion PlaceText(CATFont& iFont, QVTFddGPList*& ioList, QVTFddMathRegion& ioBoxes,
                           std::vector<CATMathPoint2D>& ioAnchors, const char* iText, const CATMathPoint2D& iAnchor,
                           const CATMathDirection2D& iPlacement, const CATMathDirection2D& iUp, int iMode,
                           double iHeight = kTextHeight) {
  QVTFdd2DAxisText lText(static_cast<float>(iHeight), &iFont, iText, iAnchor, iPlacement, iUp, iMode);
  QVTFddMathRegion lRegion = lText.AddPrim(ioList, EmptyRegion());
  ioBoxes = ioBoxes | lRegion;
  ioAnchors.push_back(iAnchor);
  return lRegion;
}

// Shows laid-out texts over their box outlines, with their anchors on top.
void ShowPlaced(CATViewer& ioViewer, QVTFddGPList*& ioList, const QVTFddMathRegion& iBoxes,
                const std::vector<CATMathPoint2D>& iAnchors) {
  Outline(ioViewer, iBoxes, BoxColor());
  ShowList(ioViewer, ioList, TextColor());
  for (const CATMathPoint2D& lAnchor : iAnchors) Dot(ioViewer, lAnchor);
}

// Rows: where the text lies from its anchor; columns: which point of the facing edge is anchored.
void PlacementGrid(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 5, 109, 3.6, "Placement direction and anchor mode");
  const struct {
    const char* name;
    CATMathDirection2D direction;
  } lRows[] = {{"below", {0, -1}}, {"above", {0, 1}}, {"left of", {-1, 0}}, {"right of", {1, 0}}};
  const double lX0 = 40, lDx = 19, lY0 = 98, lDy = 10.5;
  for (int lMode = 0; lMode < 3; ++lMode) {
    const std::string lHeader = "mode " + std::to_string(lMode);
    Scene::Caption(ioViewer, iFont, lX0 + lDx * lMode - 5, lY0 + 5, 2.6, lHeader.c_str());
  }
  QVTFddGPList* lList = nullptr;
  QVTFddMathRegion lBoxes = EmptyRegion();
  std::vector<CATMathPoint2D> lAnchors;
  for (int lRow = 0; lRow < 4; ++lRow) {
    const double y = lY0 - lDy * (lRow + 0.5);
    Scene::Caption(ioViewer, iFont, 7, y - 1, 2.6, lRows[lRow].name);
    for (int lMode = 0; lMode < 3; ++lMode)
      PlaceText(iFont, lList, lBoxes, lAnchors, "12.5", CATMathPoint2D(lX0 + lDx * lMode, y), lRows[lRow].direction,
                CATMathDirection2D(0, 1), lMode);
  }
  ShowPlaced(ioViewer, lList, lBoxes, lAnchors);
}

// Spokes: each text starts at the circle, facing outwards, turned so that it reads along the spoke.
void TurnedTexts(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 105, 109, 3.6, "Up vectors: texts turned in steps of 45\xC2\xB0");
  const CATMathPoint2D lCentre(150, 79);
  const double kPi = 3.14159265358979323846;
  QVTFddGPList* lList = nullptr;
  QVTFddMathRegion lBoxes = EmptyRegion();
  std::vector<CATMathPoint2D> lAnchors;
  for (int i = 0; i < 8; ++i) {
    const double a = kPi / 4 * i;
    const CATMathPoint2D lAnchor(lCentre.GetX() + 8 * std::cos(a), lCentre.GetY() + 8 * std::sin(a));
    // The top should point along (-sin a, cos a); the up vector is its mirror image (sin a, cos a).
    const std::string lText = "turned " + std::to_string(45 * i) + "\xC2\xB0";
    PlaceText(iFont, lList, lBoxes, lAnchors, lText.c_str(), lAnchor, CATMathDirection2D(std::cos(a), std::sin(a)),
              CATMathDirection2D(std::sin(a), std::cos(a)), 1, 3.0);
  }
  ShowPlaced(ioViewer, lList, lBoxes, lAnchors);
  Dot(ioViewer, lCentre, 0.35);
}

// Value texts of two axes (their region filled), then each axis's label, placed one unit beyond
// all of them. The label's anchor lies on the guide from the axis midpoint.
void LabelBeyondOccupied(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 5, 53, 3.6, "Labels beyond the occupied region (filled)");
  const CATMathDirection2D lUp(0, 1);
  const CATGraphicAttributeSet lFill = Scene::Color(253, 174, 97, 90);
  QVTFddGPList* lList = nullptr;
  QVTFddMathRegion lBoxes = EmptyRegion();
  std::vector<CATMathPoint2D> lAnchors;

  // A horizontal axis with values below it, the middle one larger.
  const CATMathPoint2D lStart(36, 38), lEnd(92, 38);
  const char* lValues[] = {"0", "250", "500", "750", "1000"};
  QVTFddMathRegion lBelow = EmptyRegion();
  for (int i = 0; i < 5; ++i) {
    const double x = lStart.GetX() + (lEnd.GetX() - lStart.GetX()) * i / 4;
    Line(ioViewer, x, 38, x, 37, TextColor());
    lBelow = lBelow | PlaceText(iFont, lList, lBoxes, lAnchors, lValues[i], CATMathPoint2D(x, 36.5),
                                CATMathDirection2D(0, -1), lUp, 1, i == 2 ? 5.0 : 3.0);
  }
  // A vertical axis with values to its left; its label reads upwards along the axis.
  const CATMathPoint2D lBottom(24, 12), lTop(24, 46);
  const char* lLevels[] = {"-40", "0", "40", "80"};
  QVTFddMathRegion lLeft = EmptyRegion();
  for (int i = 0; i < 4; ++i) {
    const double y = lBottom.GetY() + (lTop.GetY() - lBottom.GetY()) * i / 3;
    Line(ioViewer, 24, y, 23, y, TextColor());
    lLeft = lLeft | PlaceText(iFont, lList, lBoxes, lAnchors, lLevels[i], CATMathPoint2D(22.5, y),
                              CATMathDirection2D(-1, 0), lUp, 1, 3.0);
  }
  Scene::Show(ioViewer, new QVTFdd2DBackgroundGP(lBoxes, 0), lFill);
  Line(ioViewer, lStart.GetX(), lStart.GetY(), lEnd.GetX(), lEnd.GetY(), TextColor());
  Line(ioViewer, lBottom.GetX(), lBottom.GetY(), lTop.GetX(), lTop.GetY(), TextColor());
  const CATMathPoint2D lMiddle(0.5 * (lStart.GetX() + lEnd.GetX()), lStart.GetY());
  const CATMathPoint2D lSideMiddle(lBottom.GetX(), 0.5 * (lBottom.GetY() + lTop.GetY()));
  Line(ioViewer, lMiddle.GetX(), lMiddle.GetY(), lMiddle.GetX(), 20, GuideColor());
  Line(ioViewer, lSideMiddle.GetX(), lSideMiddle.GetY(), 4, lSideMiddle.GetY(), GuideColor());

  QVTFdd2DAxisLabelPart lLabel(lStart, lEnd, CATMathDirection2D(0, -1), 3.6f, &iFont, QVTFdd2DAxisTickPosition::eOutside,
                               lBelow, "Distance [km]");
  lBoxes = lBoxes | lLabel.AddPrim(lList);
  QVTFdd2DAxisLabelPart lSide(lBottom, lTop, CATMathDirection2D(-1, 0), 3.6f, &iFont, QVTFdd2DAxisTickPosition::eOutside,
                              lLeft, "Level [dB]");
  lBoxes = lBoxes | lSide.AddPrim(lList);
  lAnchors.push_back(lMiddle);
  lAnchors.push_back(lSideMiddle);
  ShowPlaced(ioViewer, lList, lBoxes, lAnchors);
}

// An empty axis frame: a left and a bottom axis, and an axis moved into place after construction.
void EmptyFrame(CATViewer& ioViewer, CATFont& iFont) {
  Scene::Caption(ioViewer, iFont, 105, 53, 3.6, "Empty axis frame");
  const CATGraphicAttributeSet lFrameColor = Scene::Color(60, 60, 60, 255, 2);
  const CATMathPoint2D lCorner(118, 12);
  const CATMathPoint2D lEnds[2][2] = {{lCorner, CATMathPoint2D(118, 46)}, {lCorner, CATMathPoint2D(190, 12)}};
  for (const auto& lEnd : lEnds) {
    const RefPtr<QVTFdd2DEmptyAxisRep> lRep(new QVTFdd2DEmptyAxisRep(lEnd[0], lEnd[1]));
    if (!lRep) continue;
    lRep->SetAttribute(lFrameColor);
    ioViewer.AddRep(lRep.Get());
  }
  const RefPtr<QVTFdd2DEmptyAxisRep> lMoved(new QVTFdd2DEmptyAxisRep(CATMathPoint2D(0, 0), CATMathPoint2D(1, 1)));
  if (lMoved) {
    lMoved->SetPosition(CATMathPoint2D(128, 18), CATMathPoint2D(184, 42));
    lMoved->SetAttribute(Scene::Color(49, 130, 189, 255, 2));
    ioViewer.AddRep(lMoved.Get());
  }
  Scene::Caption(ioViewer, iFont, 140, 16, 2.6, "an axis moved with SetPosition");
}

}  // namespace

void AxisTextPage::Build(CATViewer& ioViewer, CATFont& iFont) {
  ioViewer.FitBox(0.0, 200.0, 0.0, 125.0);
  Scene::Caption(ioViewer, iFont, 5, 117, 5, "Axis texts");
  Scene::Caption(ioViewer, iFont, 60, 117.6, 2.8,
                 "each text with the box its layout computed (blue outline) and its anchor point (red)");
  PagePanels::Build(ioViewer, iFont, {&PlacementGrid, &TurnedTexts, &LabelBeyondOccupied, &EmptyFrame});
}
