#include "FramePainter.h"

#include "CATViewer.h"
#include "CairoRender.h"
#include "Figure.h"
#include "LibraryLock.h"

void FramePainter::Release::operator()(CATViewer* iViewer) const {
  const LibraryLock lLibrary;
  delete iViewer;
}

FramePainter::Scene FramePainter::NewScene(int iWidth, int iHeight) { return Scene(new CATViewer(iWidth, iHeight)); }

void FramePainter::Build(Figure& ioFigure, CATViewer& ioViewer, CATFont& iFont) {
  const LibraryLock lLibrary;
  ioFigure.Build(ioViewer, iFont);
}

void FramePainter::Paint(CATViewer& ioViewer, cairo_t* ioContext, int iWidth, int iHeight) {
  CairoRender lRender(ioContext, iWidth, iHeight);
  lRender.SetBackground(255, 255, 255);
  ioViewer.Draw(lRender);
  lRender.Finish();
}
