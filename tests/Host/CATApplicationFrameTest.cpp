#include <gtest/gtest.h>

#include <signal.h>

#include "CATApplicationFrame.h"
#include "CATDialog.h"
#include "CATDlgDialog.h"
#include "CATDlgProgress.h"
#include "CATNotification.h"

namespace {

// A dialog box with a progress control whose Cancel notifications are counted.
class CountingBox : public CATDlgDialog {
 public:
  explicit CountingBox(CATDialog* iParent) : CATDlgDialog(iParent, "CountingBox", 16897) {
    _Progress = new CATDlgProgress(this, "Progress", 0);
    AddAnalyseNotificationCB(this, GetDiaCANCELNotification(), static_cast<CATCommandMethod>(&CountingBox::OnCancel),
                             nullptr);
  }
  void OnCancel(CATCommand*, CATNotification*, CATCommandClientData) { ++_Cancels; }
  CATDlgProgress* _Progress;
  int _Cancels = 0;
};

}  // namespace

TEST(CATApplicationFrame, TheFirstFrameIsTheProgramsFrameUntilItGoes) {
  ASSERT_EQ(CATApplicationFrame::GetFrame(), nullptr);
  {
    CATApplicationFrame lFrame;
    EXPECT_EQ(CATApplicationFrame::GetFrame(), &lFrame);
    ASSERT_NE(lFrame.GetMainWindow(), nullptr);
    EXPECT_NE(lFrame.GetMainWindow()->GetVisibility(), 0);
    {
      CATApplicationFrame lSecond(0);
      EXPECT_EQ(CATApplicationFrame::GetFrame(), &lFrame);
      EXPECT_EQ(lSecond.GetMainWindow(), nullptr);
    }
    EXPECT_EQ(CATApplicationFrame::GetFrame(), &lFrame);
  }
  EXPECT_EQ(CATApplicationFrame::GetFrame(), nullptr);
}

TEST(CATApplicationFrame, GoingReleasesWaitingDialogsAndTheMainWindowsBoxes) {
  {
    CATApplicationFrame lFrame;
    CountingBox* lShown = new CountingBox(lFrame.GetMainWindow());
    lShown->SetVisibility(2);
    CountingBox* lWaiting = new CountingBox(lFrame.GetMainWindow());
    lWaiting->RequestDelayedDestruction();
    EXPECT_EQ(CATCommand::GetDelayedCount(), 1);
    EXPECT_EQ(lFrame.GetMainWindow()->GetChildCount(), 1);
    EXPECT_TRUE(CATApplicationFrame::RecordInterrupt());
  }
  EXPECT_EQ(CATCommand::GetDelayedCount(), 0);
  // The shown box went with the main window: nothing is left to cancel.
  EXPECT_FALSE(CATApplicationFrame::IsInterruptPending());
  EXPECT_FALSE(CATApplicationFrame::RecordInterrupt());
}

TEST(CATApplicationFrame, AnInterruptIsRecordedOnlyWhileABoxIsShownAndOnlyOnce) {
  CATApplicationFrame lFrame;
  CountingBox* lBox = new CountingBox(lFrame.GetMainWindow());
  EXPECT_FALSE(CATApplicationFrame::RecordInterrupt());  // built, not shown
  lBox->SetVisibility(2);
  EXPECT_TRUE(CATApplicationFrame::RecordInterrupt());
  EXPECT_FALSE(CATApplicationFrame::RecordInterrupt());  // a second one would end the program
  EXPECT_TRUE(CATApplicationFrame::IsInterruptPending());
  // Hidden before the host delivered it: the interrupt is dropped with the box.
  lBox->SetVisibility(0);
  EXPECT_FALSE(CATApplicationFrame::IsInterruptPending());
  EXPECT_FALSE(CATApplicationFrame::TakeInterrupt());
  lBox->Release();
}

TEST(CATApplicationFrame, TheNextPositionOfTheShownBoxDeliversCancelOnce) {
  CATApplicationFrame lFrame;
  CountingBox* lBox = new CountingBox(lFrame.GetMainWindow());
  lBox->SetVisibility(2);
  lBox->_Progress->SetRange(0, 9);
  lBox->_Progress->SetPos(0);
  EXPECT_EQ(lBox->_Cancels, 0);
  ASSERT_TRUE(CATApplicationFrame::RecordInterrupt());
  EXPECT_EQ(lBox->_Cancels, 0);  // the handler only records
  lBox->_Progress->SetPos(1);
  EXPECT_EQ(lBox->_Cancels, 1);
  EXPECT_FALSE(CATApplicationFrame::IsInterruptPending());
  lBox->_Progress->SetPos(2);
  EXPECT_EQ(lBox->_Cancels, 1);
  lBox->RequestDelayedDestruction();
  CATApplicationFrame::ProcessEvents();
}

TEST(CATApplicationFrame, CtrlCWithTheHandlerInstalledCancelsTheShownBox) {
  CATApplicationFrame lFrame;
  ASSERT_TRUE(CATApplicationFrame::InstallInterruptHandler());
  CountingBox* lBox = new CountingBox(lFrame.GetMainWindow());
  lBox->SetVisibility(2);
  lBox->_Progress->SetPos(0);
  raise(SIGINT);
  EXPECT_TRUE(CATApplicationFrame::IsInterruptPending());
  lBox->_Progress->SetPos(1);
  EXPECT_EQ(lBox->_Cancels, 1);
  lBox->RequestDelayedDestruction();
  CATApplicationFrame::ProcessEvents();
  EXPECT_TRUE(CATApplicationFrame::RemoveInterruptHandler());
}

TEST(CATApplicationFrameDeathTest, CtrlCWithNothingToCancelEndsTheProgramAsUsual) {
  EXPECT_EXIT(
      {
        CATApplicationFrame::InstallInterruptHandler();
        raise(SIGINT);
      },
      ::testing::KilledBySignal(SIGINT), "");
  EXPECT_EXIT(
      {
        CATApplicationFrame lFrame;
        CATApplicationFrame::InstallInterruptHandler();
        CountingBox* lBox = new CountingBox(lFrame.GetMainWindow());
        lBox->SetVisibility(2);
        raise(SIGINT);  // recorded
        raise(SIGINT);  // not yet delivered: the user insists
      },
      ::testing::KilledBySignal(SIGINT), "");
}
