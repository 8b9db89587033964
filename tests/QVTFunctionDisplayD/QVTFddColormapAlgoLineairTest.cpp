#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "QVTFddColormapAlgoLineair.h"
#include "QVTFddColormapTestAxis.h"
#include "QVTFddConstants.h"
#include "QVTFddModule.h"
#include "QVTFddTestLog.h"
#include "QVTFddTestRelease.h"

namespace {

typedef QVTFddColormapAlgoLineair Algo;
typedef QVTFddColormapTestAxis TestAxis;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Cells v(i, k) of an nx x nz matrix, in the in-memory matrix's layout (Z index fastest).
std::vector<double> Cells(int nx, int nz, const std::function<double(int, int)>& v) {
  std::vector<double> lCells;
  for (int i = 0; i < nx; ++i)
    for (int k = 0; k < nz; ++k) lCells.push_back(v(i, k));
  return lCells;
}

// The data and the axis of a test; reference counts are checked to be back at one.
template <class TX, class TV>
struct MapData {
  MapData(TX* iX, const std::vector<double>& iZ, TV* iV)
      : X(iX), Z(new MemoryDoubleVector(iZ)), V(iV), Axis(new TestAxis()) {}
  ~MapData() { ExpectLastAndRelease({X, Z, V, Axis}); }
  MapData(const MapData&) = delete;
  MapData& operator=(const MapData&) = delete;

  std::unique_ptr<Algo> New(int iWidth, int iHeight, double iXMin, double iXMax, double iZMin, double iZMax,
                            int iXInterpolate = 1, int iZInterpolate = 1) {
    return std::unique_ptr<Algo>(
        new Algo(X, iXMin, iXMax, iXInterpolate, Z, iZMin, iZMax, iZInterpolate, V, iWidth, iHeight, Axis));
  }

  TX* X;
  MemoryDoubleVector* Z;
  TV* V;
  TestAxis* Axis;
};

struct HomData : MapData<MemoryDoubleVector, MemoryDoubleMatrix> {
  HomData(const std::vector<double>& iX, const std::vector<double>& iZ, const std::vector<double>& iCells)
      : MapData(new MemoryDoubleVector(iX), iZ,
                new MemoryDoubleMatrix(static_cast<unsigned int>(iX.size()), static_cast<unsigned int>(iZ.size()),
                                       iCells)) {}
  HomData(const std::vector<double>& iX, const std::vector<double>& iZ, const std::function<double(int, int)>& v)
      : HomData(iX, iZ, Cells(static_cast<int>(iX.size()), static_cast<int>(iZ.size()), v)) {}
};

// Non-homogeneous value rows that count how often a row is handed out.
class CountingRows : public MemoryDouble2DDim2NH {
 public:
  using MemoryDouble2DDim2NH::MemoryDouble2DDim2NH;
  CATSamIDoubleVector* GetRow(unsigned int iRow) const override {
    ++Calls;
    return iRow == Missing ? nullptr : MemoryDouble2DDim2NH::GetRow(iRow);
  }
  mutable int Calls = 0;
  unsigned int Missing = ~0u;  // a row that has no vector
};

struct NonHomData : MapData<MemoryDouble1p5D, CountingRows> {
  NonHomData(const std::vector<std::vector<double>>& iX, const std::vector<double>& iZ,
             const std::vector<std::vector<double>>& iRows)
      : MapData(new MemoryDouble1p5D(iX), iZ, new CountingRows(iRows)) {}
};

// Samples whose pixel jobs over [0, 8] on 9 pixels are, pixel by pixel: index 0; range 1..3;
// interpolation 3 -> 4 at 1/3 and 2/3; index 4; index 5; then empty (pixels 6 to 8).
const std::vector<double> kJobSamples = {0, 1, 1.2, 1.4, 4, 5};
// One pixel of each job type on that strip.
enum { kIndexPixel = 0, kRangePixel = 1, kInterpolationPixel = 2, kEmptyPixel = 6 };

// v(i, k) = f(i) + g(k): maxima and interpolations over the matrix are sums of those along the
// two axes, and the maxima of both lie inside their ranges, not at an end.
const double f[] = {0, 10, 30, 20, 40, 50};
const double g[] = {0, 1, 3, 2, 4, 5};
double Additive(int i, int k) { return f[i] + g[k]; }

int Width(const CATPixelImage& iImage) {
  int w = 0, h = 0;
  iImage.GetSize(w, h);
  return w;
}
int Height(const CATPixelImage& iImage) {
  int w = 0, h = 0;
  iImage.GetSize(w, h);
  return h;
}

}  // namespace

