// Reading HDF5 files: the first draw of a curve whose y values are a contiguous dataset, mapped
// where it lies (compare with BM_CurveFirstDraw of the same run, whose y values are in memory),
// and the read of a chunked, gzip-compressed dataset into the kept doubles (compare with
// BM_Hdf5ReadBaseline, the HDF5 library's own read of the whole dataset into a buffer it is given,
// allocated for each read as a whole-dataset read must). The
// files hold the yardstick's y = sin(0.001 i), written once into the temporary folder.
#include <benchmark/benchmark.h>
#include <hdf5.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "ArrayVector.h"
#include "CAT2DViewpoint.h"
#include "CATMathBox2D.h"
#include "DataFile.h"
#include "NumericArray.h"
#include "QVTFdd2DCurveGP.h"
#include "RecordingRender.h"
#include "RefPtr.h"
#include "YardstickVectors.h"

namespace {

const int kWidth = 1000;
const int kHeight = 600;
const CATMathBox2D kDisplayBox(0.0, kWidth, 0.0, kHeight);
const CAT2DViewpoint kViewpoint(CATMathPoint2D(0.5 * kWidth, 0.5 * kHeight), 1.0);

// An HDF5 file of n yardstick values, contiguous or in gzip-compressed chunks of 2^16 values.
std::string WriteFile(unsigned int n, bool iChunked) {
  const std::string lPath = "/tmp/fdd-bench-" + std::to_string(getpid()) + (iChunked ? "-gzip-" : "-") +
                            std::to_string(n) + ".h5";
  const YardstickVectors lData(n);
  std::vector<double> lValues(n);
  lData.Y->GetValues(0, n, lValues.data());
  const hid_t lFile = H5Fcreate(lPath.c_str(), H5F_ACC_TRUNC, H5P_DEFAULT, H5P_DEFAULT);
  const hsize_t lDims[1] = {n}, lChunk[1] = {65536};
  const hid_t lSpace = H5Screate_simple(1, lDims, nullptr);
  const hid_t lCreation = H5Pcreate(H5P_DATASET_CREATE);
  if (iChunked) {
    H5Pset_chunk(lCreation, 1, lChunk);
    H5Pset_shuffle(lCreation);
    H5Pset_deflate(lCreation, 4);
  }
  const hid_t lSet = H5Dcreate2(lFile, "/y", H5T_IEEE_F64LE, lSpace, H5P_DEFAULT, lCreation, H5P_DEFAULT);
  H5Dwrite(lSet, H5T_NATIVE_DOUBLE, H5S_ALL, H5S_ALL, H5P_DEFAULT, lValues.data());
  H5Dclose(lSet);
  H5Pclose(lCreation);
  H5Sclose(lSpace);
  H5Fclose(lFile);
  return lPath;
}

// The file of one case, removed with the case.
struct File {
  File(unsigned int n, bool iChunked) : Path(WriteFile(n, iChunked)) {}
  ~File() { std::remove(Path.c_str()); }
  std::string Path;
};

}  // namespace

static void BM_Hdf5CurveFirstDraw(benchmark::State& state) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const File lFile(n, false);
  const YardstickVectors lData(n);
  std::string lError;
  const RefPtr<NumericArray> lArray(DataFile::LoadVector(lFile.Path + ":/y", lError));
  if (!lArray || !lArray->IsMapped()) return state.SkipWithError(("not mapped: " + lError).c_str());
  const RefPtr<ArrayVector> lY(new ArrayVector(lArray.Get(), 0, n));
  const CATMathBox2D lDataBox(0.0, n > 1 ? n - 1.0 : 1.0, -1.0, 1.0);
  RecordingRender lRender(kWidth, kHeight);
  lRender.SetViewpoint(&kViewpoint, nullptr);
  for (auto _ : state) {
    const RefPtr<QVTFdd2DCurveGP> lCurve(
        new QVTFdd2DCurveGP(lDataBox, kDisplayBox, QVTFdd2DCurveGP::ReduceAlongX, lData.X.Get(), lY.Get()));
    lCurve->Draw(lRender);
    benchmark::DoNotOptimize(lRender.Calls().data());
    lRender.Clear();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}
BENCHMARK(BM_Hdf5CurveFirstDraw)->Arg(10000000)->Unit(benchmark::kMillisecond);

// Times iRead(path, n) of the chunked gzip file of the case's n values.
template <class Read>
void TimeChunkedRead(benchmark::State& state, Read iRead) {
  const unsigned int n = static_cast<unsigned int>(state.range(0));
  const File lFile(n, true);
  for (auto _ : state)
    if (!iRead(lFile.Path, n)) return state.SkipWithError("the read failed");
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * n);
}

static void BM_Hdf5ReadBaseline(benchmark::State& state) {
  TimeChunkedRead(state, [](const std::string& iPath, unsigned int n) {
    // A fresh buffer each time, as any whole-dataset read needs (h5py's d[()] too), not zeroed.
    std::unique_ptr<double[]> lBuffer(new double[n]);
    const hid_t lHdf5 = H5Fopen(iPath.c_str(), H5F_ACC_RDONLY, H5P_DEFAULT);
    const hid_t lSet = H5Dopen2(lHdf5, "/y", H5P_DEFAULT);
    const herr_t lRead = H5Dread(lSet, H5T_NATIVE_DOUBLE, H5S_ALL, H5S_ALL, H5P_DEFAULT, lBuffer.get());
    H5Dclose(lSet);
    H5Fclose(lHdf5);
    benchmark::DoNotOptimize(lBuffer.get());
    return lRead >= 0;
  });
}
BENCHMARK(BM_Hdf5ReadBaseline)->Arg(10000000)->Unit(benchmark::kMillisecond);

static void BM_Hdf5ChunkedRead(benchmark::State& state) {
  TimeChunkedRead(state, [](const std::string& iPath, unsigned int n) {
    std::string lError;
    const RefPtr<NumericArray> lArray(DataFile::LoadVector(iPath + ":/y", lError));
    if (lArray) benchmark::DoNotOptimize(lArray->GetValue(n - 1));
    return bool(lArray);
  });
}
BENCHMARK(BM_Hdf5ChunkedRead)->Arg(10000000)->Unit(benchmark::kMillisecond);
