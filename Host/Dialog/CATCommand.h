// Base of every object of the host dialog framework: it sends notifications to the callbacks
// subscribed to them, and it can be handed to the host for destruction at a later, safe point
// (the host's next event processing, CATApplicationFrame::ProcessEvents, or program end), so that
// an object may ask for its own end from inside its own code. Owns its subscription records; the
// subscribed clients must outlive them (in practice a command subscribes itself).
#ifndef CATCommand_H
#define CATCommand_H

#include <vector>

#include "CATBaseUnknown.h"

class CATCommand;
class CATNotification;

typedef void* CATCommandClientData;
// A callback: called on the subscribed client with the sending command, the notification and the
// client data given at subscription.
typedef void (CATCommand::*CATCommandMethod)(CATCommand* iFrom, CATNotification* iNotification,
                                             CATCommandClientData iData);

class CATCommand : public CATBaseUnknown {
  HOST_META_DECLARE
 public:
  CATCommand();
  // Leaves the queue of delayed destruction if the object is still waiting there.
  ~CATCommand() override;

  // From now on, each time this command sends iNotification, iMethod is called on iClient.
  // A null client, notification or method subscribes nothing.
  void AddAnalyseNotificationCB(CATCommand* iClient, CATNotification* iNotification, CATCommandMethod iMethod,
                                CATCommandClientData iData);

  // Hands the caller's reference to the host, which releases it at its next event processing.
  // Asking twice queues the object once.
  virtual void RequestDelayedDestruction();
  int IsAwaitingDestruction() const;

  // Host side: releases every command waiting for destruction, in the order they asked.
  static void DestroyDelayed();
  static int GetDelayedCount();

 protected:
  // Calls, in subscription order, every callback subscribed to iNotification.
  void SendNotification(CATNotification* iNotification);

 private:
  CATCommand(const CATCommand&) = delete;
  CATCommand& operator=(const CATCommand&) = delete;

  struct Subscription {
    CATCommand* _Client;
    CATNotification* _Notification;
    CATCommandMethod _Method;
    CATCommandClientData _Data;
  };
  std::vector<Subscription> _Subscriptions;
};

#endif
