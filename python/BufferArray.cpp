#include "BufferArray.h"

#include <cstring>
#include <limits>

#include "NumericArray.h"
#include "RefPtr.h"

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

NumericArray* BufferArray::Make(const py::handle& iObject, const std::string& iName, bool iMatrix,
                                std::string& oError) {
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
  const void* lData = lInfo->ptr;
  const unsigned int lRows = static_cast<unsigned int>(lInfo->shape[0]);
  const unsigned int lColumns = iMatrix ? static_cast<unsigned int>(lInfo->shape[1]) : 1;
  const py::ssize_t lRowStride = lInfo->strides[0], lColumnStride = iMatrix ? lInfo->strides[1] : 0;
  const RefPtr<BufferArray> lKeeper(new BufferArray(std::move(lInfo)));
  NumericArray* lArray = NumericArray::FromMemory(lData, lRowStride, lColumnStride, lStored, lSwapped, lRows,
                                                  lColumns, iMatrix, lKeeper.Get());
  if (!lArray) oError = iName + ": out of memory";
  return lArray;
}

BufferArray::BufferArray(std::unique_ptr<py::buffer_info> iInfo) : _Info(std::move(iInfo)) {}

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
