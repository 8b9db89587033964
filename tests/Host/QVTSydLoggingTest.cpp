#include <gtest/gtest.h>

#include "QVTSydLocalLog.h"
#include "QVTSydLogMsg.h"

TEST(QVTSydLogging, MessageWritesOneRecordWithItsFields) {
  QVTSydLocalLog lLog("Dom", "Mod");
  int lSeen = 0;
  lLog.SetSink([&lSeen](const QVTSydLocalLog& iLog, const QVTSydLogRecord& iRecord) {
    EXPECT_EQ(iLog.GetModule(), "Mod");
    EXPECT_EQ(iRecord.Text, "x < 0\n");
    ++lSeen;
  });
  {
    QVTSydLogMsg lMessage("a\\b\\Source", 42, 0, &lLog);
    lMessage.AddFandFlush("x < 0\n");
  }
  ASSERT_EQ(lLog.Records().size(), 1u);
  const QVTSydLogRecord& lRecord = lLog.Records().front();
  EXPECT_EQ(lRecord.Source, "a\\b\\Source");
  EXPECT_EQ(lRecord.Line, 42);
  EXPECT_EQ(lRecord.Type, 0);
  EXPECT_EQ(lRecord.Text, "x < 0\n");
  EXPECT_EQ(lSeen, 1);
}

TEST(QVTSydLogging, KeepsTheMostRecentRecordsAndCountsAll) {
  QVTSydLocalLog lLog("Dom", "Mod");
  const size_t lWritten = QVTSydLocalLog::kKeptRecords + 5;
  for (size_t i = 0; i < lWritten; ++i) {
    QVTSydLogMsg lMessage("s", static_cast<int>(i), 0, &lLog);
    lMessage.AddFandFlush("t");
  }
  EXPECT_EQ(lLog.Count(), lWritten);
  EXPECT_EQ(lLog.Records().size(), QVTSydLocalLog::kKeptRecords);
  EXPECT_EQ(lLog.Records().front().Line, 5);
  QVTSydLogMsg lOrphan("s", 1, 0, nullptr);  // no log: nothing happens
  lOrphan.AddFandFlush("t");
}
