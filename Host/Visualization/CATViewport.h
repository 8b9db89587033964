// Rectangle of the support in which a viewpoint is shown, in device pixels.
#ifndef CATViewport_H
#define CATViewport_H

class CATViewport {
 public:
  CATViewport(int iWidth = 0, int iHeight = 0) : _Width(iWidth), _Height(iHeight) {}
  int GetWidth() const { return _Width; }
  int GetHeight() const { return _Height; }

 private:
  int _Width;
  int _Height;
};

#endif
