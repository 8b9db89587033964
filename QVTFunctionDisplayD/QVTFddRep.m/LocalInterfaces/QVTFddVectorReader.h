// Reads a data vector a stretch at a time for hot loops: straight from the vector's memory when it
// offers direct access, otherwise copied into the caller's buffer by its bulk read. Values the
// vector does not deliver read as NaN, as its own value beyond its length does.
#ifndef QVTFddVectorReader_H
#define QVTFddVectorReader_H

class CATSamIVector;

class QVTFddVectorReader {
 public:
  explicit QVTFddVectorReader(const CATSamIVector& iVector);

  // The iCount values from iFirst on; oBuffer (room for iCount) receives them when they cannot be
  // read in place.
  const double* Read(unsigned int iFirst, unsigned int iCount, double* oBuffer) const;
  // All values in memory, or null when the vector has no direct access.
  const double* Direct() const { return _Direct; }

 private:
  const CATSamIVector& _Vector;
  const double* _Direct;
  unsigned int _Length;
};

#endif
