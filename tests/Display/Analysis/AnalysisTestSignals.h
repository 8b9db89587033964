// Signals for the analysis tests: values as an ArrayVector, and the reference arrays a Python
// script with scipy writes at test time, read back.
#ifndef AnalysisTestSignals_H
#define AnalysisTestSignals_H

#include <string>
#include <vector>

#include "ArrayVector.h"
#include "RefPtr.h"

// iValues as a signal.
RefPtr<ArrayVector> SignalOf(std::vector<double> iValues);
// All values of a .npy file (C order); empty when it cannot be read.
std::vector<double> ReadNpy(const std::string& iPath);
// Runs /usr/bin/python3 on iScript (its text) with iArguments; its exit status.
int RunPython(const std::string& iName, const std::string& iScript, const std::string& iArguments);
// The folder of these tests' files, with a trailing slash.
std::string AnalysisDir();

#endif
