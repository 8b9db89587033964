// Base of the viewpoints: knows the viewer that shows it.
#ifndef CATViewpoint_H
#define CATViewpoint_H

#include "CATBaseUnknown.h"

class CATViewer;

class CATViewpoint : public CATBaseUnknown {
 public:
  explicit CATViewpoint(CATViewer* iViewer = nullptr) : _Viewer(iViewer) {}
  CATViewer* GetViewer() const { return _Viewer; }
  void SetViewer(CATViewer* iViewer) { _Viewer = iViewer; }

 private:
  CATViewer* _Viewer;
};

#endif
