// The spectrogram of a spectrogram request's signal, computed into the columns of the picture
// (each column the largest power of the frames it holds) and shown as a map of time (X) and
// frequency (Z). Keeps the columns.
#ifndef SpectrogramPlot_H
#define SpectrogramPlot_H

#include "AnalysisPlot.h"
#include "SpectrogramColumns.h"
#include "SpectrogramRequest.h"

class SpectrogramPlot : public AnalysisPlot {
 public:
  // Computes the spectrogram of a checked request into at most iColumns columns (0: one per frame)
  // of the time range [iTimeMin, iTimeMax] (NaN: the signal's); false with oError.
  bool Compute(const SpectrogramRequest& iRequest, int iColumns, double iTimeMin, double iTimeMax,
               RequestError& oError, std::vector<std::string>& ioWarnings);

  const SpectrogramColumns& GetColumns() const { return _Columns; }

 private:
  SpectrogramColumns _Columns;
};

#endif
