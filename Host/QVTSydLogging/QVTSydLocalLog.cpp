#include "QVTSydLocalLog.h"

QVTSydLocalLog::QVTSydLocalLog(const char* iDomain, const char* iModule)
    : _Domain(iDomain ? iDomain : ""), _Module(iModule ? iModule : "") {}

void QVTSydLocalLog::Write(const QVTSydLogRecord& iRecord) {
  ++_Count;
  if (_Records.size() == kKeptRecords) _Records.pop_front();
  _Records.push_back(iRecord);
  if (_Sink) _Sink(*this, iRecord);
}

void QVTSydLocalLog::Clear() {
  _Records.clear();
  _Count = 0;
}
