#include <atomic>
#include <thread>

#include <gtest/gtest.h>

#include "CATApplicationFrame.h"
#include "CATDialog.h"
#include "CATDlgDialog.h"
#include "CATDlgProgress.h"
#include "CATNotification.h"

namespace {

// A dialog that counts its destructions.
class CountedDialog : public CATDialog {
 public:
  CountedDialog(CATDialog* iParent, const char* iName, int* ioDestroyed) : CATDialog(iParent, iName), _Destroyed(ioDestroyed) {}
  ~CountedDialog() override { ++*_Destroyed; }

 private:
  int* _Destroyed;
};

class CancelCounter : public CATCommand {
 public:
  void OnCancel(CATCommand* iFrom, CATNotification*, CATCommandClientData) {
    ++_Count;
    _From = iFrom;
  }
  int _Count = 0;
  CATCommand* _From = nullptr;
};

}  // namespace

TEST(CATDialog, AParentOwnsItsChildrenAndAnEarlyChildLeavesIt) {
  int lDestroyed = 0;
  CountedDialog* lParent = new CountedDialog(nullptr, "Parent", &lDestroyed);
  CountedDialog* lFirst = new CountedDialog(lParent, "First", &lDestroyed);
  CountedDialog* lSecond = new CountedDialog(lParent, "Second", &lDestroyed);
  new CountedDialog(lFirst, "Grandchild", &lDestroyed);
  ASSERT_EQ(lParent->GetChildCount(), 2);
  EXPECT_EQ(lParent->GetChild(0), lFirst);
  EXPECT_EQ(lParent->GetChild(1), lSecond);
  EXPECT_EQ(lParent->GetChild(2), nullptr);
  EXPECT_EQ(lParent->GetChild(-1), nullptr);
  EXPECT_EQ(lSecond->GetParent(), lParent);
  EXPECT_STREQ(lSecond->GetName().c_str(), "Second");

  lSecond->Release();
  EXPECT_EQ(lDestroyed, 1);
  EXPECT_EQ(lParent->GetChildCount(), 1);
  lParent->Release();
  EXPECT_EQ(lDestroyed, 4);
}

TEST(CATDialog, GridLayoutAndResourceName) {
  CATDialog* lBox = new CATDialog(nullptr, "Box");
  lBox->SetGridRowResizable(0, 1);
  lBox->SetGridColumnResizable(2, 1);
  lBox->SetGridColumnResizable(2, 0);
  EXPECT_TRUE(lBox->IsGridRowResizable(0));
  EXPECT_FALSE(lBox->IsGridRowResizable(1));
  EXPECT_FALSE(lBox->IsGridColumnResizable(2));
  lBox->SetGridConstraints(1, 2, 3, 4, 30);
  int r = 0, c = 0, rs = 0, cs = 0, j = 0;
  lBox->GetGridConstraints(r, c, rs, cs, j);
  EXPECT_EQ(r, 1);
  EXPECT_EQ(c, 2);
  EXPECT_EQ(rs, 3);
  EXPECT_EQ(cs, 4);
  EXPECT_EQ(j, 30);
  EXPECT_STREQ(lBox->GetResourceFilename(0).c_str(), "CATDialog");
  EXPECT_STREQ(lBox->GetResourceFilename(1).c_str(), "");
  lBox->Release();
}

TEST(CATDialog, DelayedDestructionHidesAndDetachesAtOnceAndReleasesLater) {
  int lDestroyed = 0;
  CountedDialog* lParent = new CountedDialog(nullptr, "Parent", &lDestroyed);
  CountedDialog* lChild = new CountedDialog(lParent, "Child", &lDestroyed);
  lChild->SetVisibility(2);
  lChild->RequestDelayedDestruction();
  EXPECT_EQ(lChild->GetVisibility(), 0);
  EXPECT_EQ(lChild->GetParent(), nullptr);
  EXPECT_EQ(lParent->GetChildCount(), 0);
  EXPECT_EQ(lDestroyed, 0);
  CATApplicationFrame::ProcessEvents();
  EXPECT_EQ(lDestroyed, 1);
  lParent->Release();
  EXPECT_EQ(lDestroyed, 2);
}

TEST(CATDlgDialog, CancelActionSendsTheCancelNotificationToItsSubscribers) {
  CATDlgDialog* lBox = new CATDlgDialog(nullptr, "Box", 16897);
  EXPECT_EQ(lBox->GetStyle(), 16897);
  ASSERT_NE(lBox->GetDiaCANCELNotification(), nullptr);
  CancelCounter* lCounter = new CancelCounter();
  lBox->AddAnalyseNotificationCB(lCounter, lBox->GetDiaCANCELNotification(),
                                 static_cast<CATCommandMethod>(&CancelCounter::OnCancel), nullptr);
  lBox->ActivateCancel();
  EXPECT_EQ(lCounter->_Count, 1);
  EXPECT_EQ(lCounter->_From, lBox);
  EXPECT_TRUE(lBox->IsAKindOf("CATDialog"));
  EXPECT_TRUE(lBox->IsAKindOf("CATCommand"));
  EXPECT_STREQ(lBox->IsA(), "CATDlgDialog");
  lBox->Release();
  lCounter->Release();
}