TEST(QVTFddColormapAlgoLineair, DispatchTableCellByCell) {
  HomData d(kJobSamples, kJobSamples, Additive);
  std::unique_ptr<Algo> lAlgo = d.New(9, 9, 0, 8, 0, 8);
  EXPECT_EQ(lAlgo->GetWidth(), 9);
  EXPECT_EQ(lAlgo->GetHeight(), 9);

  const double lThird = 1.0 / 3.0;
  // Along each axis alone: index, range maximum, interpolation 3 -> 4 at 1/3.
  const double lF[] = {f[0], 30, f[3] + (f[4] - f[3]) * lThird};
  const double lG[] = {g[0], 3, g[3] + (g[4] - g[3]) * lThird};
  const int lPixels[] = {kIndexPixel, kRangePixel, kInterpolationPixel};
  for (int a = 0; a < 3; ++a) {
    for (int b = 0; b < 3; ++b) {
      double lValue = kNaN;
      ASSERT_EQ(lAlgo->GetValue(lPixels[a], lPixels[b], lValue), S_OK) << a << " " << b;
      EXPECT_NEAR(lValue, lF[a] + lG[b], 1e-12) << "X job type " << a << ", Z job type " << b;
    }
    // An empty job on either side: no value.
    double lValue = 12345.0;
    EXPECT_EQ(lAlgo->GetValue(lPixels[a], kEmptyPixel, lValue), E_FAIL);
    EXPECT_EQ(lAlgo->GetValue(kEmptyPixel, lPixels[a], lValue), E_FAIL);
    EXPECT_EQ(lValue, 12345.0);  // not written on failure
  }

  // The image shows the same value in every pixel, and empty jobs are transparent.
  CATPixelImage lImage = lAlgo->MakeBitmap();
  ASSERT_EQ(Width(lImage), 9);
  ASSERT_EQ(Height(lImage), 9);
  EXPECT_EQ(lImage.GetFormat(), 3);
  for (int r = 0; r < 9; ++r) {
    for (int p = 0; p < 9; ++p) {
      double lValue = kNaN;
      const long lResult = lAlgo->GetValue(p, r, lValue);
      const double lShown = TestAxis::ValueOf(lImage, p, r);
      if (p >= kEmptyPixel || r >= kEmptyPixel) {
        EXPECT_EQ(lResult, E_FAIL);
        const unsigned char* lRgba = lImage.GetPixels() + (r * 9 + p) * 4;
        EXPECT_EQ(lRgba[0] + lRgba[1] + lRgba[2] + lRgba[3], 0) << p << " " << r;
      } else {
        ASSERT_EQ(lResult, S_OK);
        EXPECT_EQ(lShown, TestAxis::Shown(lValue)) << p << " " << r;
      }
    }
  }
  // One colour lookup per pixel with a value: 6 x 6.
  EXPECT_EQ(d.Axis->Calls, 36);
  // Rows run along Z, columns along X: pixel (p = 4, r = 5) is v(4, 5).
  EXPECT_EQ(TestAxis::ValueOf(lImage, 4, 5), f[4] + g[5]);
}

TEST(QVTFddColormapAlgoLineair, NearestSampleInGapsWithoutInterpolation) {
  HomData d(kJobSamples, kJobSamples, Additive);
  std::unique_ptr<Algo> lAlgo = d.New(9, 9, 0, 8, 0, 8, 0, 1);
  double lValue = kNaN;
  // A gap of two pixels goes wholly to the earlier sample (3).
  ASSERT_EQ(lAlgo->GetValue(2, 0, lValue), S_OK);
  EXPECT_EQ(lValue, f[3]);
  ASSERT_EQ(lAlgo->GetValue(3, 0, lValue), S_OK);
  EXPECT_EQ(lValue, f[3]);
  // Z still interpolates.
  ASSERT_EQ(lAlgo->GetValue(0, 2, lValue), S_OK);
  EXPECT_NEAR(lValue, g[3] + (g[4] - g[3]) / 3.0, 1e-12);
}

