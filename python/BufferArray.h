// Numbers in a Python buffer (a NumPy array or anything else that exports the buffer protocol),
// read where they lie: 1-D or 2-D, any strides (a column of a matrix, a[::2]), float64, float32 or
// integers of either byte order, converted to double as they are read; nothing is copied. Holds
// the buffer, and so the array, until the last data vector over it is released; that release
// takes the interpreter lock, whatever thread it runs in.
#ifndef BufferArray_H
#define BufferArray_H

#include <pybind11/pybind11.h>

#include <cstddef>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "CATBaseUnknown.h"
#include "NumericArray.h"

class BufferArray : public CATBaseUnknown {
 public:
  // The numbers of iObject; null with oError ("<iName>: what is wrong") when it holds none that
  // can be drawn. iMatrix asks for a 2-D array, else a 1-D one. Needs the interpreter lock.
  static BufferArray* Make(const pybind11::handle& iObject, const std::string& iName, bool iMatrix,
                           std::string& oError);
  ~BufferArray() override;
  BufferArray(const BufferArray&) = delete;
  BufferArray& operator=(const BufferArray&) = delete;

  // A 1-D array has one column.
  unsigned int GetRows() const { return _Rows; }
  unsigned int GetColumns() const { return _Columns; }
  // NaN outside the array. Inline: colour maps read their values cell by cell.
  double GetValue(unsigned int iRow, unsigned int iColumn) const {
    if (iRow >= _Rows || iColumn >= _Columns) return std::numeric_limits<double>::quiet_NaN();
    const unsigned char* lAt = _Data + iRow * _RowStride + iColumn * _ColumnStride;
    double lValue;
    if (_Direct)
      std::memcpy(&lValue, lAt, sizeof(double));
    else
      NumericArray::ConvertStored(_Stored, lAt, 0, 1, _Swapped, &lValue);
    return lValue;
  }
  // Up to iCount values along row iLine (iRow) or down column iLine from index iFirst into oValues;
  // returns how many.
  unsigned int GetLineValues(bool iRow, unsigned int iLine, unsigned int iFirst, unsigned int iCount,
                             double* oValues) const;
  // The doubles themselves when the array holds float64 in the machine's order, aligned, with
  // strides of whole doubles: value (r, c) at [r * oRowStride + c * oColumnStride]; else null.
  const double* GetDirectValues(long long& oRowStride, long long& oColumnStride) const;
  // Smallest and largest finite value; false when there is none.
  bool GetFiniteRange(double& oMin, double& oMax) const;

 private:
  BufferArray() = default;
  // iCount values from iFrom, iStride bytes apart, as doubles.
  void ReadRun(const unsigned char* iFrom, std::ptrdiff_t iStride, unsigned int iCount, double* oValues) const;

  std::unique_ptr<pybind11::buffer_info> _Info;
  const unsigned char* _Data = nullptr;
  std::ptrdiff_t _RowStride = 0;
  std::ptrdiff_t _ColumnStride = 0;
  unsigned int _Rows = 0;
  unsigned int _Columns = 1;
  NumericArray::Stored _Stored = NumericArray::Stored::Float64;
  bool _Swapped = false;
  bool _Direct = false;  // float64 in the machine's order: read as it is
};

#endif