TEST(CATDlgProgress, KeepsRangeAndPositionAndSitsInItsBox) {
  CATDlgDialog* lBox = new CATDlgDialog(nullptr, "Box", 0);
  CATDlgProgress* lProgress = new CATDlgProgress(lBox, "Progress", 0);
  lProgress->SetRange(0, 99);
  lProgress->SetPos(5);
  lProgress->SetPos(6);
  int lMin = -1, lMax = -1;
  lProgress->GetRange(lMin, lMax);
  EXPECT_EQ(lMin, 0);
  EXPECT_EQ(lMax, 99);
  EXPECT_EQ(lProgress->GetPos(), 6);
  EXPECT_EQ(lProgress->GetPosCount(), 2);
  EXPECT_EQ(lBox->GetChild(0), lProgress);
  EXPECT_TRUE(lProgress->IsAKindOf("CATDialog"));
  lBox->Release();  // releases the control with it
}

TEST(CATDlgProgress, PublishesTheFractionDoneOnlyFromTheThreadThatAskedForIt) {
  CATDlgDialog* lBox = new CATDlgDialog(nullptr, "Box", 0);
  CATDlgProgress* lProgress = new CATDlgProgress(lBox, "Progress", 0);
  lProgress->SetRange(10, 50);
  std::atomic<double> lFraction{-1.0};
  // Another thread asking publishes nothing of this thread's controls.
  std::thread([&] { CATDlgProgress::PublishOnThisThread(&lFraction); }).join();
  lProgress->SetPos(20);
  EXPECT_EQ(lFraction.load(), -1.0);
  CATDlgProgress::PublishOnThisThread(&lFraction);
  const struct {
    int Pos;
    double Fraction;
  } kCases[] = {{20, 0.25}, {10, 0.0}, {50, 1.0}, {70, 1.0}, {0, 0.0}};
  for (const auto& lCase : kCases) {
    lProgress->SetPos(lCase.Pos);
    EXPECT_DOUBLE_EQ(lFraction.load(), lCase.Fraction) << lCase.Pos;
  }
  CATDlgProgress::PublishOnThisThread(nullptr);
  lProgress->SetPos(30);
  EXPECT_EQ(lFraction.load(), 0.0);
  lBox->Release();
}

TEST(CATDlgProgress, TakesTheCancelFlagOfItsThreadWhileItsBoxIsShown) {
  CATDlgDialog* lBox = new CATDlgDialog(nullptr, "Box", 0);
  CATDlgProgress* lProgress = new CATDlgProgress(lBox, "Progress", 0);
  CancelCounter* lCounter = new CancelCounter();
  lBox->AddAnalyseNotificationCB(lCounter, lBox->GetDiaCANCELNotification(),
                                 static_cast<CATCommandMethod>(&CancelCounter::OnCancel), nullptr);
  std::atomic<bool> lCancel{true};
  const struct {
    bool OnThisThread, Shown;
    int Cancels;
  } kCases[] = {{false, true, 0}, {true, false, 0}, {true, true, 1}};
  for (const auto& lCase : kCases) {
    lCancel = true;
    if (lCase.OnThisThread)
      CATDlgProgress::CancelOnThisThread(&lCancel);
    else
      std::thread([&] { CATDlgProgress::CancelOnThisThread(&lCancel); }).join();
    lBox->SetVisibility(lCase.Shown ? 2 : 0);
    lCounter->_Count = 0;
    lProgress->SetPos(1);
    lProgress->SetPos(2);
    EXPECT_EQ(lCounter->_Count, lCase.Cancels) << lCase.OnThisThread << lCase.Shown;
    // Taken once; the program's own interrupt stays free.
    EXPECT_EQ(lCancel.load(), lCase.Cancels == 0);
    EXPECT_FALSE(CATApplicationFrame::IsInterruptPending());
    CATDlgProgress::CancelOnThisThread(nullptr);
  }
  lBox->Release();
  lCounter->Release();
}

TEST(CATDlgProgress, AControlWithoutABoxTakesNoInterrupt) {
  // A shown box elsewhere makes an interrupt possible; it is not this control's to take.
  CATDlgDialog* lOtherBox = new CATDlgDialog(nullptr, "Other", 0);
  lOtherBox->SetVisibility(2);
  ASSERT_TRUE(CATApplicationFrame::RecordInterrupt());
  CATDlgProgress* lLoose = new CATDlgProgress(nullptr, "Loose", 0);
  lLoose->SetPos(1);
  EXPECT_TRUE(CATApplicationFrame::IsInterruptPending());
  lLoose->Release();
  lOtherBox->Release();
  EXPECT_FALSE(CATApplicationFrame::IsInterruptPending());
}
