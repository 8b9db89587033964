// The order of a vector's values with NaN left out: ascending, descending (equal neighbours allowed
// in both) or neither, and the index map of its ascending view without the NaN: view index i reads
// data index ToData(i). Keeps only the NaN positions (a few bytes when there are none), never the
// values; the vector is read once, at construction, and not held.
#ifndef SampleOrder_H
#define SampleOrder_H

#include <string>
#include <vector>

class CATSamIVector;
class CATSamIDouble1p5D;

class SampleOrder {
 public:
  // An empty order (no vector): ordered, no values.
  SampleOrder() = default;
  explicit SampleOrder(const CATSamIVector* iVector);

  bool IsOrdered() const { return !_Broken; }
  bool IsDescending() const { return _Descending; }
  // The view reads the data as it is.
  bool IsIdentity() const { return !_Descending && _NaN.empty(); }
  unsigned int GetNaNCount() const { return static_cast<unsigned int>(_NaN.size()); }
  // Values of the view: the data's without the NaN.
  unsigned int GetLength() const { return _Length - GetNaNCount(); }
  // The data index of view index iIndex (below GetLength()).
  unsigned int ToData(unsigned int iIndex) const;

  // "values must be ascending or descending: x[17] = 3.2 follows x[16] = 4.1", with iName and
  // the data's indices, or with iName[iRow, i] for a row; empty when ordered.
  std::string DescribeBreak(const std::string& iName, long iRow = -1) const;

  // The first break of order in rows (X rows of non-homogeneous data) as DescribeBreak says it,
  // with the row; empty when every row is ordered.
  static std::string DescribeBreak(const CATSamIDouble1p5D* iRows, const std::string& iName);

  // The one check of data that must be ascending or descending, for every program: the first
  // break of order as "FILE: values must ... " with iFile as given; empty when ordered. For rows
  // (X rows of non-homogeneous data), the first row that breaks it.
  static std::string Check(const CATSamIVector* iVector, const std::string& iFile, const std::string& iName);
  static std::string Check(const CATSamIDouble1p5D* iRows, const std::string& iFile, const std::string& iName);

 private:
  unsigned int _Length = 0;
  bool _Descending = false;
  bool _Broken = false;
  // Where the order breaks: data index and value, and the value before it (NaN skipped).
  unsigned int _BreakIndex = 0, _BreakPrevious = 0;
  double _BreakValue = 0.0, _PreviousValue = 0.0;
  // For the k-th NaN at data index p: p - k, increasing; the view's index i then reads data index
  // i + (the number of these at or below i).
  std::vector<unsigned int> _NaN;
};

#endif
