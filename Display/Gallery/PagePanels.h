// The panels of a gallery page, built in turn: the later ones drawn over the earlier.
#ifndef PagePanels_H
#define PagePanels_H

#include <initializer_list>

class CATFont;
class CATViewer;

class PagePanels {
 public:
  typedef void (*Panel)(CATViewer& ioViewer, CATFont& iFont);
  static void Build(CATViewer& ioViewer, CATFont& iFont, std::initializer_list<Panel> iPanels);
};

#endif
