#include "BufferArray.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <limits>

#include "DataRange.h"
#include "NumericArray.h"

namespace py = pybind11;

namespace {

// How a buffer's format stores its numbers; false for anything but floats of 4 or 8 bytes and
// integers.
bool StoredOf(const std::string& iFormat, py::ssize_t iSize, NumericArray::Stored& oStored, bool& oSwapped) {
  std::string lCode = iFormat;
  oSwapped = false;
  if (!lCode.empty() && (lCode[0] == '@' || lCode[0] == '=' || lCode[0] == '<' || lCode[0] == '>' || lCode[0] == '!')) {
    const bool lLittle = lCode[0] == '<';
    const bool lBig = lCode[0] == '>' || lCode[0] == '!';
    const unsigned int lOne = 1;
    unsigned char lFirst;
    std::memcpy(&lFirst, &lOne, 1);
    oSwapped = lFirst == 1 ? lBig : lLittle;
    lCode.erase(0, 1);
  }
  if (lCode.size() != 1) return false;
  using Stored = NumericArray::Stored;
  const char c = lCode[0];
  if (c == 'd' && iSize == 8) oStored = Stored::Float64;
  else if (c == 'f' && iSize == 4) oStored = Stored::Float32;
  else if (std::strchr("bhilqn", c) && iSize == 1) oStored = Stored::Int8;
  else if (std::strchr("bhilqn", c) && iSize == 2) oStored = Stored::Int16;
  else if (std::strchr("bhilqn", c) && iSize == 4) oStored = Stored::Int32;
  else if (std::strchr("bhilqn", c) && iSize == 8) oStored = Stored::Int64;
  else if (std::strchr("BHILQN", c) && iSize == 1) oStored = Stored::UInt8;
  else if (std::strchr("BHILQN", c) && iSize == 2) oStored = Stored::UInt16;
  else if (std::strchr("BHILQN", c) && iSize == 4) oStored = Stored::UInt32;
  else if (std::strchr("BHILQN", c) && iSize == 8) oStored = Stored::UInt64;
  else return false;
  if (iSize == 1) oSwapped = false;
  return true;
}

}  // namespace

BufferArray* BufferArray::Make(const py::handle& iObject, const std::string& iName, bool iMatrix, std::string& oError) {
  if (!PyObject_CheckBuffer(iObject.ptr())) {
    oError = iName + ": give an array of numbers (a NumPy array or another buffer), not " +
             std::string(py::str(py::type::of(iObject).attr("__name__")));
    return nullptr;
  }
  std::unique_ptr<py::buffer_info> lInfo(new py::buffer_info(py::reinterpret_borrow<py::buffer>(iObject).request()));
  NumericArray::Stored lStored = NumericArray::Stored::Float64;
  bool lSwapped = false;
  if (!StoredOf(lInfo->format, lInfo->itemsize, lStored, lSwapped)) {
    oError = iName + ": values of type '" + lInfo->format + "' cannot be drawn: give float64, float32 or integers";
    return nullptr;
  }
  const py::ssize_t lDimensions = iMatrix ? 2 : 1;
  if (lInfo->ndim != lDimensions) {
    oError = iName + ": a " + std::to_string(lInfo->ndim) + "-D array, but a " + std::to_string(lDimensions) +
             "-D one is needed";
    return nullptr;
  }
  const py::ssize_t lMax = std::numeric_limits<unsigned int>::max();
  for (const py::ssize_t lSide : lInfo->shape)
    if (lSide > lMax) {
      oError = iName + ": " + std::to_string(lSide) + " values along an axis, more than the " +
               std::to_string(lMax) + " that can be drawn";
      return nullptr;
    }
  BufferArray* lArray = new BufferArray();
  lArray->_Data = static_cast<const unsigned char*>(lInfo->ptr);
  lArray->_Rows = static_cast<unsigned int>(lInfo->shape[0]);
  lArray->_RowStride = lInfo->strides[0];
  if (iMatrix) {
    lArray->_Columns = static_cast<unsigned int>(lInfo->shape[1]);
    lArray->_ColumnStride = lInfo->strides[1];
  }
  lArray->_Stored = lStored;
  lArray->_Swapped = lSwapped;
  lArray->_Direct = lStored == NumericArray::Stored::Float64 && !lSwapped;
  lArray->_Info = std::move(lInfo);
  return lArray;
}

