// Double constants shared by the function display family.
#ifndef QVTFddConstants_H
#define QVTFddConstants_H

#include <limits>

inline constexpr double QVTFddDoubleInfinity = std::numeric_limits<double>::infinity();
// Two tick values closer than this (in scaled axis units) are the same position.
inline constexpr double QVTFddDoubleEpsilon = 1e-9;
inline constexpr double QVTFddDoubleNaN = std::numeric_limits<double>::quiet_NaN();
inline constexpr double QVTFddDoubleMax = std::numeric_limits<double>::max();
inline constexpr double QVTFddFloatMax = static_cast<double>(std::numeric_limits<float>::max());

#endif
