// The one loader of a plot's data: a data input (a file with its column, or an array a program hands over) as
// a data vector or a matrix. Errors are returned, never printed: a file's one-line message, an
// empty input, a lack of memory. Static functions only.
#ifndef DataSource_H
#define DataSource_H

#include <string>

#include "ArrayVector.h"
#include "CATSamIVector.h"
#include "DataAxis.h"
#include "DataInput.h"
#include "NumericArray.h"
#include "RefPtr.h"
#include "RequestError.h"

class DataSource {
 public:
  // A 1-D input; oName, when given, receives the name a legend shows for it: a column's header
  // name (its number in a file without header), the file's name without folder and extension, or
  // the array's name. oX, when given, receives the X a file brings for it (see DataFile).
  static RefPtr<ArrayVector> Vector(const DataInput& iInput, RequestError& oError, std::string* oName = nullptr,
                                    DataAxis* oX = nullptr);
  // A 2-D input; oX and oZ, when given, receive the axes a file brings for its columns and rows.
  static RefPtr<NumericArray> Matrix(const DataInput& iInput, RequestError& oError, DataAxis* oX = nullptr,
                                     DataAxis* oZ = nullptr);
  // The data vector of an axis a file brings (its values, or the times of its samples) for iLength
  // samples; null when it brings none.
  static RefPtr<CATSamIVector> AxisVector(const DataAxis& iAxis, unsigned int iLength);
  // "3 x 10", as messages give a matrix's shape.
  static std::string Shape(const NumericArray& iArray);

 private:
  static bool Failed(const std::string& iMessage, RequestError& oError);
};

#endif
