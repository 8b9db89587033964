#include "DataSource.h"

#include "DataFile.h"
#include "IndexVector.h"

bool DataSource::Failed(const std::string& iMessage, RequestError& oError) {
  if (iMessage.find("out of memory") != std::string::npos) return oError.Memory(iMessage);
  return oError.Data(iMessage);
}

RefPtr<ArrayVector> DataSource::Vector(const DataInput& iInput, RequestError& oError, std::string* oName,
                                       DataAxis* oX) {
  std::string lError, lName = iInput.Name;
  RefPtr<NumericArray> lArray = iInput.Array;
  if (!lArray && !(lArray = RefPtr<NumericArray>(DataFile::LoadVector(iInput.Spec, lError, lName, oX)))) {
    Failed(lError, oError);
    return {};
  }
  // A file without values is refused as it is read; an array is refused alike.
  if (lArray->GetRows() == 0 || lArray->GetColumns() == 0) {
    oError.Data(iInput.Label() + ": empty: no values");
    return {};
  }
  if (oName) *oName = lName;
  RefPtr<ArrayVector> lVector(new ArrayVector(lArray.Get(), 0, lArray->GetRows()));
  if (!lVector) oError.Memory(iInput.Label() + ": out of memory");
  return lVector;
}

RefPtr<NumericArray> DataSource::Matrix(const DataInput& iInput, RequestError& oError, DataAxis* oX, DataAxis* oZ) {
  std::string lError;
  RefPtr<NumericArray> lArray = iInput.Array;
  if (!lArray && !(lArray = RefPtr<NumericArray>(DataFile::LoadMatrix(iInput.Spec, lError, oX, oZ)))) {
    Failed(lError, oError);
    return {};
  }
  if (lArray->GetRows() == 0 || lArray->GetColumns() == 0) {
    oError.Data(iInput.Label() + ": empty: no values (shape " + Shape(*lArray) + ")");
    return {};
  }
  return lArray;
}

std::string DataSource::Shape(const NumericArray& iArray) {
  return std::to_string(iArray.GetRows()) + " x " + std::to_string(iArray.GetColumns());
}

RefPtr<CATSamIVector> DataSource::AxisVector(const DataAxis& iAxis, unsigned int iLength) {
  if (iAxis.Values) return RefPtr<CATSamIVector>(new ArrayVector(iAxis.Values.Get(), 0, iAxis.Values->GetRows()));
  if (iAxis.Rate > 0.0) return RefPtr<CATSamIVector>(new IndexVector(iLength, iAxis.Rate));
  return {};
}
