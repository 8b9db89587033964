// A Python buffer (a NumPy array or anything else that exports the buffer protocol) seen as a
// NumericArray whose numbers are read where they lie: 1-D or 2-D, any strides (a column of a
// matrix, a[::2]), float64, float32 or integers of either byte order; nothing is copied. The
// BufferArray keeps the buffer, and so the array, until the last data vector over it is released;
// that release takes the interpreter lock, whatever thread it runs in.
#ifndef BufferArray_H
#define BufferArray_H

#include <pybind11/pybind11.h>

#include <memory>
#include <string>

#include "CATBaseUnknown.h"

class NumericArray;

class BufferArray : public CATBaseUnknown {
 public:
  // The numbers of iObject; null with oError ("<iName>: what is wrong") when it holds none that
  // can be drawn. iMatrix asks for a 2-D array, else a 1-D one. Needs the interpreter lock.
  static NumericArray* Make(const pybind11::handle& iObject, const std::string& iName, bool iMatrix,
                            std::string& oError);
  ~BufferArray() override;
  BufferArray(const BufferArray&) = delete;
  BufferArray& operator=(const BufferArray&) = delete;

 private:
  explicit BufferArray(std::unique_ptr<pybind11::buffer_info> iInfo);

  std::unique_ptr<pybind11::buffer_info> _Info;
};

#endif
