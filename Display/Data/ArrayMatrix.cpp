#include "ArrayMatrix.h"

#include <limits>

#include "NumericArray.h"

ArrayMatrix::ArrayMatrix(NumericArray* iArray) : _Array(iArray) {
  if (_Array) _Array->AddRef();
}

ArrayMatrix::~ArrayMatrix() {
  if (_Array) _Array->Release();
}

unsigned int ArrayMatrix::GetLengthX() const { return _Array ? _Array->GetRows() : 0; }

unsigned int ArrayMatrix::GetLengthY() const { return _Array ? _Array->GetColumns() : 0; }

double ArrayMatrix::GetValue(unsigned int iX, unsigned int iZ) const {
  return _Array ? _Array->GetValue(iX, iZ) : std::numeric_limits<double>::quiet_NaN();
}