TEST(QVTFddColormapAlgoLineair, MaximaSkipNaNWhereverItStands) {
  // NaN in the first cell of every range, and one row and one column of NaN only.
  HomData d(kJobSamples, kJobSamples, [](int i, int k) {
    if (i == 1 || k == 1) return kNaN;  // the first sample of the X and Z ranges
    if (i == 5 || k == 5) return kNaN;  // pixel 5 of each axis: no number at all there
    return Additive(i, k);
  });
  std::unique_ptr<Algo> lAlgo = d.New(9, 9, 0, 8, 0, 8);
  CATPixelImage lImage = lAlgo->MakeBitmap();
  double lValue = kNaN;

  // X range x Z index: the NaN first cell is skipped (it used to leave the whole maximum NaN).
  ASSERT_EQ(lAlgo->GetValue(kRangePixel, kIndexPixel, lValue), S_OK);
  EXPECT_EQ(lValue, 30.0);
  EXPECT_EQ(TestAxis::ValueOf(lImage, kRangePixel, kIndexPixel), 30.0);
  // X index x Z range, range x range: the same.
  ASSERT_EQ(lAlgo->GetValue(kIndexPixel, kRangePixel, lValue), S_OK);
  EXPECT_EQ(lValue, 3.0);
  ASSERT_EQ(lAlgo->GetValue(kRangePixel, kRangePixel, lValue), S_OK);
  EXPECT_EQ(lValue, 33.0);
  // Range x interpolation, interpolation x range: NaN candidates are skipped.
  ASSERT_EQ(lAlgo->GetValue(kRangePixel, kInterpolationPixel, lValue), S_OK);
  EXPECT_NEAR(lValue, 30 + g[3] + (g[4] - g[3]) / 3.0, 1e-12);
  ASSERT_EQ(lAlgo->GetValue(kInterpolationPixel, kRangePixel, lValue), S_OK);
  EXPECT_NEAR(lValue, f[3] + (f[4] - f[3]) / 3.0 + 3, 1e-12);

  // A NaN under an index pair: transparent, and the value NaN is reported with success.
  ASSERT_EQ(lAlgo->GetValue(5, kIndexPixel, lValue), S_OK);
  EXPECT_TRUE(std::isnan(lValue));
  EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, 5, kIndexPixel)));
  // An interpolation towards NaN is NaN.
  EXPECT_EQ(lAlgo->GetValue(kInterpolationPixel, 5, lValue), S_OK);
  EXPECT_TRUE(std::isnan(lValue));
  EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, kInterpolationPixel, 5)));
}

TEST(QVTFddColormapAlgoLineair, MaximumWithoutANumberIsTransparent) {
  HomData d(kJobSamples, kJobSamples, [](int i, int k) { return (i >= 1 && i <= 3) || k == 1 ? kNaN : 1.0; });
  std::unique_ptr<Algo> lAlgo = d.New(9, 9, 0, 8, 0, 8);
  CATPixelImage lImage = lAlgo->MakeBitmap();
  // Every cell of the X range is NaN: in each Z job type the pixel has no number.
  for (int r : {kIndexPixel, kRangePixel, kInterpolationPixel}) {
    double lValue = 0.0;
    ASSERT_EQ(lAlgo->GetValue(kRangePixel, r, lValue), S_OK);
    EXPECT_TRUE(std::isnan(lValue)) << r;
    EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, kRangePixel, r))) << r;
  }
  // An index x range pixel whose only number is a later cell shows it.
  double lValue = 0.0;
  ASSERT_EQ(lAlgo->GetValue(kIndexPixel, kRangePixel, lValue), S_OK);
  EXPECT_EQ(lValue, 1.0);
}

TEST(QVTFddColormapAlgoLineair, MinusInfinityEverywhereIsMinusInfinityInEveryJob) {
  // No maximum is floored at the lowest double: the probe says what the bottom colour means.
  HomData d(kJobSamples, kJobSamples, [](int, int) { return -kInf; });
  std::unique_ptr<Algo> lAlgo = d.New(9, 9, 0, 8, 0, 8);
  for (int p : {kIndexPixel, kRangePixel, kInterpolationPixel})
    for (int r : {kIndexPixel, kRangePixel, kInterpolationPixel}) {
      double lValue = 0.0;
      ASSERT_EQ(lAlgo->GetValue(p, r, lValue), S_OK);
      EXPECT_EQ(lValue, -kInf) << p << " " << r;
    }
}

