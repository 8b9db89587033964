#include "NumericArray.h"

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <limits>

#include "DataRange.h"

namespace {

// iCount values of type T from iFrom, iStride bytes apart, their bytes reversed when iSwapped.
template <typename T>
void ConvertValues(const unsigned char* iFrom, long long iStride, unsigned long long iCount, bool iSwapped,
                   double* oValues) {
  unsigned char lBytes[sizeof(T)];
  for (unsigned long long i = 0; i < iCount; ++i, iFrom += iStride) {
    if (iSwapped) {
      for (size_t b = 0; b < sizeof(T); ++b) lBytes[b] = iFrom[sizeof(T) - 1 - b];
    } else {
      std::memcpy(lBytes, iFrom, sizeof(T));
    }
    T lValue;
    std::memcpy(&lValue, lBytes, sizeof(T));
    oValues[i] = static_cast<double>(lValue);
  }
}

}  // namespace

unsigned int NumericArray::SizeOf(Stored iStored) {
  switch (iStored) {
    case Stored::Int8: case Stored::UInt8: return 1;
    case Stored::Int16: case Stored::UInt16: return 2;
    case Stored::Float32: case Stored::Int32: case Stored::UInt32: return 4;
    default: return 8;
  }
}

NumericArray::NumericArray(unsigned int iRows, unsigned int iColumns, bool iMatrix)
    : _Rows(iRows), _Columns(iColumns), _Matrix(iMatrix) {}

NumericArray::~NumericArray() {
  if (_Mapping) munmap(_Mapping, _MappingSize);
}

void NumericArray::Place(const unsigned char* iData, std::ptrdiff_t iRowStride, std::ptrdiff_t iColumnStride,
                         Stored iStored, bool iSwapped) {
  _Data = iData;
  _RowStride = iRowStride;
  _ColumnStride = iColumnStride;
  _ElementSize = SizeOf(iStored);
  const std::ptrdiff_t lSize = _ElementSize;
  _Contiguous = iRowStride == (_Columns == 1 ? lSize : lSize * _Columns) && (_Columns == 1 || iColumnStride == lSize);
  _Stored = iStored;
  // One byte has no order.
  _Swapped = iSwapped && lSize > 1;
  _Direct = iStored == Stored::Float64 && !_Swapped;
}

NumericArray* NumericArray::Held(unsigned int iRows, unsigned int iColumns, bool iMatrix, std::vector<double>* ioValues,
                                 std::unique_ptr<double[]>* ioBuffer) {
  if (!iMatrix && iColumns != 1) return nullptr;
  NumericArray* lArray = new NumericArray(iRows, iColumns, iMatrix);
  if (!lArray) return nullptr;
  if (ioValues)
    lArray->_Values = std::move(*ioValues);
  else
    lArray->_Buffer = std::move(*ioBuffer);
  const double* lData = ioValues ? lArray->_Values.data() : lArray->_Buffer.get();
  const std::ptrdiff_t lSize = sizeof(double);
  lArray->Place(reinterpret_cast<const unsigned char*>(lData), lSize * iColumns, lSize, Stored::Float64, false);
  return lArray;
}

NumericArray* NumericArray::FromValues(std::vector<double> iValues, unsigned int iRows, unsigned int iColumns,
                                       bool iMatrix) {
  if (static_cast<unsigned long long>(iRows) * iColumns != iValues.size()) return nullptr;
  return Held(iRows, iColumns, iMatrix, &iValues, nullptr);
}

NumericArray* NumericArray::FromBuffer(std::unique_ptr<double[]> iValues, unsigned int iRows, unsigned int iColumns,
                                       bool iMatrix) {
  return iValues ? Held(iRows, iColumns, iMatrix, nullptr, &iValues) : nullptr;
}

NumericArray* NumericArray::FromMapping(void* iMapping, size_t iMappingSize, size_t iOffset, Stored iStored,
                                        bool iSwapped, unsigned int iRows, unsigned int iColumns, bool iMatrix) {
  if (!iMapping) return nullptr;
  const unsigned long long lBytes = static_cast<unsigned long long>(iRows) * iColumns * SizeOf(iStored);
  NumericArray* lArray = nullptr;
  if ((iMatrix || iColumns == 1) && iOffset <= iMappingSize && lBytes <= iMappingSize - iOffset)
    lArray = new NumericArray(iRows, iColumns, iMatrix);
  if (!lArray) {
    munmap(iMapping, iMappingSize);
    return nullptr;
  }
  lArray->_Mapping = iMapping;
  lArray->_MappingSize = iMappingSize;
  const std::ptrdiff_t lSize = SizeOf(iStored);
  lArray->Place(static_cast<const unsigned char*>(iMapping) + iOffset, lSize * iColumns, lSize, iStored, iSwapped);
  return lArray;
}

NumericArray* NumericArray::FromMemory(const void* iData, std::ptrdiff_t iRowStride, std::ptrdiff_t iColumnStride,
                                       Stored iStored, bool iSwapped, unsigned int iRows, unsigned int iColumns,
                                       bool iMatrix, CATBaseUnknown* iKeeper) {
  if (!iMatrix && iColumns != 1) return nullptr;
  NumericArray* lArray = new NumericArray(iRows, iColumns, iMatrix);
  if (!lArray) return nullptr;
  lArray->_Keeper = RefPtr<CATBaseUnknown>::Hold(iKeeper);
  lArray->Place(static_cast<const unsigned char*>(iData), iRowStride, iMatrix ? iColumnStride : 0, iStored, iSwapped);
  return lArray;
}

