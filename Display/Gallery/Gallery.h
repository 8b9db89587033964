// The demo gallery: pages that show every drawable kind of the library, built from data made in
// code, each rendered into PNG and SVG.
#ifndef Gallery_H
#define Gallery_H

#include <string>
#include <vector>

class CATViewer;
class CATFont;

struct GalleryPage {
  const char* Name;
  int Width;
  int Height;
  // Fills the viewer with the page's scene; iFont is the text font (never null).
  void (*Build)(CATViewer& ioViewer, CATFont& iFont);
  // Whole figures are also written as PDF.
  bool Pdf = false;
};

class Gallery {
 public:
  static const std::vector<GalleryPage>& Pages();
  // Renders every page into iDirectory (created if missing) and lists the files written in
  // oFiles. Returns false, with oError set, when the font or a file cannot be made.
  static bool Render(const std::string& iDirectory, std::vector<std::string>& oFiles, std::string& oError);
};

#endif
