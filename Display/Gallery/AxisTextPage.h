// Gallery page of axis texts: placement directions and anchor modes, turned texts, a label laid out
// beyond the texts of an axis, and an empty axis frame. Every text is shown with the box the layout
// computed for it (thin outline) and the point it was anchored to (red dot).
#ifndef AxisTextPage_H
#define AxisTextPage_H

class CATFont;
class CATViewer;

class AxisTextPage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
