#include "OrderInterrupts.h"

#include "CommandSupport.h"

namespace {

constexpr int kInterrupted = 130;

}  // namespace

OrderInterrupts::OrderInterrupts(bool iOrder) {
  if (iOrder) CATApplicationFrame::InstallInterruptHandler();
  _Before = CATApplicationFrame::GetDeliveredInterrupts();
}

OrderInterrupts::~OrderInterrupts() { CATApplicationFrame::RemoveInterruptHandler(); }

int OrderInterrupts::Finish(int iStatus, const std::string& iWhat) const {
  if (CATApplicationFrame::GetDeliveredInterrupts() == _Before) return iStatus;
  CommandSupport::Fail("interrupted: " + iWhat + " holds only the rows computed before Ctrl-C");
  return kInterrupted;
}
