// The spectrogram of a spectrogram request's signal, computed into the columns of the picture
// (each column the largest power of the frames it holds) and shown as a map of time (X) and
// frequency (Z). Keeps the columns.
#ifndef TimeFrequencyPlot_H
#define TimeFrequencyPlot_H

#include "AnalysisPlot.h"
#include "ArrayVector.h"
#include "FrameColumns.h"
#include "TimeFrequencyRequest.h"

class TimeFrequencyPlot : public AnalysisPlot {
 public:
  // Computes the spectrogram of a checked request into at most iColumns columns (0: one per frame)
  // of the time range [iTimeMin, iTimeMax] (NaN: the signal's); false with oError.
  bool Compute(const TimeFrequencyRequest& iRequest, int iColumns, double iTimeMin, double iTimeMax,
               RequestError& oError, std::vector<std::string>& ioWarnings);

  // Computes the frames of [iTimeMin, iTimeMax] of the signal iWhole computed, one frame per
  // column of iColumns (their hop follows the range, not the request's overlap), for a view
  // zoomed in further than iWhole's frames go; false with oError.
  bool ComputeView(const TimeFrequencyPlot& iWhole, int iColumns, double iTimeMin, double iTimeMax,
                   RequestError& oError);
  // Seconds from one frame to the next.
  double GetHopSeconds() const { return _Settings.Hop() / _Settings.Rate; }

  const FrameColumns& GetColumns() const { return _Columns; }

 private:
  // Shows the columns computed with _Settings as the map of _Request.
  bool MakeMap(RequestError& oError);

  TimeFrequencyRequest _Request;
  FrameSettings _Settings;
  RefPtr<ArrayVector> _Signal;
  FrameColumns _Columns;
};

#endif
