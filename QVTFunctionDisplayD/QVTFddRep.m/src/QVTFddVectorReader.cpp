#include "QVTFddVectorReader.h"

#include "CATSamIVector.h"
#include "QVTFddConstants.h"

QVTFddVectorReader::QVTFddVectorReader(const CATSamIVector& iVector)
    : _Vector(iVector), _Direct(iVector.GetDirectValues()), _Length(iVector.GetLength()) {}

const double* QVTFddVectorReader::Read(unsigned int iFirst, unsigned int iCount, double* oBuffer) const {
  if (_Direct && iFirst <= _Length && iCount <= _Length - iFirst) return _Direct + iFirst;
  const unsigned int lGot = _Vector.GetValues(iFirst, iCount, oBuffer);
  for (unsigned int k = lGot < iCount ? lGot : iCount; k < iCount; ++k) oBuffer[k] = QVTFddDoubleNaN;
  return oBuffer;
}