TEST(QVTFddColormapAlgoLineair, AnInfinityTakesEveryPixelItTouches) {
  // One infinite cell at sample (3, 3) among zeros: it lies in the range of pixel 1 and at the
  // start of the interpolation of pixels 2 and 3 along both axes, so those nine pixels show it,
  // whatever job they combine, but for minus infinity under a range, whose maximum is a zero; the
  // others show 0.
  for (double lInfinity : {kInf, -kInf})
    for (int lThreads : {1, 2}) {
      HomData d(kJobSamples, kJobSamples, [&](int i, int k) { return i == 3 && k == 3 ? lInfinity : 0.0; });
      std::unique_ptr<Algo> lAlgo = d.New(9, 9, 0, 8, 0, 8);
      lAlgo->SetThreads(lThreads);
      const CATPixelImage lImage = lAlgo->MakeBitmap();
      for (int r = 0; r < kEmptyPixel; ++r)
        for (int p = 0; p < kEmptyPixel; ++p) {
          const bool lTouched = p >= 1 && p <= 3 && r >= 1 && r <= 3;
          const bool lRange = p == kRangePixel || r == kRangePixel;
          const double lExpected = lTouched && !(lRange && lInfinity < 0) ? lInfinity : 0.0;
          double lValue = kNaN;
          ASSERT_EQ(lAlgo->GetValue(p, r, lValue), S_OK);
          EXPECT_EQ(lValue, lExpected) << lInfinity << " pixel " << p << ", " << r;
          EXPECT_EQ(TestAxis::ValueOf(lImage, p, r), TestAxis::Shown(lExpected)) << lInfinity << " " << p << ", " << r;
        }
    }
}

TEST(QVTFddColormapAlgoLineair, OppositeInfinitiesHaveNoValueBetweenThem) {
  // +inf at X sample 3 and -inf at X sample 4: the pixels interpolated between them have no
  // value, in the picture and in the probe; the range holding +inf keeps it.
  HomData d(kJobSamples, kJobSamples, [](int i, int) { return i == 3 ? kInf : (i == 4 ? -kInf : 0.0); });
  std::unique_ptr<Algo> lAlgo = d.New(9, 9, 0, 8, 0, 8);
  const CATPixelImage lImage = lAlgo->MakeBitmap();
  for (int r : {kIndexPixel, kRangePixel, kInterpolationPixel}) {
    double lValue = 0.0;
    ASSERT_EQ(lAlgo->GetValue(kInterpolationPixel, r, lValue), S_OK);
    EXPECT_TRUE(std::isnan(lValue)) << r;
    EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, kInterpolationPixel, r))) << r;
    ASSERT_EQ(lAlgo->GetValue(kRangePixel, r, lValue), S_OK);
    EXPECT_EQ(lValue, kInf) << r;
  }
}

TEST(QVTFddColormapAlgoLineair, SizeLimits) {
  std::vector<double> lAxis = {0, 1};
  HomData d(lAxis, lAxis, [](int i, int k) { return i + k; });
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  {
    CATPixelImage lImage = d.New(1999, 3, 0, 1, 0, 1)->MakeBitmap();
    EXPECT_EQ(Width(lImage), 1999);
    EXPECT_EQ(Height(lImage), 3);
    lImage = d.New(3, 1999, 0, 1, 0, 1)->MakeBitmap();
    EXPECT_EQ(Height(lImage), 1999);
  }
  for (int w : {2000, 3, 0, -5, 1 << 30}) {
    for (int h : {3, 2000, 0, -1}) {
      if (w == 3 && h == 3) continue;
      std::unique_ptr<Algo> lAlgo = d.New(w, h, 0, 1, 0, 1);
      EXPECT_TRUE(lAlgo->MakeBitmap().IsEmpty()) << w << " x " << h;
      double lValue = 0.0;
      EXPECT_EQ(lAlgo->GetValue(0.5, 0.5, lValue), E_FAIL) << w << " x " << h;
    }
  }
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore);  // refused silently
}

