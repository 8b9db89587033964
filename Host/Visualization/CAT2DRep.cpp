#include "CAT2DRep.h"

HOST_META_IMPLEMENT(CAT2DRep, CATBaseUnknown, "Visualization")
