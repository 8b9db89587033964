#include <gtest/gtest.h>

#include <matio.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "DataFile.h"
#include "MeasurementFiles.h"
#include "NumericArray.h"
#include "RefPtr.h"

namespace {

std::vector<double> Values(const NumericArray& iArray) {
  std::vector<double> lValues(iArray.GetSize());
  iArray.GetValues(0, lValues.size(), lValues.data());
  return lValues;
}

// The values of a .npy file the writers wrote next to the measurement files.
std::vector<double> Npy(const std::string& iPath) {
  std::string lError;
  RefPtr<NumericArray> lArray(DataFile::LoadMatrix(iPath, lError));
  if (!lArray) lArray = RefPtr<NumericArray>(DataFile::LoadVector(iPath, lError));
  EXPECT_TRUE(lArray) << lError;
  return lArray ? Values(*lArray) : std::vector<double>();
}

class MeasurementFileTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string lError;
    _Dir = MeasurementFiles::Folder(lError);
    ASSERT_FALSE(_Dir.empty()) << lError;
  }
  std::string _Dir;
};

}  // namespace

TEST_F(MeasurementFileTest, EveryFormatReadsTheValuesItsWriterWrote) {
  struct Case {
    std::string file, values, x;  // x: the X the file brings, "" for none
    bool mapped;
  };
  const std::vector<Case> lCases = {
      {"run.h5:/bench/speed", "speed.npy", "time.npy", true},  // contiguous, with a dimension scale
      {"run.h5:bench/speed", "speed.npy", "time.npy", true},   // the leading '/' is optional
      {"run.h5:/bench/data:2", "column2.npy", "", false},      // a column of a 2-D dataset
      {"run.h5:/bench/gzip", "speed.npy", "", false},          // chunked, gzip and shuffle
      {"run.h5:/bench/big", "speed.npy", "", false},           // big-endian int32, scaled below
      {"run.h5:/bench/float", "speed.npy", "", true},          // big-endian float32, mapped
      {"run.h5:/bench/int16", "speed.npy", "", true},
      {"one.h5", "speed.npy", "", true},  // a single dataset needs no name
      {"v4.mat:speed", "speed.npy", "", false},
      {"v5.mat:speed", "speed.npy", "", false},
      {"v5.mat:bench.speed", "speed.npy", "", false},  // a struct's field
      {"v5z.mat", "speed.npy", "", false},             // compressed, single, the only variable
      {"rec.wav:1", "speed.npy", "seconds.npy", false},
      {"rec.wav:2", "channel2.npy", "seconds.npy", false},
      {"rec24.wav:1", "speed.npy", "seconds.npy", false},
      {"rec32.wav:2", "channel2.npy", "seconds.npy", false},
      {"recf.wav:1", "speed.npy", "seconds.npy", false},
      {"rec.flac:2", "channel2.npy", "seconds.npy", false},
      {"mono.wav", "speed.npy", "seconds.npy", false},
  };
  for (const Case& c : lCases) {
    std::string lError, lName;
    DataAxis lX;
    RefPtr<NumericArray> lArray(DataFile::LoadVector(_Dir + c.file, lError, lName, &lX));
    ASSERT_TRUE(lArray) << c.file << ": " << lError;
    EXPECT_EQ(lArray->IsMapped(), c.mapped) << c.file;
    std::vector<double> lExpected = Npy(_Dir + c.values), lValues = Values(*lArray);
    // Integers are read as the integers they are: the writer stored samples times 32768.
    if (c.file.find("big") != std::string::npos || c.file.find("int16") != std::string::npos)
      for (double& v : lValues) v /= 32768.0;
    EXPECT_EQ(lValues, lExpected) << c.file;
    EXPECT_EQ(lX.IsGiven(), !c.x.empty()) << c.file;
    if (c.x.empty() || !lX.IsGiven()) continue;
    std::vector<double> lTimes(lArray->GetRows());
    for (size_t i = 0; i < lTimes.size(); ++i) lTimes[i] = lX.Values ? lX.Values->GetValue(i) : i / lX.Rate;
    EXPECT_EQ(lTimes, Npy(_Dir + c.x)) << c.file;
  }
}