BufferArray::~BufferArray() {
  // Letting go of the buffer touches Python objects; after the interpreter has ended there is
  // nothing left to let go of.
  if (!Py_IsInitialized()) {
    (void)_Info.release();
    return;
  }
  py::gil_scoped_acquire lLock;
  _Info.reset();
}

unsigned int BufferArray::GetLineValues(bool iRow, unsigned int iLine, unsigned int iFirst, unsigned int iCount,
                                        double* oValues) const {
  const unsigned int lLines = iRow ? _Rows : _Columns, lLength = iRow ? _Columns : _Rows;
  if (!oValues || iFirst >= lLength || iLine >= lLines) return 0;
  const unsigned int lCount = iCount < lLength - iFirst ? iCount : lLength - iFirst;
  const std::ptrdiff_t lAcross = iRow ? _RowStride : _ColumnStride, lAlong = iRow ? _ColumnStride : _RowStride;
  ReadRun(_Data + iLine * lAcross + iFirst * lAlong, lAlong, lCount, oValues);
  return lCount;
}

void BufferArray::ReadRun(const unsigned char* iFrom, std::ptrdiff_t iStride, unsigned int iCount,
                          double* oValues) const {
  if (_Direct && iStride == sizeof(double))
    std::memcpy(oValues, iFrom, iCount * sizeof(double));
  else
    NumericArray::ConvertStored(_Stored, iFrom, iStride, iCount, _Swapped, oValues);
}

bool BufferArray::GetFiniteRange(double& oMin, double& oMax) const {
  // Along the axis whose values lie closest together, one cache-friendly pass.
  const bool lAlongRows = _Columns > 1 && std::abs(_ColumnStride) < std::abs(_RowStride);
  const unsigned int lLines = lAlongRows ? _Rows : _Columns, lLength = lAlongRows ? _Columns : _Rows;
  const std::ptrdiff_t lLineStride = lAlongRows ? _RowStride : _ColumnStride;
  const std::ptrdiff_t lStride = lAlongRows ? _ColumnStride : _RowStride;
  double lMin = NAN, lMax = NAN;
  double lChunk[1024];
  for (unsigned int l = 0; l < lLines; ++l)
    for (unsigned int lFirst = 0; lFirst < lLength;) {
      const unsigned int lCount = std::min<unsigned int>(lLength - lFirst, sizeof(lChunk) / sizeof(lChunk[0]));
      ReadRun(_Data + l * lLineStride + lFirst * lStride, lStride, lCount, lChunk);
      DataRange::Add(lChunk, lCount, false, lMin, lMax);
      lFirst += lCount;
    }
  if (!(lMin <= lMax)) return false;
  oMin = lMin;
  oMax = lMax;
  return true;
}

const double* BufferArray::GetDirectValues(long long& oRowStride, long long& oColumnStride) const {
  oRowStride = oColumnStride = 0;
  const std::ptrdiff_t lSize = sizeof(double);
  if (!_Direct || !_Data || reinterpret_cast<uintptr_t>(_Data) % alignof(double) != 0 || _RowStride % lSize != 0 ||
      _ColumnStride % lSize != 0)
    return nullptr;
  oRowStride = _RowStride / lSize;
  oColumnStride = _ColumnStride / lSize;
  // A buffer is untyped memory: its float64 bytes may be read as the doubles they are.
  return reinterpret_cast<const double*>(_Data);
}
