#include "NumericArray.h"

#include <sys/mman.h>

#include <cmath>
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

NumericArray* NumericArray::FromValues(std::vector<double> iValues, unsigned int iRows, unsigned int iColumns,
                                       bool iMatrix) {
  if (!iMatrix && iColumns != 1) return nullptr;
  if (static_cast<unsigned long long>(iRows) * iColumns != iValues.size()) return nullptr;
  NumericArray* lArray = new NumericArray(iRows, iColumns, iMatrix);
  if (lArray) lArray->_Values = std::move(iValues);
  return lArray;
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
  lArray->_Data = static_cast<const unsigned char*>(iMapping) + iOffset;
  lArray->_Stored = iStored;
  // One byte has no order.
  lArray->_Swapped = iSwapped && SizeOf(iStored) > 1;
  lArray->_Direct = iStored == Stored::Float64 && !lArray->_Swapped;
  return lArray;
}

unsigned long long NumericArray::GetValues(unsigned long long iFirst, unsigned long long iCount,
                                           double* oValues) const {
  const unsigned long long lSize = GetSize();
  if (!oValues || iFirst >= lSize) return 0;
  const unsigned long long lCount = iCount < lSize - iFirst ? iCount : lSize - iFirst;
  if (!_Data) {
    std::memcpy(oValues, _Values.data() + iFirst, lCount * sizeof(double));
  } else if (_Direct) {
    std::memcpy(oValues, _Data + iFirst * sizeof(double), lCount * sizeof(double));
  } else {
    Convert(iFirst, lCount, oValues);
  }
  return lCount;
}

const double* NumericArray::GetDirectValues(unsigned long long iFirst) const {
  if (iFirst >= GetSize()) return nullptr;
  if (!_Data) return _Values.data() + iFirst;
  // A mapping has no declared type, so its bytes may be read as the doubles they hold.
  if (!_Direct || reinterpret_cast<uintptr_t>(_Data) % alignof(double) != 0) return nullptr;
  return reinterpret_cast<const double*>(_Data) + iFirst;
}

void NumericArray::Convert(unsigned long long iFirst, unsigned long long iCount, double* oValues) const {
  const long long lSize = SizeOf(_Stored);
  ConvertStored(_Stored, _Data + iFirst * lSize, lSize, iCount, _Swapped, oValues);
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
  // Chunks keep a mapped file's conversion and the scan in one cache-friendly pass.
  double lChunk[1024];
  const unsigned long long lSize = GetSize();
  for (unsigned long long lFirst = 0; lFirst < lSize;) {
    const unsigned long long lCount = GetValues(lFirst, sizeof(lChunk) / sizeof(lChunk[0]), lChunk);
    if (lCount == 0) break;
    DataRange::Add(lChunk, static_cast<size_t>(lCount), false, lMin, lMax);
    lFirst += lCount;
  }
  if (!(lMin <= lMax)) return false;
  oMin = lMin;
  oMax = lMax;
  return true;
}
