#include "QVTSydLogMsg.h"

#include "QVTSydLocalLog.h"

QVTSydLogMsg::QVTSydLogMsg(const char* iSource, int iLine, int iType, QVTSydLocalLog* iLog)
    : _Source(iSource ? iSource : ""), _Line(iLine), _Type(iType), _Log(iLog) {}

QVTSydLogMsg::~QVTSydLogMsg() {
  if (_Pending) Flush();
}

void QVTSydLogMsg::AddFandFlush(const char* iText) {
  if (iText) _Text += iText;
  _Pending = true;
  Flush();
}

void QVTSydLogMsg::Flush() {
  _Pending = false;
  if (!_Log) return;
  QVTSydLogRecord lRecord;
  lRecord.Source = _Source;
  lRecord.Line = _Line;
  lRecord.Type = _Type;
  lRecord.Text = _Text;
  _Log->Write(lRecord);
}
