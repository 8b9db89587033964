// The mapping of a strip of iLength pixels, pixel 0 at iMinLimit and pixel iLength - 1 at
// iMaxLimit, onto the samples of a sorted argument vector: one pixel job per pixel. The mapping
// keeps only the visible pixels (and one spare job) in memory, in a virtual vector, whatever the
// number of samples or how far outside the strip they lie.
#ifndef QVTFddComputePixelJobs_H
#define QVTFddComputePixelJobs_H

#include "QVTFddPixelJob.h"

class CATSamIDoubleVector;

// Pixel of iValue on a strip of iLength pixels: (iValue - iMinLimit) * (iLength - 1) /
// (iMaxLimit - iMinLimit) + 0.5, truncated toward zero and saturated (NaN gives the negative
// bound). Logs when iMinLimit or iMaxLimit do not land on the first or last pixel.
int QVTFddValueToPixel(double iValue, double iMinLimit, double iMaxLimit, int iLength);

// The position QVTFddValueToPixel rounds, (iValue - iMinLimit) * (iLength - 1) / (iMaxLimit -
// iMinLimit); finite for limits at the ends of the doubles (-1e308, 1e308) too.
double QVTFddPixelPosition(double iValue, double iMinLimit, double iMaxLimit, int iLength);

// Writes the job of every pixel of pJobs (iLength jobs, allocated and default-constructed by the
// caller) for the ascending argument vector iVector over [iMinLimit, iMaxLimit]; iInterpolate
// non-zero interpolates in gaps, 0 takes the nearer sample. On a precondition or consistency
// failure (logged) pJobs keeps what the caller put there.
void QVTFddComputePixelJobs(const CATSamIDoubleVector* iVector, double iMinLimit, double iMaxLimit,
                            int iInterpolate, QVTFddPixelJob* pJobs, int iLength);

#endif
