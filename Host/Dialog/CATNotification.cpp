#include "CATNotification.h"

HOST_META_IMPLEMENT(CATNotification, CATBaseUnknown, "Dialog")

CATNotification::CATNotification() = default;

CATNotification::~CATNotification() = default;
