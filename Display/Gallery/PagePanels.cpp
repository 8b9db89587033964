#include "PagePanels.h"

void PagePanels::Build(CATViewer& ioViewer, CATFont& iFont, std::initializer_list<Panel> iPanels) {
  for (Panel lPanel : iPanels) lPanel(ioViewer, iFont);
}
