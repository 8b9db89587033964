// The real-to-complex transforms of one size, through FFTW in double precision. Plans are made
// once per size and kept for the program's life (making one is not thread-safe in FFTW, so it is
// done under a lock); executing one is, so each user brings its own buffers, allocated here with
// the alignment the plans were made for.
#ifndef RealFft_H
#define RealFft_H

#include <complex>
#include <memory>

class RealFft {
 public:
  // The transform of iSize real samples into iSize / 2 + 1 complex bins; null when it cannot be
  // planned (no memory).
  static const RealFft* For(int iSize);
  ~RealFft();
  RealFft(const RealFft&) = delete;
  RealFft& operator=(const RealFft&) = delete;

  int GetSize() const { return _Size; }
  int GetBins() const { return _Size / 2 + 1; }

  // Buffers aligned for the plans: GetSize() samples, GetBins() bins.
  struct Free {
    void operator()(void* iBuffer) const;
  };
  using Samples = std::unique_ptr<double[], Free>;
  using Bins = std::unique_ptr<std::complex<double>[], Free>;
  Samples NewSamples() const;
  Bins NewBins() const;

  // Transforms iSamples (which it may overwrite) into oBins; both from NewSamples and NewBins.
  void Execute(double* iSamples, std::complex<double>* oBins) const;

 private:
  RealFft(int iSize, void* iPlan) : _Size(iSize), _Plan(iPlan) {}

  int _Size;
  void* _Plan;
};

#endif