// Refused data log their check at every call, the image and the value query each in its own
// words, whichever comes first: each refusal says why, not only the first one.
TEST(QVTFddColormapAlgoLineair, MismatchedLengthsAreLoggedAtEveryCallAndRefused) {
  HomData lX({0, 1, 2}, {0, 1}, std::vector<double>(4, 1.0));  // a 3 x 2 matrix of 4 cells is 0 x 0
  HomData lZ({0, 1}, {0, 1, 2}, std::vector<double>(4, 1.0));  // 2 x 2 matrix, 3 Z samples
  lZ.V->Release();
  lZ.V = new MemoryDoubleMatrix(2, 2, {1, 2, 3, 4});
  NonHomData lNonHom({{0, 1}, {0, 1}}, {0, 1, 2}, {{1, 2}, {3, 4}});  // three Z samples for two rows
  const std::unique_ptr<Algo> lXMap = lX.New(10, 10, 0, 2, 0, 1), lZMap = lZ.New(10, 10, 0, 1, 0, 2),
                              lNonHomMap = lNonHom.New(5, 5, 0, 1, 0, 2);
  const struct {
    const char* Name;
    Algo* Map;
    std::string Image, Value;
  } lCases[] = {
      {"X", lXMap.get(), testlog::kLinearXNotMatrix, testlog::kLinearXNotMatrix},
      {"Z", lZMap.get(), testlog::kLinearZNotMatrix, testlog::kLinearValueZNotMatrix},
      {"non-homogeneous Z", lNonHomMap.get(), testlog::kLinearNHZNotMatrix, testlog::kLinearNHZNotMatrix},
  };
  for (const auto& c : lCases) {
    const unsigned long long lBefore = QVTFddModuleLog().Count();
    double lValue = 0.0;
    EXPECT_EQ(c.Map->GetValue(0.5, 0.5, lValue), E_FAIL) << c.Name;
    EXPECT_TRUE(c.Map->MakeBitmap().IsEmpty()) << c.Name;
    EXPECT_EQ(c.Map->GetValue(0.5, 0.5, lValue), E_FAIL) << c.Name;
    EXPECT_TRUE(c.Map->MakeBitmap().IsEmpty()) << c.Name;
    EXPECT_EQ(testlog::Since(lBefore, "QVTFddColormapAlgoLineair"),
              (std::vector<std::string>{c.Value, c.Image, c.Value, c.Image}))
        << c.Name;
  }
  EXPECT_EQ(lNonHom.V->Calls, 2);  // the rows were resampled once
}

TEST(QVTFddColormapAlgoLineair, GetValueStaysInsideTheLimitsAndTheJobs) {
  HomData d({0, 1, 2, 3}, {0, 1}, [](int i, int k) { return 10.0 * i + k; });
  std::unique_ptr<Algo> lAlgo = d.New(4, 2, 0, 3, 0, 1);
  double lValue = kNaN;
  ASSERT_EQ(lAlgo->GetValue(3.0, 1.0, lValue), S_OK);  // exactly the maxima: the last pixel
  EXPECT_EQ(lValue, 31.0);
  ASSERT_EQ(lAlgo->GetValue(0.0, 0.0, lValue), S_OK);
  EXPECT_EQ(lValue, 0.0);
  for (double x : {3.0000001, -1e-9, kNaN, kInf}) EXPECT_EQ(lAlgo->GetValue(x, 0.5, lValue), E_FAIL) << x;
  for (double z : {1.0000001, -1e-9, kNaN, -kInf}) EXPECT_EQ(lAlgo->GetValue(1.0, z, lValue), E_FAIL) << z;

  // Equal limits put the point on no pixel of the strip: refused, nothing read outside the jobs.
  std::unique_ptr<Algo> lFlat = d.New(4, 2, 2, 2, 0, 1);
  EXPECT_EQ(lFlat->GetValue(2.0, 0.5, lValue), E_FAIL);
  // Limits at the ends of the doubles: every sample lies in the middle pixel, which shows their largest.
  std::unique_ptr<Algo> lHuge = d.New(4, 2, -QVTFddDoubleMax, QVTFddDoubleMax, 0, 1);
  EXPECT_EQ(lHuge->GetValue(0.0, 0.5, lValue), S_OK);
  EXPECT_EQ(lValue, 31.0);
}

TEST(QVTFddColormapAlgoLineair, OneByOneMapShowsAndAnswersItsSample) {
  // One sample at (3, 3) in limits around it: its pixel has its value, the others none.
  HomData d({3}, {3}, {7});
  std::unique_ptr<Algo> lAlgo = d.New(11, 11, 2.5, 3.5, 2.5, 3.5);
  double lValue = 0.0;
  EXPECT_EQ(lAlgo->GetValue(3.0, 3.0, lValue), S_OK);
  EXPECT_EQ(lValue, 7.0);
  EXPECT_EQ(lAlgo->GetValue(2.6, 3.0, lValue), E_FAIL);
  const CATPixelImage lImage = lAlgo->MakeBitmap();
  ASSERT_FALSE(lImage.IsEmpty());
  int lOpaque = 0;
  for (int i = 0; i < 11 * 11; ++i) lOpaque += lImage.GetPixels()[4 * i + 3] == 255 ? 1 : 0;
  EXPECT_EQ(lOpaque, 1);
}

