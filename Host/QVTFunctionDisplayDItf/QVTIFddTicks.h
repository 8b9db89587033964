// Ticks of an axis in several levels of detail, in the order the source gives them. A level the
// source does not have answers 0 ticks.
#ifndef QVTIFddTicks_H
#define QVTIFddTicks_H

#include "CATBaseUnknown.h"

class QVTIFddTickScaling;

class QVTIFddTicks : public CATBaseUnknown {
 public:
  virtual int GetTickLength() = 0;
  virtual int AreValuesVisible() = 0;
  virtual int GetNbrTicks(int iLevel) = 0;
  virtual double GetTickValue(int iTick, int iLevel) = 0;
  virtual double GetMin(int iLevel) = 0;
  virtual double GetMax(int iLevel) = 0;
  virtual int GetNbrLevels() = 0;
  // oScaling receives the scaling with one reference that the caller releases, or null.
  virtual HRESULT GetScaling(QVTIFddTickScaling** oScaling) = 0;
};

#endif
