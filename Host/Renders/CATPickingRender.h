// Render of the picking pass: it records like the recording render (what was drawn is what can be
// picked) and answers IsAKindOf("CATPickingRender").
#ifndef CATPickingRender_H
#define CATPickingRender_H

#include "RecordingRender.h"

class CATPickingRender : public RecordingRender {
  HOST_META_DECLARE
 public:
  CATPickingRender(int iWidth = 1000, int iHeight = 600) : RecordingRender(iWidth, iHeight) {}
};

#endif