TEST(QVTFddColormapAlgoLineair, MissingPiecesGiveNoImageAndNoValue) {
  MemoryDoubleVector* lX = new MemoryDoubleVector({0, 1});
  MemoryDoubleMatrix* lV = new MemoryDoubleMatrix(2, 2, {1, 2, 3, 4});
  TestAxis* lAxis = new TestAxis();
  double lValue = 0.0;
  {
    Algo lNoZ(lX, 0, 1, 1, nullptr, 0, 1, 1, lV, 4, 4, lAxis);
    EXPECT_TRUE(lNoZ.MakeBitmap().IsEmpty());
    EXPECT_EQ(lNoZ.GetValue(0.5, 0.5, lValue), E_FAIL);
    Algo lNoAxis(lX, 0, 1, 1, lX, 0, 1, 1, lV, 4, 4, nullptr);
    EXPECT_TRUE(lNoAxis.MakeBitmap().IsEmpty());
    Algo lNoValues(lX, 0, 1, 1, lX, 0, 1, 1, static_cast<CATSamIDoubleMatrix*>(nullptr), 4, 4, lAxis);
    EXPECT_TRUE(lNoValues.MakeBitmap().IsEmpty());
    EXPECT_EQ(lNoValues.GetValue(0.5, 0.5, lValue), E_FAIL);
    Algo lNoRows(static_cast<CATSamIDouble1p5D*>(nullptr), 0, 1, 1, lX, 0, 1, 1,
                 static_cast<CATSamIDouble2DDim2NH*>(nullptr), 4, 4, lAxis);
    EXPECT_TRUE(lNoRows.MakeBitmap().IsEmpty());
    EXPECT_EQ(lNoRows.GetValue(0.5, 0.5, lValue), E_FAIL);
    EXPECT_EQ(lX->GetRefCount(), 7u);  // one reference per role it plays
  }
  for (CATBaseUnknown* lObject : std::vector<CATBaseUnknown*>{lX, lV, lAxis}) {
    EXPECT_EQ(lObject->GetRefCount(), 1u);
    lObject->Release();
  }
}

TEST(QVTFddColormapAlgoLineair, NonHomogeneousRowsAreResampledOncePerObject) {
  // Three rows with their own X grids over [0, 8] on 9 pixels.
  NonHomData d({{0, 8}, {0, 2, 4, 6, 8}, {0, 1, 1.2, 1.4, 4, 5, 8}}, {0, 1, 2},
               {{0, 80}, {1, 3, 5, 7, 9}, {100, 110, 140, 120, 130, 150, 160}});
  std::unique_ptr<Algo> lAlgo = d.New(9, 3, 0, 8, 0, 2);
  CATPixelImage lFirst = lAlgo->MakeBitmap();
  EXPECT_EQ(d.V->Calls, 3);
  CATPixelImage lSecond = lAlgo->MakeBitmap();
  double lValue = kNaN;
  ASSERT_EQ(lAlgo->GetValue(4.0, 1.0, lValue), S_OK);
  EXPECT_EQ(d.V->Calls, 3);  // the resampled rows are kept
  EXPECT_EQ(lValue, 5.0);
  ASSERT_EQ(Width(lFirst), 9);
  ASSERT_EQ(Height(lFirst), 3);
  for (int p = 0; p < 9; ++p)
    for (int r = 0; r < 3; ++r) {
      const double a = TestAxis::ValueOf(lFirst, p, r), b = TestAxis::ValueOf(lSecond, p, r);
      EXPECT_TRUE(a == b || (std::isnan(a) && std::isnan(b)));
    }
  // Row 0 interpolates 0 -> 80; row 2 shows the maximum of its range at pixel 1 and
  // interpolates 120 -> 130 across pixels 2 and 3.
  EXPECT_EQ(TestAxis::ValueOf(lFirst, 3, 0), 30.0);
  EXPECT_EQ(TestAxis::ValueOf(lFirst, 1, 2), 140.0);
  EXPECT_EQ(TestAxis::ValueOf(lFirst, 2, 2), TestAxis::Shown(120 + 10.0 / 3.0));
  EXPECT_EQ(TestAxis::ValueOf(lFirst, 8, 2), 160.0);

  // A new object of the same data resamples again.
  std::unique_ptr<Algo> lOther = d.New(9, 3, 0, 8, 0, 2);
  ASSERT_EQ(lOther->GetValue(8.0, 2.0, lValue), S_OK);
  EXPECT_EQ(d.V->Calls, 6);
}

