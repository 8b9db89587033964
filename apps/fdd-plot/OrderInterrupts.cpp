#include "OrderInterrupts.h"

#include <cstdio>

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
  std::fprintf(stderr, "fdd-plot: interrupted: %s holds only the rows computed before Ctrl-C\n", iWhat.c_str());
  return kInterrupted;
}
