// The one conversion of a double to an int of the library, for pixel positions and counts that
// come out of arbitrary (possibly huge, infinite or NaN) data. Truncates toward zero and saturates
// to +/- 2^29, a bound far beyond any drawable coordinate that leaves room to add or subtract two
// such values without overflowing an int. NaN gives -2^29. Never undefined behaviour.
#ifndef QVTFddMathSaturateToInt_H
#define QVTFddMathSaturateToInt_H

constexpr int kQVTFddMathSaturationBound = 536870912;  // 2^29

int QVTFddMathSaturateToInt(double iValue);

#endif
