// A spectrogram reduced as it is computed: the power spectra of the frames whose middles lie in a
// time range, each frame's bins kept in the picture column its time falls in by their largest
// value, so a one-frame transient stays visible when thousands of frames share a column. Memory is
// columns x bins, not frames x bins. With no more frames than columns, each frame is a column.
// Values are stored column after column (one column's bins together), in the settings' scaling.
#ifndef FrameColumns_H
#define FrameColumns_H

#include <string>
#include <vector>

#include "FrameSettings.h"

class ArrayVector;

class FrameColumns {
 public:
  // The frames of iSignal with middles in [iTimeMin, iTimeMax] (NaN: the signal's) into at most
  // iColumns columns (0: a column per frame); false with oError when no frame lies there, every
  // one holds NaN samples or the heap is exhausted.
  bool Compute(const ArrayVector& iSignal, const FrameSettings& iSettings, int iColumns, double iTimeMin,
               double iTimeMax, std::vector<std::string>& ioWarnings, std::string& oError);

  // The time of each column (its middle), the frequency of each bin, and the values, column c's
  // bins from c * GetFrequencies().size(); a column no finite frame fell in holds NaN.
  const std::vector<double>& GetTimes() const { return _Times; }
  const std::vector<double>& GetFrequencies() const { return _Frequencies; }
  const std::vector<double>& GetValues() const { return _Values; }
  std::vector<double>& GetValues() { return _Values; }
  // Samples from one frame to the next.
  int GetHop() const { return _Hop; }

 private:
  std::vector<double> _Times;
  std::vector<double> _Frequencies;
  std::vector<double> _Values;
  int _Hop = 1;
};

#endif
