#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CATCommand.h"
#include "CATNotification.h"

namespace {

// A command that logs each callback it receives and counts its own destructions.
class LoggingCommand : public CATCommand {
 public:
  explicit LoggingCommand(int* ioDestroyed = nullptr) : _Destroyed(ioDestroyed) {}
  ~LoggingCommand() override {
    if (_Destroyed) ++*_Destroyed;
  }
  void OnFirst(CATCommand* iFrom, CATNotification* iNotification, CATCommandClientData iData) {
    _Log.push_back({"first", iFrom, iNotification, iData});
  }
  void OnSecond(CATCommand* iFrom, CATNotification* iNotification, CATCommandClientData iData) {
    _Log.push_back({"second", iFrom, iNotification, iData});
  }
  void OnDestroySelf(CATCommand*, CATNotification*, CATCommandClientData) { RequestDelayedDestruction(); }
  void Send(CATNotification* iNotification) { SendNotification(iNotification); }

  struct Call {
    std::string name;
    CATCommand* from;
    CATNotification* notification;
    void* data;
  };
  std::vector<Call> _Log;
  int* _Destroyed;
};

}  // namespace

TEST(CATCommand, CallbacksRunForTheirNotificationOnlyInSubscriptionOrder) {
  LoggingCommand* lSender = new LoggingCommand();
  LoggingCommand* lClient = new LoggingCommand();
  CATNotification* lCancel = new CATNotification();
  CATNotification* lOther = new CATNotification();
  int lData = 7;
  lSender->AddAnalyseNotificationCB(lClient, lCancel, static_cast<CATCommandMethod>(&LoggingCommand::OnSecond), &lData);
  lSender->AddAnalyseNotificationCB(lClient, lOther, static_cast<CATCommandMethod>(&LoggingCommand::OnFirst), nullptr);
  lSender->AddAnalyseNotificationCB(lClient, lCancel, static_cast<CATCommandMethod>(&LoggingCommand::OnFirst), nullptr);
  // Incomplete subscriptions are refused.
  lSender->AddAnalyseNotificationCB(nullptr, lCancel, static_cast<CATCommandMethod>(&LoggingCommand::OnFirst), nullptr);
  lSender->AddAnalyseNotificationCB(lClient, nullptr, static_cast<CATCommandMethod>(&LoggingCommand::OnFirst), nullptr);
  lSender->AddAnalyseNotificationCB(lClient, lCancel, nullptr, nullptr);

  lSender->Send(lCancel);
  ASSERT_EQ(lClient->_Log.size(), 2u);
  EXPECT_EQ(lClient->_Log[0].name, "second");
  EXPECT_EQ(lClient->_Log[0].from, lSender);
  EXPECT_EQ(lClient->_Log[0].notification, lCancel);
  EXPECT_EQ(lClient->_Log[0].data, &lData);
  EXPECT_EQ(lClient->_Log[1].name, "first");
  EXPECT_EQ(lSender->_Log.size(), 0u);
  lSender->Send(nullptr);
  EXPECT_EQ(lClient->_Log.size(), 2u);

  lSender->Release();
  lClient->Release();
  lCancel->Release();
  lOther->Release();
}

TEST(CATCommand, DelayedDestructionReleasesOnceAtTheHostsNextProcessing) {
  int lDestroyed = 0;
  LoggingCommand* lCommand = new LoggingCommand(&lDestroyed);
  CATNotification* lNotification = new CATNotification();
  lCommand->AddAnalyseNotificationCB(lCommand, lNotification,
                                     static_cast<CATCommandMethod>(&LoggingCommand::OnDestroySelf), nullptr);
  const int lQueued = CATCommand::GetDelayedCount();
  // Asking from inside its own callback is safe: nothing happens to the object yet.
  lCommand->Send(lNotification);
  lCommand->Send(lNotification);
  EXPECT_EQ(lDestroyed, 0);
  EXPECT_TRUE(lCommand->IsAwaitingDestruction());
  EXPECT_EQ(CATCommand::GetDelayedCount(), lQueued + 1);
  CATCommand::DestroyDelayed();
  EXPECT_EQ(lDestroyed, 1);
  EXPECT_EQ(CATCommand::GetDelayedCount(), 0);
  lNotification->Release();
}

TEST(CATCommand, ACommandReleasedWhileWaitingLeavesTheQueue) {
  int lDestroyed = 0;
  LoggingCommand* lCommand = new LoggingCommand(&lDestroyed);
  lCommand->AddRef();  // someone else holds it too
  lCommand->RequestDelayedDestruction();
  lCommand->Release();
  lCommand->Release();  // the last reference goes before the host processes the queue
  EXPECT_EQ(lDestroyed, 1);
  EXPECT_EQ(CATCommand::GetDelayedCount(), 0);
  CATCommand::DestroyDelayed();
  EXPECT_EQ(lDestroyed, 1);
}

TEST(CATCommand, Registration) {
  EXPECT_TRUE(CATCommand::MetaObject()->IsAKindOf("CATBaseUnknown"));
  EXPECT_TRUE(CATNotification::MetaObject()->IsAKindOf("CATBaseUnknown"));
  EXPECT_FALSE(CATNotification::MetaObject()->IsAKindOf("CATCommand"));
  EXPECT_STREQ(CATCommand::MetaObject()->GetFramework(), "Dialog");
}
