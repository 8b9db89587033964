#include <gtest/gtest.h>

#include "CATApplicationFrame.h"
#include "CATDlgProgress.h"
#include "CATNotification.h"
#include "QVTFddProgressBar.h"

TEST(QVTFddProgressBar, AnswersMetaObjectQueriesAsAHostDialogBox) {
  QVTFddProgressBar* lBar = new QVTFddProgressBar();
  EXPECT_STREQ(lBar->IsA(), "CATDlgDialog");
  EXPECT_EQ(lBar->GetMetaObject(), CATDlgDialog::MetaObject());
  EXPECT_TRUE(lBar->IsAKindOf("CATDlgDialog"));
  EXPECT_TRUE(lBar->IsAKindOf("CATDialog"));
  EXPECT_TRUE(lBar->IsAKindOf("CATCommand"));
  EXPECT_FALSE(lBar->IsAKindOf("QVTFddProgressBar"));
  lBar->Release();
}

TEST(QVTFddProgressBar, IsABoxOfTheMainWindowWithOneResizableCellHoldingItsProgress) {
  CATApplicationFrame lFrame;
  EXPECT_TRUE(QVTFddProgressBar::HasMainWindow());
  QVTFddProgressBar* lBar = new QVTFddProgressBar();
  EXPECT_EQ(lBar->GetParent(), lFrame.GetMainWindow());
  EXPECT_STREQ(lBar->GetName().c_str(), "QVTFddProgressBar");
  EXPECT_EQ(lBar->GetStyle(), 16897);
  EXPECT_FALSE(lBar->IsCancelled());
  EXPECT_EQ(lBar->GetProgress(), nullptr);
  lBar->SetRange(0, 9);  // before Build: nothing to set
  lBar->SetPos(3);

  lBar->Build();
  lBar->Build();
  ASSERT_NE(lBar->GetProgress(), nullptr);
  EXPECT_EQ(lBar->GetChildCount(), 1);
  EXPECT_STREQ(lBar->GetProgress()->GetName().c_str(), "Progress002");
  EXPECT_TRUE(lBar->IsGridRowResizable(0));
  EXPECT_TRUE(lBar->IsGridColumnResizable(0));
  int r = -1, c = -1, rs = -1, cs = -1, j = -1;
  lBar->GetProgress()->GetGridConstraints(r, c, rs, cs, j);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(rs, 1);
  EXPECT_EQ(cs, 1);
  EXPECT_EQ(j, 30);

  lBar->SetRange(0, 9);
  lBar->SetPos(4);
  int lMin = -1, lMax = -1;
  lBar->GetProgress()->GetRange(lMin, lMax);
  EXPECT_EQ(lMin, 0);
  EXPECT_EQ(lMax, 9);
  EXPECT_EQ(lBar->GetProgress()->GetPos(), 4);
  // The frame releases the box with its main window.
}

TEST(QVTFddProgressBar, CancelOnlyRecordsTheRequest) {
  CATApplicationFrame lFrame;
  QVTFddProgressBar* lBar = new QVTFddProgressBar();
  lBar->SetVisibility(2);
  lBar->Build();
  lBar->ActivateCancel();
  EXPECT_TRUE(lBar->IsCancelled());
  EXPECT_EQ(lBar->GetVisibility(), 2);
  EXPECT_FALSE(lBar->IsAwaitingDestruction());
  EXPECT_EQ(lBar->GetParent(), lFrame.GetMainWindow());
  lBar->ActivateCancel();
  EXPECT_TRUE(lBar->IsCancelled());
  lBar->RequestDelayedDestruction();
}

TEST(QVTFddProgressBar, CtrlCReachesOnCancelWhenThePositionIsNextSet) {
  CATApplicationFrame lFrame;
  QVTFddProgressBar* lBar = new QVTFddProgressBar();
  lBar->SetVisibility(2);
  lBar->Build();
  lBar->SetRange(0, 2);
  lBar->SetPos(0);
  ASSERT_TRUE(CATApplicationFrame::RecordInterrupt());
  EXPECT_FALSE(lBar->IsCancelled());
  lBar->SetPos(1);
  EXPECT_TRUE(lBar->IsCancelled());
  lBar->RequestDelayedDestruction();
  CATApplicationFrame::ProcessEvents();
}

TEST(QVTFddProgressBar, ResourceNameThenTheHostsLevels) {
  QVTFddProgressBar* lBar = new QVTFddProgressBar();
  EXPECT_EQ(lBar->GetParent(), nullptr);  // no frame: no parent
  EXPECT_STREQ(lBar->GetResourceFilename(0).c_str(), "QVTFddProgressBar");
  EXPECT_STREQ(lBar->GetResourceFilename(-3).c_str(), "QVTFddProgressBar");
  EXPECT_STREQ(lBar->GetResourceFilename(1).c_str(), "CATDialog");
  EXPECT_STREQ(lBar->GetResourceFilename(2).c_str(), "");
  lBar->Release();
}
