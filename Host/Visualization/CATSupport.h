// Drawing support a render is built on: the size of the surface in device pixels and an optional
// handle of the window system (always null here).
#ifndef CATSupport_H
#define CATSupport_H

class CATSupport {
 public:
  CATSupport(int iWidth, int iHeight, void* iHandle) : _Width(iWidth), _Height(iHeight), _Handle(iHandle) {}
  virtual ~CATSupport() = default;
  int GetWidth() const { return _Width; }
  int GetHeight() const { return _Height; }
  void* GetHandle() const { return _Handle; }

 private:
  int _Width;
  int _Height;
  void* _Handle;
};

#endif
