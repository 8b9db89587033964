// The windows of spectral analysis, in their periodic form (the DFT-even form that spectral
// estimation uses, one sample shorter than the symmetric window of a filter): rect, hann, hamming,
// blackman and the five-term flat top. Each is a sum of cosines; the flat top reads the amplitude
// of a sine between bins within a fraction of a decibel. Static functions only.
#ifndef WindowFunction_H
#define WindowFunction_H

#include <string>
#include <vector>

class WindowFunction {
 public:
  enum eKind { eHann, eHamming, eBlackman, eFlatTop, eRect };

  // "hann|hamming|blackman|flattop|rect", the names in the order of the kinds.
  static const char* Names();
  // The kind named iName; false for a name that is none.
  static bool FromName(const std::string& iName, eKind& oKind);
  // The iLength values of the window (empty when the heap is exhausted).
  static std::vector<double> Values(eKind iKind, int iLength);
  // Half the width of the main lobe, in bins: the bins around a line that hold its energy.
  static int LobeHalfWidth(eKind iKind);
};

#endif
