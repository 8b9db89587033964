#include "AnalysisTestSignals.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "DataFile.h"
#include "NumericArray.h"

RefPtr<ArrayVector> SignalOf(std::vector<double> iValues) {
  const unsigned int n = static_cast<unsigned int>(iValues.size());
  RefPtr<NumericArray> lArray(NumericArray::FromValues(std::move(iValues), n, 1, false));
  return RefPtr<ArrayVector>(new ArrayVector(lArray.Get(), 0, n));
}

std::vector<double> ReadNpy(const std::string& iPath) {
  std::string lError;
  RefPtr<NumericArray> lArray(DataFile::LoadMatrix(iPath, lError));
  if (!lArray) lArray = RefPtr<NumericArray>(DataFile::LoadVector(iPath, lError));
  std::vector<double> lValues;
  if (!lArray) return lValues;
  lValues.resize(lArray->GetSize());
  lArray->GetValues(0, lArray->GetSize(), lValues.data());
  return lValues;
}

std::string AnalysisDir() {
  const std::string lDir = std::string(FDD_TEST_OUTPUT_DIR) + "/analysis/";
  std::filesystem::create_directories(lDir);
  return lDir;
}

int RunPython(const std::string& iName, const std::string& iScript, const std::string& iArguments) {
  const std::string lPath = AnalysisDir() + iName;
  std::ofstream(lPath) << iScript;
  const int lStatus = std::system(("/usr/bin/python3 " + lPath + " " + iArguments).c_str());
  return WIFEXITED(lStatus) ? WEXITSTATUS(lStatus) : -1;
}