NumericArray* NumericArray::Transposed() {
  return FromMemory(_Data, _ColumnStride, _RowStride, _Stored, _Swapped, _Columns, _Rows, true, this);
}

unsigned long long NumericArray::GetValues(unsigned long long iFirst, unsigned long long iCount,
                                           double* oValues) const {
  const unsigned long long lSize = GetSize();
  if (!oValues || iFirst >= lSize) return 0;
  const unsigned long long lCount = iCount < lSize - iFirst ? iCount : lSize - iFirst;
  if (_Contiguous || _Columns == 1) {
    ReadRun(At(static_cast<unsigned int>(iFirst / _Columns), static_cast<unsigned int>(iFirst % _Columns)),
            _Columns == 1 ? _RowStride : _ColumnStride, lCount, oValues);
    return lCount;
  }
  // Row by row: the values of a row lie one column stride apart.
  for (unsigned long long lDone = 0; lDone < lCount;) {
    const unsigned long long lIndex = iFirst + lDone;
    const unsigned int lColumn = static_cast<unsigned int>(lIndex % _Columns);
    const unsigned long long lRun = std::min<unsigned long long>(lCount - lDone, _Columns - lColumn);
    ReadRun(At(static_cast<unsigned int>(lIndex / _Columns), lColumn), _ColumnStride, lRun, oValues + lDone);
    lDone += lRun;
  }
  return lCount;
}

const double* NumericArray::GetDirectValues(unsigned long long iFirst) const {
  if (iFirst >= GetSize() || !_Contiguous) return nullptr;
  long long lRowStride = 0, lColumnStride = 0;
  const double* lValues = GetDirectValues(lRowStride, lColumnStride);
  return lValues ? lValues + iFirst : nullptr;
}

const double* NumericArray::GetDirectValues(long long& oRowStride, long long& oColumnStride) const {
  oRowStride = oColumnStride = 0;
  const std::ptrdiff_t lSize = sizeof(double);
  if (!_Direct || !_Data || reinterpret_cast<uintptr_t>(_Data) % alignof(double) != 0 || _RowStride % lSize != 0 ||
      _ColumnStride % lSize != 0)
    return nullptr;
  oRowStride = _RowStride / lSize;
  oColumnStride = _Columns == 1 ? 1 : _ColumnStride / lSize;
  // Mapped and borrowed memory has no declared type: its float64 bytes may be read as the doubles
  // they are.
  return reinterpret_cast<const double*>(_Data);
}

void NumericArray::ReadRun(const unsigned char* iFrom, std::ptrdiff_t iStride, unsigned long long iCount,
                           double* oValues) const {
  if (_Direct && iStride == static_cast<std::ptrdiff_t>(sizeof(double)))
    std::memcpy(oValues, iFrom, iCount * sizeof(double));
  else
    ConvertStored(_Stored, iFrom, iStride, iCount, _Swapped, oValues);
}

void NumericArray::ConvertStored(Stored iStored, const unsigned char* iFrom, long long iStride,
                                 unsigned long long iCount, bool iSwapped, double* oValues) {
  switch (iStored) {
    case Stored::Float64: ConvertValues<double>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::Float32: ConvertValues<float>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::Int8: ConvertValues<int8_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::Int16: ConvertValues<int16_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::Int32: ConvertValues<int32_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::Int64: ConvertValues<int64_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::UInt8: ConvertValues<uint8_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::UInt16: ConvertValues<uint16_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::UInt32: ConvertValues<uint32_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
    case Stored::UInt64: ConvertValues<uint64_t>(iFrom, iStride, iCount, iSwapped, oValues); break;
  }
}

bool NumericArray::GetFiniteRange(double& oMin, double& oMax) const {
  double lMin = NAN, lMax = NAN;
  if (const double* lDirect = GetDirectValues(0)) {
    // Doubles that lie one after another are scanned where they are.
    DataRange::Add(lDirect, static_cast<size_t>(GetSize()), false, lMin, lMax);
  } else {
    // Along the axis whose values lie closest together, in chunks: one cache-friendly pass.
    const bool lAlongRows = _Columns > 1 && std::abs(_ColumnStride) <= std::abs(_RowStride);
    const unsigned int lLines = lAlongRows ? _Rows : _Columns, lLength = lAlongRows ? _Columns : _Rows;
    const std::ptrdiff_t lLineStride = lAlongRows ? _RowStride : _ColumnStride;
    const std::ptrdiff_t lStride = lAlongRows ? _ColumnStride : _RowStride;
    double lChunk[1024];
    for (unsigned int l = 0; l < lLines; ++l)
      for (unsigned int lFirst = 0; lFirst < lLength;) {
        const unsigned int lCount = std::min<unsigned int>(lLength - lFirst, sizeof(lChunk) / sizeof(lChunk[0]));
        ReadRun(_Data + l * lLineStride + static_cast<std::ptrdiff_t>(lFirst) * lStride, lStride, lCount, lChunk);
        DataRange::Add(lChunk, lCount, false, lMin, lMax);
        lFirst += lCount;
      }
  }
  if (!(lMin <= lMax)) return false;
  oMin = lMin;
  oMax = lMax;
  return true;
}
