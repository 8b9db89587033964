#include "QVTSydLocalLog.h"

QVTSydLocalLog::QVTSydLocalLog(const char* iDomain, const char* iModule)
    : _Domain(iDomain ? iDomain : ""), _Module(iModule ? iModule : "") {}

void QVTSydLocalLog::Write(const QVTSydLogRecord& iRecord) {
  const std::lock_guard<std::mutex> lLock(_Lock);
  ++_Count;
  if (_Records.size() == kKeptRecords) _Records.pop_front();
  _Records.push_back(iRecord);
  if (_Sink) _Sink(*this, iRecord);
}

unsigned long long QVTSydLocalLog::Count() const {
  const std::lock_guard<std::mutex> lLock(_Lock);
  return _Count;
}

void QVTSydLocalLog::SetSink(std::function<void(const QVTSydLocalLog&, const QVTSydLogRecord&)> iSink) {
  const std::lock_guard<std::mutex> lLock(_Lock);
  _Sink = std::move(iSink);
}

void QVTSydLocalLog::Clear() {
  const std::lock_guard<std::mutex> lLock(_Lock);
  _Records.clear();
  _Count = 0;
}
