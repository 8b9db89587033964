// Measured numbers: a 1-D array (one column) or a 2-D array, value (row, column) at flat index
// row * GetColumns() + column. The numbers either stay where they lie (a read-only mapping of a
// NumPy file, which the array unmaps with itself, or memory kept alive by a keeper object, such as
// a Python buffer), stored as floats or integers in either byte order with any strides and
// converted as they are read, or in a vector of doubles the array owns.
// Reference counted, immutable once made; values carry the file's units.
#ifndef NumericArray_H
#define NumericArray_H

#include <cstddef>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

#include "CATBaseUnknown.h"
#include "RefPtr.h"

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
  // The same for iRows x iColumns values in a buffer the array takes over: a reader that fills
  // every value itself need not have them zeroed first.
  static NumericArray* FromBuffer(std::unique_ptr<double[]> iValues, unsigned int iRows, unsigned int iColumns,
                                  bool iMatrix);
  // An array reading iRows x iColumns values stored as iStored from iMapping (iMappingSize bytes,
  // made by mmap) at byte iOffset, their bytes reversed when iSwapped. The array takes the mapping
  // over: it is unmapped here already when the array cannot be made (null). The values must lie in
  // the mapping.
  static NumericArray* FromMapping(void* iMapping, size_t iMappingSize, size_t iOffset, Stored iStored, bool iSwapped,
                                   unsigned int iRows, unsigned int iColumns, bool iMatrix);
  // An array reading iRows x iColumns values stored as iStored in memory that iKeeper keeps alive
  // (the array holds one reference on it): value (row, column) at iData + row * iRowStride +
  // column * iColumnStride bytes (strides may be negative); a 1-D array (iMatrix false) has one
  // column. Null when the heap is exhausted.
  static NumericArray* FromMemory(const void* iData, std::ptrdiff_t iRowStride, std::ptrdiff_t iColumnStride,
                                  Stored iStored, bool iSwapped, unsigned int iRows, unsigned int iColumns,
                                  bool iMatrix, CATBaseUnknown* iKeeper);

  // The transpose of this matrix as a view that keeps this array alive (one reference on it):
  // MATLAB's matrices lie column by column. Null when the heap is exhausted.
  NumericArray* Transposed();

  ~NumericArray() override;
  NumericArray(const NumericArray&) = delete;
  NumericArray& operator=(const NumericArray&) = delete;

  bool IsMatrix() const { return _Matrix; }
  // True when the values are read from a file mapping rather than held in memory.
  bool IsMapped() const { return _Mapping != nullptr; }
  unsigned int GetRows() const { return _Rows; }
  unsigned int GetColumns() const { return _Columns; }
  unsigned long long GetSize() const { return static_cast<unsigned long long>(_Rows) * _Columns; }

  // NaN outside the array. Inline: colour maps read their values cell by cell.
  double GetValue(unsigned long long iIndex) const {
    if (iIndex >= GetSize()) return std::numeric_limits<double>::quiet_NaN();
    return _Contiguous ? Read(_Data + iIndex * _ElementSize) : Read(At(iIndex / _Columns, iIndex % _Columns));
  }
  double GetValue(unsigned int iRow, unsigned int iColumn) const {
    if (iRow >= _Rows || iColumn >= _Columns) return std::numeric_limits<double>::quiet_NaN();
    return Read(At(iRow, iColumn));
  }
  // Copies up to iCount values from flat index iFirst into oValues; returns how many.
  unsigned long long GetValues(unsigned long long iFirst, unsigned long long iCount, double* oValues) const;
  // The values from flat index iFirst on as doubles in memory, when they are stored so (held, or
  // float64 in the machine's order, one after another, at an address aligned for doubles); null
  // otherwise.
  const double* GetDirectValues(unsigned long long iFirst) const;
  // The values as doubles in memory, value (row, column) at [row * oRowStride + column *
  // oColumnStride], when they are float64 in the machine's order, aligned, with strides of whole
  // doubles; null otherwise.
  const double* GetDirectValues(long long& oRowStride, long long& oColumnStride) const;
  // Smallest and largest finite value; false when there is none.
  bool GetFiniteRange(double& oMin, double& oMax) const;

 private:
  NumericArray(unsigned int iRows, unsigned int iColumns, bool iMatrix);
  // An array of held doubles taken from *ioValues, else from *ioBuffer.
  static NumericArray* Held(unsigned int iRows, unsigned int iColumns, bool iMatrix, std::vector<double>* ioValues,
                            std::unique_ptr<double[]>* ioBuffer);
  // Sets how the values lie: from iData, strides in bytes.
  void Place(const unsigned char* iData, std::ptrdiff_t iRowStride, std::ptrdiff_t iColumnStride, Stored iStored,
             bool iSwapped);
  const unsigned char* At(unsigned int iRow, unsigned int iColumn) const {
    return _Data + static_cast<std::ptrdiff_t>(iRow) * _RowStride + static_cast<std::ptrdiff_t>(iColumn) * _ColumnStride;
  }
  double Read(const unsigned char* iAt) const {
    double lValue;
    if (_Direct)
      std::memcpy(&lValue, iAt, sizeof(double));
    else
      ConvertStored(_Stored, iAt, 0, 1, _Swapped, &lValue);
    return lValue;
  }
  // iCount values from iFrom, iStride bytes apart, as doubles.
  void ReadRun(const unsigned char* iFrom, std::ptrdiff_t iStride, unsigned long long iCount, double* oValues) const;

  unsigned int _Rows = 0;
  unsigned int _Columns = 0;
  bool _Matrix = false;
  std::vector<double> _Values;
  std::unique_ptr<double[]> _Buffer;
  // Mapped storage, unmapped with the array.
  void* _Mapping = nullptr;
  size_t _MappingSize = 0;
  // Memory someone else owns, kept alive while the array lives.
  RefPtr<CATBaseUnknown> _Keeper;
  // Where the values lie; may be misaligned, so they are read with memcpy.
  const unsigned char* _Data = nullptr;
  std::ptrdiff_t _RowStride = 0;
  std::ptrdiff_t _ColumnStride = 0;
  unsigned int _ElementSize = sizeof(double);
  bool _Contiguous = true;  // C order without gaps: flat index i at _Data + i * _ElementSize
  Stored _Stored = Stored::Float64;
  bool _Swapped = false;
  bool _Direct = true;  // float64 in the machine's order: read as it is
};

#endif
