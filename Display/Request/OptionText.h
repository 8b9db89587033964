// Reading the values that plot requests hold as text, as a user writes them on a command line:
// picture sizes "WxH", pairs of numbers "A,B", limits and points. Python hands over its tuples in
// the same form, so every program refuses a value with the same words. Static functions only.
#ifndef OptionText_H
#define OptionText_H

#include <string>

#include "RequestError.h"

class OptionText {
 public:
  static constexpr int kMinSide = 16;
  static constexpr int kMaxSide = 8192;

  // "WxH" (also "W,H"), each side kMinSide .. kMaxSide; iFallback when iText is empty.
  static bool Size(const std::string& iText, const std::string& iFallback, int& oWidth, int& oHeight,
                   RequestError& oError);
  // "A,B", two finite decimal numbers; false with the reason (without the option's name).
  static bool Pair(const std::string& iText, double& oFirst, double& oSecond, std::string& oReason);
  // The limits of option iName ("x-limits"): NaN for an empty text, else a pair with oLow < oHigh,
  // both above 0 on a logarithmic axis (iLog).
  static bool Limits(const char* iName, const std::string& iText, bool iLog, double& oLow, double& oHigh,
                     RequestError& oError);
  // A point "X,Z" of option iName, both finite.
  static bool Point(const char* iName, const std::string& iText, double& oX, double& oZ, RequestError& oError);

  // "--name", as messages name an option (Python rewrites it as "name" with '_' for '-').
  static std::string Option(const char* iName) { return std::string("--") + iName; }
  // A number as a message or a text of a value shows it ("0.05", "1e+100", "nan").
  static std::string Number(double iValue);
};

#endif
