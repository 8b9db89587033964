// The module log as the tests read it: the texts the module writes when a check fails, named once
// (callers may rely on them), the source a class's records carry, and the texts written lately.
#ifndef QVTFddTestLog_H
#define QVTFddTestLog_H

#include <string>
#include <vector>

#include "QVTFddModule.h"

namespace testlog {

// Drawing before the text was set up, or asking for a line outside 0 .. 3.
inline const std::string kNotInitialized = "Cannot draw because I'm not initialized\n";
inline const std::string kLineNotSelected = "A line between 0 and 3 must be selected\n";
// Data that do not fit their matrix.
inline const std::string kOrderXNotMatrix = "_Values->GetLengthX() == _XVector->GetLength()";
inline const std::string kOrderZNotMatrix = "_Values->GetLengthY() == _ZVector->GetLength()";
inline const std::string kOrderNHZNotMatrix = "_Values->GetLengthY() != _ZVector->GetLength()";
inline const std::string kLinearXNotMatrix = "_Values->GetLengthX() should be equal to _XVector->GetLength()";
inline const std::string kLinearZNotMatrix = "_Values->GetLengthY() should be equal to _ZVector->GetLength()";
inline const std::string kLinearValueZNotMatrix = "_Values->GetLengthY() != _ZVector->GetLength()";
inline const std::string kLinearNHZNotMatrix = "_ValuesNonHom->GetLengthY() == _ZVector->GetLength()";
inline const std::string kResultNotArgument = "pResult->GetLength() == pArgument->GetLength()";
inline const std::string kContributionResultNotArgument = "_ResVector->GetLength() != _ArgVector->GetLength()";
inline const std::string kOrderOutOfMemory = "order map: out of memory";
// Pixel jobs.
inline const std::string kVectorTooShort = "iVector->GetLength() <2";
inline const std::string kLimitsReversed = "iMaxLimit <= iMinLimit";
inline const std::string kFirstJobNotFirst = "lIntResult != 0";
inline const std::string kLastJobNotLast = "lIntResult != iLength-1";
inline const std::string kVectorValueNaN = "iVector value is NaN";
// Virtual vectors.
inline const std::string kVirtualError = "Error";
inline const std::string kNegativeIndex = "i < 0";

// The source that the records of the library's class iClass carry.
inline std::string Source(const std::string& iClass) { return "QVTFunctionDisplayD\\QVTFddRep.m\\src\\" + iClass; }

// Texts of the records written since the log's count was iBefore; with iClass, each record must
// come from that class.
inline std::vector<std::string> Since(unsigned long long iBefore, const char* iClass = nullptr) {
  std::vector<std::string> lTexts;
  const auto& lRecords = QVTFddModuleLog().Records();
  unsigned long long lNew = QVTFddModuleLog().Count() - iBefore;
  if (lNew > lRecords.size()) lNew = lRecords.size();
  for (size_t k = lRecords.size() - lNew; k < lRecords.size(); ++k) {
    if (iClass && lRecords[k].Source != Source(iClass)) lTexts.push_back("from " + lRecords[k].Source + ": ");
    lTexts.push_back(lRecords[k].Text);
  }
  return lTexts;
}

}  // namespace testlog

#endif
