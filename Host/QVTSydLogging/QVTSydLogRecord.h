// One completed record of a local log.
#ifndef QVTSydLogRecord_H
#define QVTSydLogRecord_H

#include <string>

struct QVTSydLogRecord {
  std::string Source;
  int Line = 0;
  int Type = 0;
  std::string Text;
};

#endif
