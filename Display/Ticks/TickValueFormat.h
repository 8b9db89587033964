// Compact texts of tick values, as a plotting library writes them: the fewest significant digits
// that give the value back (so 0.1 + 0.2 reads "0.3", not 0.30000000000000004), plain decimals
// within a magnitude band and exponent form outside it, never "-0". Not a number reads "NaN",
// infinities "inf" and "-inf". The texts handed to an axis carry a thin space at each end: the
// axis layout may set neighbouring value texts edge to edge, and the spaces keep them apart.
#ifndef TickValueFormat_H
#define TickValueFormat_H

#include "CATUnicodeString.h"

class TickValueFormat {
 public:
  // Plain decimals for iPlainFrom <= |iValue| < iExponentFrom, exponent form otherwise (and for
  // values that round to iExponentFrom). iShortExponent writes "1e4" and "1e-5" instead of the C
  // library's "1e+04" and "1e-05".
  static CATUnicodeString Compact(double iValue, double iPlainFrom, double iExponentFrom, bool iShortExponent);

  // iText with a thin space (U+2009) before and after it.
  static CATUnicodeString Spaced(const CATUnicodeString& iText);

  // Significant digits at which a value reads back: relative difference at most this.
  static constexpr double kReadBackTolerance = 1e-13;
};

#endif
