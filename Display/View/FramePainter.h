// The one road from a window's figure to its pixels, whichever thread draws: the figure is laid
// out into a scene under the library's lock (LibraryLock says why), then the scene is painted on
// white into a cairo context of the area's size, without the lock.
#ifndef FramePainter_H
#define FramePainter_H

#include <memory>

class CATFont;
class CATViewer;
class Figure;
typedef struct _cairo cairo_t;

class FramePainter {
 public:
  // A scene, released under the library's lock.
  struct Release {
    void operator()(CATViewer* iViewer) const;
  };
  using Scene = std::unique_ptr<CATViewer, Release>;

  static Scene NewScene(int iWidth, int iHeight);
  static void Build(Figure& ioFigure, CATViewer& ioViewer, CATFont& iFont);
  static void Paint(CATViewer& ioViewer, cairo_t* ioContext, int iWidth, int iHeight);
};

#endif
