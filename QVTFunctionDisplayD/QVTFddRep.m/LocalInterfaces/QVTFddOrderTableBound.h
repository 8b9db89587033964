// Compares the orders of one table row's samples (converted X over the row's converted Z, as
// divided) with one order, without a division per sample: the order times the converted Z,
// widened by far more than the rounding of both, settles every sample whose converted X lies
// outside that narrow interval. A sample inside it, or a row or order out of the safe range (Z not
// positive, magnitudes near the ends of the doubles, NaN), is divided as before, so the answers
// are exactly those of the division. A plain record of four numbers.
#ifndef QVTFddOrderTableBound_H
#define QVTFddOrderTableBound_H

#include <cmath>
#include <limits>

class QVTFddOrderTableBound {
 public:
  // Bound for order iOrder in a row at converted Z iZScaled; with iFast 0 every answer is divided.
  QVTFddOrderTableBound(double iOrder, double iZScaled, int iFast = 1)
      : _Order(iOrder), _ZScaled(iZScaled), _Low(kNaN), _High(kNaN) {
    // With Z within 2^-60 .. 2^60 and the product within 2^-900 .. 2^900, the order, the product and
    // its widening are normal and finite, so widening the product by 2^-48 outweighs the two
    // roundings (2^-53 each) with room to spare.
    const double lProduct = iOrder * iZScaled, lSize = std::fabs(lProduct);
    if (iFast && iZScaled >= 0x1p-60 && iZScaled <= 0x1p60 && lSize >= 0x1p-900 && lSize <= 0x1p900) {
      _Low = lProduct - lSize * 0x1p-48;
      _High = lProduct + lSize * 0x1p-48;
    }
  }

  // Whether iXScaled / iZScaled >= the order, as divided.
  bool AtLeast(double iXScaled) const {
    if (iXScaled > _High) return true;
    if (iXScaled < _Low) return false;
    return iXScaled / _ZScaled >= _Order;
  }
  // Whether iXScaled / iZScaled > the order, as divided.
  bool Above(double iXScaled) const {
    if (iXScaled > _High) return true;
    if (iXScaled < _Low) return false;
    return iXScaled / _ZScaled > _Order;
  }

 private:
  static constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

  double _Order, _ZScaled;
  // A converted X below _Low has a smaller order, one above _High a larger; NaN: always divided.
  double _Low, _High;
};

#endif