TEST_F(MeasurementFileTest, MatricesComeWithTheAxesTheFileBrings) {
  struct Case {
    std::string file;
    bool axes;
  };
  for (const Case& c : std::vector<Case>{{"run.h5:/map", true}, {"v5.mat:bench.values", false}, {"v4.mat:values", false}}) {
    std::string lError;
    DataAxis lX, lZ;
    RefPtr<NumericArray> lArray(DataFile::LoadMatrix(_Dir + c.file, lError, &lX, &lZ));
    ASSERT_TRUE(lArray) << c.file << ": " << lError;
    ASSERT_TRUE(lArray->IsMatrix()) << c.file;
    EXPECT_EQ(lArray->GetRows(), 12u) << c.file;
    EXPECT_EQ(Values(*lArray), Npy(_Dir + "values.npy")) << c.file;
    ASSERT_EQ(lX.IsGiven() && lZ.IsGiven(), c.axes) << c.file;
    if (c.axes) {
      EXPECT_EQ(Values(*lX.Values), Npy(_Dir + "mapx.npy"));
      EXPECT_EQ(Values(*lZ.Values), Npy(_Dir + "mapz.npy"));
    }
  }
}

TEST_F(MeasurementFileTest, BadFilesAndNamesAreOneLineNamingTheFile) {
  struct Case {
    std::string file;
    std::vector<std::string> words;
  };
  const std::vector<Case> lCases = {
      {"run.h5:/bench/sped", {"no dataset /bench/sped; there are /bench/speed"}},
      {"run.h5", {"datasets", "choose one with"}},
      {"run.h5:/text", {"/text holds strings"}},
      {"run.h5:/record", {"/record holds compound"}},
      {"run.h5:/cube", {"3-D (2 x 2 x 2)"}},
      {"run.h5:/empty", {"empty"}},
      {"run.h5:/bench/speed:1", {"1-D", "no column '1'"}},
      {"run.h5:/bench/data:7", {"no column '7'"}},
      {"cut.h5", {"cannot be read as an HDF5 file"}},
      {"text.mat", {"not a MATLAB file"}},
      {"v5cut.mat:speed", {"claims", "bytes"}},  // checked before matio allocates what it claims
      {"v4cut.mat:speed", {"truncated", "claims"}},
      {"v5.mat:bench.sped", {"no variable bench.sped; there are bench.speed"}},
      {"rec.wav:3", {"no channel 3; there are 1, 2"}},
      {"rec.wav", {"2 channels", "rec.wav:CHANNEL"}},
      {"cut.wav:1", {"truncated"}},
      {"claim.flac:1", {"truncated", "could be read"}},  // not an allocation of what the header claims
  };
  for (const Case& c : lCases) {
    std::string lError, lName;
    RefPtr<NumericArray> lArray(DataFile::LoadVector(_Dir + c.file, lError, lName));
    EXPECT_FALSE(lArray) << c.file;
    const std::string lPath = _Dir + c.file.substr(0, c.file.find(':'));
    EXPECT_EQ(lError.rfind(lPath + ": ", 0), 0u) << lError;
    EXPECT_EQ(lError.find('\n'), std::string::npos) << lError;
    for (const std::string& lWord : c.words) EXPECT_NE(lError.find(lWord), std::string::npos) << lError;
  }
}

// No other program writes MATLAB 7.3 files: matio writes one, h5py reads it back for reference.
TEST_F(MeasurementFileTest, MatlabHdf5FilesReadAsH5pyReadsThem) {
  const std::string lPath = _Dir + "v73.mat";
  mat_t* lMat = Mat_CreateVer(lPath.c_str(), nullptr, MAT_FT_MAT73);
  ASSERT_NE(lMat, nullptr);
  std::vector<double> lMatrix(12);
  for (size_t i = 0; i < lMatrix.size(); ++i) lMatrix[i] = i * 0.25;  // 3 x 4, column by column
  size_t lDims[2] = {3, 4};
  matvar_t* lVariable = Mat_VarCreate("m", MAT_C_DOUBLE, MAT_T_DOUBLE, 2, lDims, lMatrix.data(), 0);
  Mat_VarWrite(lMat, lVariable, MAT_COMPRESSION_NONE);
  Mat_VarFree(lVariable);
  Mat_Close(lMat);
  const std::string lCommand = "/usr/bin/python3 -c \"import h5py, numpy; numpy.save('" + _Dir +
                               "v73.npy', numpy.ascontiguousarray(h5py.File('" + lPath + "')['m'][()].T))\"";
  ASSERT_EQ(std::system(lCommand.c_str()), 0);
  std::string lError;
  RefPtr<NumericArray> lArray(DataFile::LoadMatrix(lPath + ":m", lError));
  ASSERT_TRUE(lArray) << lError;
  EXPECT_EQ(lArray->GetRows(), 3u);
  EXPECT_TRUE(lArray->IsMapped() || lArray->GetSize() == 12);
  EXPECT_EQ(Values(*lArray), Npy(_Dir + "v73.npy"));
  RefPtr<NumericArray> lColumn(DataFile::LoadVector(lPath + ":m:1", lError));
  ASSERT_TRUE(lColumn) << lError;
  EXPECT_EQ(Values(*lColumn), (std::vector<double>{0.75, 1.0, 1.25}));
}
