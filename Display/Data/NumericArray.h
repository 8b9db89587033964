// Measured numbers loaded from a file: a 1-D array (one column) or a 2-D array in C order, value
// (row, column) at flat index row * GetColumns() + column. The numbers either stay in a read-only
// mapping of a NumPy file (floats or integers in either byte order, converted as they are read;
// the mapping is the array's and is unmapped with it) or in a vector of doubles the array owns.
// Reference counted, immutable once made; values carry the file's units.
#ifndef NumericArray_H
#define NumericArray_H

#include <cstddef>
#include <cstring>
#include <limits>
#include <vector>

#include "CATBaseUnknown.h"

class NumericArray : public CATBaseUnknown {
 public:
  // How the values of a mapping are stored.
  enum class Stored : unsigned char { Float64, Float32, Int8, Int16, Int32, Int64, UInt8, UInt16, UInt32, UInt64 };
  // Bytes a stored value takes.
  static unsigned int SizeOf(Stored iStored);
  // iCount values stored as iStored from iFrom, iStride bytes apart (any alignment), converted
  // into oValues; their bytes reversed first when iSwapped. Also for numbers that other holders
  // keep in memory.
  static void ConvertStored(Stored iStored, const unsigned char* iFrom, long long iStride, unsigned long long iCount,
                            bool iSwapped, double* oValues);

  // An array owning iValues: iRows x iColumns values in C order; a 1-D array (iMatrix false) has
  // one column. Null when the sizes disagree or the heap is exhausted.
  static NumericArray* FromValues(std::vector<double> iValues, unsigned int iRows, unsigned int iColumns,
                                  bool iMatrix);
  // An array reading iRows x iColumns values stored as iStored from iMapping (iMappingSize bytes,
  // made by mmap) at byte iOffset, their bytes reversed when iSwapped. The array takes the mapping
  // over: it is unmapped here already when the array cannot be made (null). The values must lie in
  // the mapping.
  static NumericArray* FromMapping(void* iMapping, size_t iMappingSize, size_t iOffset, Stored iStored, bool iSwapped,
                                   unsigned int iRows, unsigned int iColumns, bool iMatrix);

  ~NumericArray() override;
  NumericArray(const NumericArray&) = delete;
  NumericArray& operator=(const NumericArray&) = delete;

  bool IsMatrix() const { return _Matrix; }
  // True when the values are read from a file mapping rather than held in memory.
  bool IsMapped() const { return _Mapping != nullptr; }
  unsigned int GetRows() const { return _Rows; }
  unsigned int GetColumns() const { return _Columns; }
  unsigned long long GetSize() const { return static_cast<unsigned long long>(_Rows) * _Columns; }

  // NaN outside the array.
  double GetValue(unsigned long long iIndex) const {
    if (iIndex >= GetSize()) return std::numeric_limits<double>::quiet_NaN();
    if (!_Data) return _Values[iIndex];
    if (_Direct) {
      double lValue;
      std::memcpy(&lValue, _Data + iIndex * sizeof(double), sizeof(double));
      return lValue;
    }
    double lValue;
    Convert(iIndex, 1, &lValue);
    return lValue;
  }
  double GetValue(unsigned int iRow, unsigned int iColumn) const {
    if (iRow >= _Rows || iColumn >= _Columns) return std::numeric_limits<double>::quiet_NaN();
    return GetValue(static_cast<unsigned long long>(iRow) * _Columns + iColumn);
  }
  // Copies up to iCount values from flat index iFirst into oValues; returns how many.
  unsigned long long GetValues(unsigned long long iFirst, unsigned long long iCount, double* oValues) const;
  // The values from flat index iFirst on as doubles in memory, when they are stored so (held, or
  // mapped float64 in the machine's order at an address aligned for doubles); null otherwise.
  const double* GetDirectValues(unsigned long long iFirst) const;
  // Smallest and largest finite value; false when there is none.
  bool GetFiniteRange(double& oMin, double& oMax) const;

 private:
  NumericArray(unsigned int iRows, unsigned int iColumns, bool iMatrix);
  // iCount stored values from flat index iFirst converted into oValues.
  void Convert(unsigned long long iFirst, unsigned long long iCount, double* oValues) const;

  unsigned int _Rows = 0;
  unsigned int _Columns = 0;
  bool _Matrix = false;
  std::vector<double> _Values;
  // Mapped storage: _Data points into _Mapping and may be misaligned, so it is read with memcpy.
  void* _Mapping = nullptr;
  size_t _MappingSize = 0;
  const unsigned char* _Data = nullptr;
  Stored _Stored = Stored::Float64;
  bool _Swapped = false;
  bool _Direct = false;  // float64 in the machine's order: read as it is
};

#endif
