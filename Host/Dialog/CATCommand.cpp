#include "CATCommand.h"

#include <algorithm>
#include <mutex>
#include <new>

#include "CATNotification.h"
#include "RefPtr.h"

HOST_META_IMPLEMENT(CATCommand, CATBaseUnknown, "Dialog")

namespace {

// Commands waiting for destruction, made on first use. Whatever is still queued when the program
// ends is released then: nothing handed to the host leaks. A plain pointer, so that commands
// destroyed after that point find no queue instead of a destroyed one.
std::vector<CATCommand*>* sQueue = nullptr;
// Commands of any thread (a progress box of a computing thread) may wait in the queue.
std::mutex sQueueLock;

struct DelayedQueueAtExit {
  ~DelayedQueueAtExit() {
    CATCommand::DestroyDelayed();
    const std::lock_guard<std::mutex> lLock(sQueueLock);
    delete sQueue;
    sQueue = nullptr;
  }
} sDelayedQueueAtExit;

}  // namespace

CATCommand::CATCommand() = default;

CATCommand::~CATCommand() {
  const std::lock_guard<std::mutex> lLock(sQueueLock);
  if (sQueue) sQueue->erase(std::remove(sQueue->begin(), sQueue->end(), this), sQueue->end());
}

void CATCommand::AddAnalyseNotificationCB(CATCommand* iClient, CATNotification* iNotification,
                                          CATCommandMethod iMethod, CATCommandClientData iData) {
  if (!iClient || !iNotification || !iMethod) return;
  _Subscriptions.push_back(Subscription{iClient, iNotification, iMethod, iData});
}

void CATCommand::SendNotification(CATNotification* iNotification) {
  if (!iNotification) return;
  // A callback may subscribe further callbacks or request this command's destruction: the list
  // is walked as a copy, and this object is not touched after the callbacks.
  const std::vector<Subscription> lSubscriptions = _Subscriptions;
  for (const Subscription& lSub : lSubscriptions)
    if (lSub._Notification == iNotification) (lSub._Client->*lSub._Method)(this, iNotification, lSub._Data);
}

void CATCommand::RequestDelayedDestruction() {
  {
    const std::lock_guard<std::mutex> lLock(sQueueLock);
    if (sQueue && std::find(sQueue->begin(), sQueue->end(), this) != sQueue->end()) return;
    if (!sQueue) sQueue = new (std::nothrow) std::vector<CATCommand*>();
    if (sQueue) {
      sQueue->push_back(this);
      return;
    }
  }
  // Without room for the queue the reference is given up at once rather than leaked.
  Release();
}

int CATCommand::IsAwaitingDestruction() const {
  const std::lock_guard<std::mutex> lLock(sQueueLock);
  return sQueue && std::find(sQueue->begin(), sQueue->end(), this) != sQueue->end();
}

void CATCommand::DestroyDelayed() {
  // A released command may release others that wait too (a dialog its children): each leaves
  // the queue in its destructor, so the queue is taken from the front until it is empty.
  for (;;) {
    // The queue's reference, released once the command has left the queue and the lock is free
    // again (its destructor takes the lock).
    RefPtr<CATCommand> lCommand;
    {
      const std::lock_guard<std::mutex> lLock(sQueueLock);
      if (!sQueue || sQueue->empty()) return;
      lCommand = RefPtr<CATCommand>(sQueue->front());
      sQueue->erase(sQueue->begin());
    }
  }
}

int CATCommand::GetDelayedCount() {
  const std::lock_guard<std::mutex> lLock(sQueueLock);
  return sQueue ? static_cast<int>(sQueue->size()) : 0;
}
