#include "OrderCancel.h"

#include <signal.h>

#include <cstring>
#include <mutex>

#include "CATApplicationFrame.h"

namespace {

std::mutex sLock;
int sUsers = 0;
struct sigaction sPrevious;

void sOnInterrupt(int iSignal) {
  if (CATApplicationFrame::RecordInterrupt()) return;
  if (sPrevious.sa_handler != SIG_DFL && sPrevious.sa_handler != SIG_IGN && sPrevious.sa_handler)
    sPrevious.sa_handler(iSignal);
}

}  // namespace

OrderCancel::OrderCancel(bool iOrder) {
  if (!iOrder) return;
  const std::lock_guard<std::mutex> lGuard(sLock);
  // A frame made while another lives would not become the program's; that one parents the progress.
  if (!CATApplicationFrame::GetFrame()) _Frame.reset(new CATApplicationFrame());
  if (sUsers == 0) {
    struct sigaction lAction;
    std::memset(&lAction, 0, sizeof(lAction));
    lAction.sa_handler = sOnInterrupt;
    sigemptyset(&lAction.sa_mask);
    lAction.sa_flags = SA_RESTART;
    if (sigaction(SIGINT, &lAction, &sPrevious) != 0) return;
  }
  ++sUsers;
  _Active = true;
  _Before = CATApplicationFrame::GetDeliveredInterrupts();
}

OrderCancel::~OrderCancel() {
  const std::lock_guard<std::mutex> lGuard(sLock);
  if (_Active && --sUsers == 0) sigaction(SIGINT, &sPrevious, nullptr);
  _Frame.reset();
}

bool OrderCancel::Interrupted() const {
  return _Active && CATApplicationFrame::GetDeliveredInterrupts() != _Before;
}
