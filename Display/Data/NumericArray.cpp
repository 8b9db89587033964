#include "NumericArray.h"

#include <sys/mman.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "DataRange.h"

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

NumericArray* NumericArray::FromMapping(void* iMapping, size_t iMappingSize, size_t iOffset, bool iFloat32,
                                        unsigned int iRows, unsigned int iColumns, bool iMatrix) {
  if (!iMapping) return nullptr;
  const unsigned long long lBytes =
      static_cast<unsigned long long>(iRows) * iColumns * (iFloat32 ? sizeof(float) : sizeof(double));
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
  lArray->_Float32 = iFloat32;
  return lArray;
}

unsigned long long NumericArray::GetValues(unsigned long long iFirst, unsigned long long iCount,
                                           double* oValues) const {
  const unsigned long long lSize = GetSize();
  if (!oValues || iFirst >= lSize) return 0;
  const unsigned long long lCount = iCount < lSize - iFirst ? iCount : lSize - iFirst;
  if (!_Data) {
    std::memcpy(oValues, _Values.data() + iFirst, lCount * sizeof(double));
  } else if (!_Float32) {
    std::memcpy(oValues, _Data + iFirst * sizeof(double), lCount * sizeof(double));
  } else {
    const unsigned char* lFrom = _Data + iFirst * sizeof(float);
    for (unsigned long long i = 0; i < lCount; ++i, lFrom += sizeof(float)) {
      float lValue;
      std::memcpy(&lValue, lFrom, sizeof(float));
      oValues[i] = lValue;
    }
  }
  return lCount;
}

bool NumericArray::GetFiniteRange(double& oMin, double& oMax) const {
  double lMin = NAN, lMax = NAN;
  // Chunks keep a mapped file's float32 conversion and the scan in one cache-friendly pass.
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
