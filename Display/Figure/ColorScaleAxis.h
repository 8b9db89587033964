// Ready-made continuous colour axis of the function display: a value range [min, max] mapped
// linearly onto a colour table, or its logarithm onto it. Viridis (perceptually uniform, the
// default) and its kin magma, inferno, plasma and cividis, turbo, a rainbow of the kind used for
// spectra (dark blue, cyan, yellow, red, dark red) and grey (black to white), each also reversed.
// Values outside the range take the colour of the nearer end; NaN (and, on a logarithmic scale,
// values at or below zero) takes one fixed neutral grey.
// Reference counted like every axis handed to the library; owns nothing. Colours are 0 to 255.
#ifndef ColorScaleAxis_H
#define ColorScaleAxis_H

#include <string>
#include <vector>

#include "AxisScale.h"
#include "QVTIFddContinuousAxis.h"

class ColorScaleAxis : public QVTIFddContinuousAxis {
 public:
  enum eTable { Viridis = 0, Rainbow = 1, Grey = 2, Magma = 3, Inferno = 4, Plasma = 5, Cividis = 6, Turbo = 7 };

  // The colour of NaN (and of any value whose place in the table is not a number).
  static constexpr int kNaNRed = 160, kNaNGreen = 160, kNaNBlue = 160;

  ColorScaleAxis(double iMin, double iMax, eTable iTable = Viridis, bool iReversed = false);

  // Values placed by their decimal logarithms (both limits must be above zero to take effect).
  void SetLog(bool iLog) { _Scale = AxisScale::Of(iLog && _Min > 0.0 && _Max > 0.0); }
  bool IsLog() const { return _Scale.IsLog(); }
  const AxisScale& GetScale() const { return _Scale; }

  // iShift moves the value's place in the table, in fractions of the table (0.0: none).
  void GetColor(double iValue, double iShift, int& oRed, int& oGreen, int& oBlue) override;
  void GetPixelColors(const double* iValues, int iCount, unsigned char* oPixels, long iStride) override;

  double GetMin() const { return _Min; }
  double GetMax() const { return _Max; }
  eTable GetTable() const { return _Table; }
  bool IsReversed() const { return _Reversed; }

  // A table's name ("grey" also "gray"); false for any other name.
  static bool TableFromName(const std::string& iName, eTable& oTable);
  // The same, and the name with "_r" appended for the table reversed ("viridis_r").
  static bool TableFromName(const std::string& iName, eTable& oTable, bool& oReversed);
  static const char* TableName(eTable iTable);
  // "viridis, magma, ... or grey", for help texts and messages.
  static std::string TableNames();

 private:
  // The limits as placed (their logarithms on a logarithmic scale) and the table's stops.
  struct Limits {
    double _Min = 0.0, _Max = 0.0;
    const unsigned char* _Stops = nullptr;
    int _Count = 0;
  };
  Limits PlacedLimits() const;
  // The place of iValue in the table, 0 at the minimum and 1 at the maximum, not yet clamped;
  // NaN when it has none.
  double Place(double iValue, const Limits& iLimits) const;
  // The colour at iPlace (clamped to 0 .. 1), and the table stop it starts from; the NaN colour
  // and -1 for NaN.
  int Mix(double iPlace, const Limits& iLimits, int& oRed, int& oGreen, int& oBlue) const;

  // The pixel (four bytes) of iValue, computed; returns the stop as Mix does.
  int PixelOf(double iValue, const Limits& iLimits, unsigned char* oPixel) const;
  // Makes the buckets of a linear scale with finite, distinct limits (leaves them empty else), once.
  void BuildBuckets();
  // The pixel of bucket k (1 .. kBuckets), or kMixed when its values differ in colour.
  unsigned int SettleBucket(size_t k, const Limits& iLimits) const;

  // Pixels of a column on a linear scale: the range cut into buckets of equal width; a bucket
  // whose values all have one colour holds that pixel (four bytes, read as one word), one across a
  // change of colour holds kMixed and its values are computed one by one. A bucket is settled the
  // first time a value falls into it (kUnknown before): a map uses few of them. Entry 0 is the
  // pixel below the range, 1 .. kBuckets the buckets, then the pixels above the range and of NaN.
  static constexpr int kBuckets = 65536;
  static constexpr unsigned int kMixed = 1u << 24, kUnknown = 2u << 24;
  std::vector<unsigned int> _Lookup;
  bool _BucketsTried = false;
  double _BucketLow = 0.0, _BucketHigh = 0.0, _BucketScale = 0.0;

  double _Min;
  double _Max;
  eTable _Table;
  bool _Reversed;
  AxisScale _Scale;
};

#endif
