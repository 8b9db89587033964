#include "CAT3DRep.h"

HOST_META_IMPLEMENT(CAT3DRep, CATBaseUnknown, "Visualization")
