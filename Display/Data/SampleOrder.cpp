#include "SampleOrder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "CATSamIDouble1p5D.h"
#include "CATSamIDoubleVector.h"
#include "RefPtr.h"

SampleOrder::SampleOrder(const CATSamIVector* iVector) {
  if (!iVector) return;
  _Length = iVector->GetLength();
  // Direction: +1 ascending, -1 descending, 0 while every value so far is equal.
  int lDirection = 0;
  bool lHasPrevious = false;
  double lChunk[1024];
  for (unsigned int lFirst = 0; lFirst < _Length;) {
    const unsigned int lCount = iVector->GetValues(lFirst, 1024, lChunk);
    if (lCount == 0) break;
    for (unsigned int k = 0; k < lCount; ++k) {
      const unsigned int i = lFirst + k;
      const double v = lChunk[k];
      if (std::isnan(v)) {
        _NaN.push_back(i - static_cast<unsigned int>(_NaN.size()));
        continue;
      }
      if (lHasPrevious && !_Broken) {
        const int lStep = v > _PreviousValue ? 1 : (v < _PreviousValue ? -1 : 0);
        if (lDirection == 0) lDirection = lStep;
        if (lStep != 0 && lStep != lDirection) {
          _Broken = true;
          _BreakIndex = i;
          _BreakValue = v;
        }
      }
      if (!_Broken) {
        _BreakPrevious = i;
        _PreviousValue = v;
      }
      lHasPrevious = true;
    }
    lFirst += lCount;
  }
  _Descending = lDirection < 0;
}

unsigned int SampleOrder::ToData(unsigned int iIndex) const {
  const unsigned int i = _Descending ? GetLength() - 1 - iIndex : iIndex;
  if (_NaN.empty()) return i;
  return i + static_cast<unsigned int>(std::upper_bound(_NaN.begin(), _NaN.end(), i) - _NaN.begin());
}

std::string SampleOrder::DescribeBreak(const std::string& iName, long iRow) const {
  if (!_Broken) return "";
  const std::string lRow = iRow >= 0 ? std::to_string(iRow) + ", " : "";
  char lText[256];
  std::snprintf(lText, sizeof lText, "values must be ascending or descending: %s[%s%u] = %g follows %s[%s%u] = %g",
                iName.c_str(), lRow.c_str(), _BreakIndex, _BreakValue, iName.c_str(), lRow.c_str(), _BreakPrevious,
                _PreviousValue);
  return lText;
}

std::string SampleOrder::Check(const CATSamIVector* iVector, const std::string& iFile, const std::string& iName) {
  const std::string lBreak = SampleOrder(iVector).DescribeBreak(iName);
  return lBreak.empty() ? lBreak : iFile + ": " + lBreak;
}

std::string SampleOrder::DescribeBreak(const CATSamIDouble1p5D* iRows, const std::string& iName) {
  const unsigned int lRows = iRows ? iRows->GetNbrRows() : 0;
  for (unsigned int r = 0; r < lRows; ++r) {
    const RefPtr<CATSamIDoubleVector> lRow(iRows->GetXVector(r));
    const std::string lBreak = SampleOrder(lRow.Get()).DescribeBreak(iName, static_cast<long>(r));
    if (!lBreak.empty()) return lBreak;
  }
  return "";
}

std::string SampleOrder::Check(const CATSamIDouble1p5D* iRows, const std::string& iFile, const std::string& iName) {
  const std::string lBreak = DescribeBreak(iRows, iName);
  return lBreak.empty() ? lBreak : iFile + ": " + lBreak;
}
