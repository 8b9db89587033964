// A notification of the host dialog framework: an object that a command sends and that its
// subscribers' callbacks receive (for example a dialog's Cancel notification). Carries no data of
// its own; its identity tells what happened. Reference counted; the sender owns it.
#ifndef CATNotification_H
#define CATNotification_H

#include "CATBaseUnknown.h"

class CATNotification : public CATBaseUnknown {
  HOST_META_DECLARE
 public:
  CATNotification();
  ~CATNotification() override;

 private:
  CATNotification(const CATNotification&) = delete;
  CATNotification& operator=(const CATNotification&) = delete;
};

#endif
