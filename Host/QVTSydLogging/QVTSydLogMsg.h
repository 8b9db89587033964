// A message under construction: text appended with AddFandFlush is written to the log as one
// record; destroying the message completes it (writing any text not yet flushed).
#ifndef QVTSydLogMsg_H
#define QVTSydLogMsg_H

#include <string>

class QVTSydLocalLog;

class QVTSydLogMsg {
 public:
  QVTSydLogMsg(const char* iSource, int iLine, int iType, QVTSydLocalLog* iLog);
  ~QVTSydLogMsg();
  QVTSydLogMsg(const QVTSydLogMsg&) = delete;
  QVTSydLogMsg& operator=(const QVTSydLogMsg&) = delete;

  void AddFandFlush(const char* iText);

 private:
  void Flush();

  std::string _Source;
  int _Line;
  int _Type;
  QVTSydLocalLog* _Log;
  std::string _Text;
  bool _Pending = false;
};

#endif
