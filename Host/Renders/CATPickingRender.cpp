#include "CATPickingRender.h"

HOST_META_IMPLEMENT(CATPickingRender, CATRender, "Visualization")
