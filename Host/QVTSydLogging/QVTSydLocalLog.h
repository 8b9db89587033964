// A module's log. Keeps the most recent records in memory (readable by tests and tools) and
// counts all of them; an optional sink sees every record as it is written. Any thread may write;
// Records() is for reading when no other thread writes.
#ifndef QVTSydLocalLog_H
#define QVTSydLocalLog_H

#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "QVTSydLogRecord.h"

class QVTSydLocalLog {
 public:
  static constexpr size_t kKeptRecords = 1000;

  QVTSydLocalLog(const char* iDomain, const char* iModule);
  QVTSydLocalLog(const QVTSydLocalLog&) = delete;
  QVTSydLocalLog& operator=(const QVTSydLocalLog&) = delete;

  const std::string& GetDomain() const { return _Domain; }
  const std::string& GetModule() const { return _Module; }

  void Write(const QVTSydLogRecord& iRecord);
  const std::deque<QVTSydLogRecord>& Records() const { return _Records; }
  unsigned long long Count() const;
  void Clear();

  // Called with every record written from now on (an empty function removes the sink), one record
  // at a time.
  void SetSink(std::function<void(const QVTSydLocalLog&, const QVTSydLogRecord&)> iSink);

 private:
  std::string _Domain;
  std::string _Module;
  std::deque<QVTSydLogRecord> _Records;
  unsigned long long _Count = 0;
  std::function<void(const QVTSydLocalLog&, const QVTSydLogRecord&)> _Sink;
  mutable std::mutex _Lock;
};

#endif
