// Gallery page of plot backgrounds.
#ifndef BackgroundPage_H
#define BackgroundPage_H

class CATFont;
class CATViewer;

class BackgroundPage {
 public:
  static void Build(CATViewer& ioViewer, CATFont& iFont);
};

#endif