TEST(QVTFddColormapAlgoLineair, MismatchedAndMissingRowsShowNoValue) {
  NonHomData d({{0, 4}, {0, 2, 4}, {0, 4}, {0, 4}}, {0, 1, 2, 3}, {{1, 5}, {1, 2}, {9, 9}, {7, 7}});
  d.V->Missing = 2;
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  std::unique_ptr<Algo> lAlgo = d.New(5, 4, 0, 4, 0, 3);
  CATPixelImage lImage = lAlgo->MakeBitmap();
  lAlgo->MakeBitmap();
  // Logged once: the rows are resampled once.
  EXPECT_EQ(testlog::Since(lBefore), (std::vector<std::string>{testlog::kResultNotArgument}));
  double lValue = 0.0;
  for (int p = 0; p < 5; ++p) {
    EXPECT_EQ(TestAxis::ValueOf(lImage, p, 0), 1.0 + p);
    EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, p, 1))) << p;  // 3 X samples, 2 values
    EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, p, 2))) << p;  // no row vector
    EXPECT_EQ(TestAxis::ValueOf(lImage, p, 3), 7.0);
    EXPECT_EQ(lAlgo->GetValue(p, 1.0, lValue), E_FAIL);
    EXPECT_EQ(lAlgo->GetValue(p, 2.0, lValue), E_FAIL);
  }
  // Between rows 0 and 1 the interpolation has no second value.
  std::unique_ptr<Algo> lFine = d.New(5, 7, 0, 4, 0, 3);
  EXPECT_EQ(lFine->GetValue(1.0, 0.5, lValue), E_FAIL);
  ASSERT_EQ(lFine->GetValue(1.0, 0.0, lValue), S_OK);
  EXPECT_EQ(lValue, 2.0);
}

TEST(QVTFddColormapAlgoLineair, NonHomogeneousZRangeWithNaNHasNoValueWhereverTheNaNIs) {
  // Four rows in two Z pixels: rows 0, 1 in pixel 0 and rows 2, 3 in pixel 1. A NaN in the first
  // row of a range makes the pixel empty as one in a later row does.
  NonHomData d({{0, 1}, {0, 1}, {0, 1}, {0, 1}}, {0, 0.1, 0.9, 1}, {{kNaN, 1}, {5, 2}, {3, kNaN}, {4, 6}});
  std::unique_ptr<Algo> lAlgo = d.New(2, 2, 0, 1, 0, 1);
  CATPixelImage lImage = lAlgo->MakeBitmap();
  double lValue = 0.0;
  EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, 0, 0)));  // NaN in the first row of the range
  EXPECT_EQ(lAlgo->GetValue(0.0, 0.0, lValue), E_FAIL);
  EXPECT_EQ(TestAxis::ValueOf(lImage, 1, 0), 2.0);
  EXPECT_EQ(TestAxis::ValueOf(lImage, 0, 1), 4.0);
  EXPECT_TRUE(std::isnan(TestAxis::ValueOf(lImage, 1, 1)));  // NaN in the last row of the range
  EXPECT_EQ(lAlgo->GetValue(1.0, 1.0, lValue), E_FAIL);
  ASSERT_EQ(lAlgo->GetValue(1.0, 0.0, lValue), S_OK);
  EXPECT_EQ(lValue, 2.0);
}

TEST(QVTFddColormapAlgoLineair, NonHomogeneousRowRangesSkipNaN) {
  // Five samples in one X pixel, the first and a middle one NaN: the row's maximum skips them;
  // a row of NaN only has no value there.
  NonHomData d({{0, 0.1, 0.2, 0.3, 1}, {0, 0.1, 0.2, 0.3, 1}}, {0, 1},
               {{kNaN, 4, kNaN, 3, 8}, {kNaN, kNaN, kNaN, kNaN, 8}});
  std::unique_ptr<Algo> lAlgo = d.New(2, 2, 0, 1, 0, 1);
  double lValue = 0.0;
  ASSERT_EQ(lAlgo->GetValue(0.0, 0.0, lValue), S_OK);
  EXPECT_EQ(lValue, 4.0);
  EXPECT_EQ(lAlgo->GetValue(0.0, 1.0, lValue), E_FAIL);
  ASSERT_EQ(lAlgo->GetValue(1.0, 1.0, lValue), S_OK);
  EXPECT_EQ(lValue, 8.0);
}

