// Support of a render that brings its own. A render lists it as its first base class so that the
// support exists before the CATRender base is built on it.
#ifndef OwnedSupport_H
#define OwnedSupport_H

#include "CATSupport.h"

class OwnedSupport {
 protected:
  OwnedSupport(int iWidth, int iHeight) : _OwnedSupport(iWidth, iHeight, nullptr) {}
  CATSupport _OwnedSupport;
};

#endif
