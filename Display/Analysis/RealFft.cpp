#include "RealFft.h"

#include <fftw3.h>

#include <map>
#include <mutex>
#include <new>

namespace {

std::mutex& PlanMutex() {
  static std::mutex sMutex;
  return sMutex;
}

}  // namespace

const RealFft* RealFft::For(int iSize) {
  if (iSize < 1) return nullptr;
  const std::lock_guard<std::mutex> lLock(PlanMutex());
  // Kept for the program's life: users hold pointers to them without counting.
  static std::map<int, std::unique_ptr<RealFft>> sPlans;
  const auto lFound = sPlans.find(iSize);
  if (lFound != sPlans.end()) return lFound->second.get();
  double* lIn = fftw_alloc_real(static_cast<size_t>(iSize));
  fftw_complex* lOut = fftw_alloc_complex(static_cast<size_t>(iSize / 2 + 1));
  // Estimated, not measured: planning stays quick and leaves the buffers alone.
  fftw_plan lPlan = lIn && lOut ? fftw_plan_dft_r2c_1d(iSize, lIn, lOut, FFTW_ESTIMATE) : nullptr;
  fftw_free(lIn);
  fftw_free(lOut);
  if (!lPlan) return nullptr;
  std::unique_ptr<RealFft> lFft(new (std::nothrow) RealFft(iSize, lPlan));
  if (!lFft) {
    fftw_destroy_plan(lPlan);
    return nullptr;
  }
  return (sPlans[iSize] = std::move(lFft)).get();
}

// At the program's end, with the kept plans.
RealFft::~RealFft() { fftw_destroy_plan(static_cast<fftw_plan>(_Plan)); }

void RealFft::Free::operator()(void* iBuffer) const { fftw_free(iBuffer); }

RealFft::Samples RealFft::NewSamples() const {
  return Samples(static_cast<double*>(fftw_malloc(sizeof(double) * static_cast<size_t>(_Size))));
}

RealFft::Bins RealFft::NewBins() const {
  return Bins(static_cast<std::complex<double>*>(fftw_malloc(sizeof(fftw_complex) * static_cast<size_t>(GetBins()))));
}

void RealFft::Execute(double* iSamples, std::complex<double>* oBins) const {
  fftw_execute_dft_r2c(static_cast<fftw_plan>(_Plan), iSamples, reinterpret_cast<fftw_complex*>(oBins));
}