TEST(QVTFddColormapAlgoLineair, NonHomogeneousSizeLimitsAndZMismatch) {
  NonHomData d({{0, 1}, {0, 1}}, {0, 1, 2}, {{1, 2}, {3, 4}});
  unsigned long long lBefore = QVTFddModuleLog().Count();
  for (int w : {2000, 0})
    EXPECT_TRUE(d.New(w, 5, 0, 1, 0, 1)->MakeBitmap().IsEmpty()) << w;
  EXPECT_TRUE(d.New(5, 2000, 0, 1, 0, 1)->MakeBitmap().IsEmpty());
  EXPECT_EQ(d.V->Calls, 0);  // nothing resampled for images that are not made
  EXPECT_EQ(QVTFddModuleLog().Count(), lBefore);

  // Three Z samples for two rows.
  std::unique_ptr<Algo> lAlgo = d.New(5, 5, 0, 1, 0, 2);
  EXPECT_TRUE(lAlgo->MakeBitmap().IsEmpty());
  double lValue = 0.0;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(lAlgo->GetValue(0.5, 0.5, lValue), E_FAIL);
  EXPECT_EQ(testlog::Since(lBefore), std::vector<std::string>(4, testlog::kLinearNHZNotMatrix));

  // 2000 rows are refused without reading them.
  std::vector<std::vector<double>> lX(2000, std::vector<double>{0, 1}), lRows(2000, std::vector<double>{1, 2});
  std::vector<double> lZ(2000);
  for (size_t k = 0; k < lZ.size(); ++k) lZ[k] = static_cast<double>(k);
  NonHomData e(lX, lZ, lRows);
  std::unique_ptr<Algo> lMany = e.New(5, 5, 0, 1, 0, 1999);
  EXPECT_TRUE(lMany->MakeBitmap().IsEmpty());
  EXPECT_EQ(lMany->GetValue(0.5, 0.5, lValue), E_FAIL);
  EXPECT_EQ(e.V->Calls, 0);
}

TEST(QVTFddColormapAlgoLineair, SameGridAsBothLayoutsGivesTheSameImage) {
  // Without X ranges (X interpolates between few samples) and without NaN, resampling rows first
  // and reducing over the matrix give the same pixels.
  const std::vector<double> lX = {0, 1.5, 2, 5, 8};
  const std::vector<double> lZ = {0, 0.2, 0.3, 0.35, 1, 2, 2.5, 4};
  auto v = [](int i, int k) { return std::round(100 * std::sin(1.0 + i * 0.7 + k * 1.3)); };
  HomData h(lX, lZ, v);
  std::vector<std::vector<double>> lXRows(lZ.size(), lX), lRows;
  for (size_t k = 0; k < lZ.size(); ++k) {
    lRows.emplace_back();
    for (size_t i = 0; i < lX.size(); ++i) lRows.back().push_back(v(static_cast<int>(i), static_cast<int>(k)));
  }
  NonHomData n(lXRows, lZ, lRows);
  CATPixelImage a = h.New(33, 11, 0, 8, 0, 4)->MakeBitmap();
  CATPixelImage b = n.New(33, 11, 0, 8, 0, 4)->MakeBitmap();
  ASSERT_EQ(Width(a), 33);
  ASSERT_EQ(Width(b), 33);
  for (int r = 0; r < 11; ++r)
    for (int p = 0; p < 33; ++p) EXPECT_EQ(TestAxis::ValueOf(a, p, r), TestAxis::ValueOf(b, p, r)) << p << " " << r;
}

// A second thread computes some of the tiles of image columns: the image is the one thread's, byte
// for byte, whether pixels reduce ranges of cells, interpolate between them or take single ones.
TEST(QVTFddColormapAlgoLineair, TwoThreadsDrawTheImageOfOne) {
  std::vector<double> lX, lZ;
  for (int i = 0; i < 900; ++i) lX.push_back(i);
  for (int k = 0; k < 300; ++k) lZ.push_back(2.0 * k);
  HomData d(lX, lZ, [](int i, int k) { return (i * 7 + k) % 13 == 0 ? kNaN : std::sin(0.05 * i) * (k % 17); });
  for (int lWidth : {17, 450, 1999}) {
    CATPixelImage lImages[2];
    for (int lThreads = 1; lThreads <= 2; ++lThreads) {
      std::unique_ptr<Algo> a = d.New(lWidth, 200, 0.0, 899.0, 0.0, 598.0);
      a->SetThreads(lThreads);
      lImages[lThreads - 1] = a->MakeBitmap();
    }
    ASSERT_EQ(Width(lImages[0]), lWidth);
    ASSERT_EQ(Width(lImages[1]), lWidth);
    EXPECT_EQ(std::memcmp(lImages[0].GetPixels(), lImages[1].GetPixels(), 4 * 200 * static_cast<size_t>(lWidth)), 0)
        << lWidth;
  }
}
