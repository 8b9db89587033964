// The linear colour map algorithm against a plain computation of the same rules, pixel for pixel,
// on random data: for each pixel the samples whose pixel it is (by the rounding rule of the
// pixel mapping), else the nearest samples on both sides, then the maximum or interpolation of
// the values, NaN skipped in maxima; an infinity wins an interpolation with a number, and opposite
// infinities have no value between them. No pixel jobs, tables or resampled matrices here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "MemoryDouble1p5D.h"
#include "MemoryDouble2DDim2NH.h"
#include "MemoryDoubleMatrix.h"
#include "MemoryDoubleVector.h"
#include "QVTFddColormapAlgoLineair.h"
#include "QVTFddColormapTestAxis.h"

namespace {

typedef QVTFddColormapTestAxis TestAxis;
const double kNaN = std::nan("");
const double kInf = HUGE_VAL;

// Reproducible on every standard library: only the engine's raw output is used.
struct Random {
  explicit Random(uint32_t iSeed) : engine(iSeed) {}
  double Uniform(double a, double b) { return a + (b - a) * (engine() / 4294967296.0); }
  int Int(int a, int b) { return a + static_cast<int>(engine() % static_cast<uint32_t>(b - a + 1)); }
  std::mt19937 engine;
};

// What covers one pixel along one axis: some samples of the pixel itself, or the two samples
// around it with the weight of the second, or nothing.
struct Cover {
  std::vector<int> samples;  // the pixel's own samples
  int left = -1, right = -1;
  double weight = 0.0;
  bool Empty() const { return samples.empty() && left < 0; }
};

int PixelOf(double x, double mn, double mx, int n) {
  return static_cast<int>((x - mn) * (static_cast<double>(n) - 1.0) / (mx - mn) + 0.5);
}

std::vector<Cover> Covers(const std::vector<double>& v, double mn, double mx, int iInterpolate, int n) {
  std::vector<Cover> lCovers(static_cast<size_t>(n));
  const int m = static_cast<int>(v.size());
  if (v[0] > mx || v[m - 1] < mn) return lCovers;
  // Samples taken part: from the last one before the range to the first one after it.
  int lo = 0;
  while (v[lo] < mn) ++lo;
  if (lo > 0) --lo;
  int hi = m - 1;
  while (v[hi] > mx) --hi;
  if (hi < m - 1) ++hi;
  for (int k = 0; k < n; ++k) {
    Cover& c = lCovers[static_cast<size_t>(k)];
    int a = -1, b = -1;
    for (int i = lo; i <= hi; ++i) {
      const int p = PixelOf(v[i], mn, mx, n);
      if (p == k) c.samples.push_back(i);
      if (p < k) a = i;
      if (p > k && b < 0) b = i;
    }
    if (!c.samples.empty() || a < 0 || b < 0) continue;
    const int pa = PixelOf(v[a], mn, mx, n), pb = PixelOf(v[b], mn, mx, n);
    if (iInterpolate) {
      c.left = a;
      c.right = b;
      c.weight = (k - pa) * (1.0 / (pb - pa));
    } else {
      // The nearer sample; a tie goes to the earlier one.
      c.samples.push_back(k - pa - 1 > (pb - pa - 1) / 2 ? b : a);
    }
  }
  return lCovers;
}

// The maximum of the numbers among the candidates; NaN when there is none.
double MaxOf(const std::vector<double>& iCandidates) {
  double lMax = kNaN;
  for (double c : iCandidates)
    if (!std::isnan(c) && (std::isnan(lMax) || c > lMax)) lMax = c;
  return lMax;
}

double Lerp(double a, double b, double w) {
  if (std::isnan(a) || std::isnan(b)) return kNaN;
  if (std::isinf(a) && std::isinf(b)) return a == b ? a : kNaN;
  if (std::isinf(a)) return a;
  if (std::isinf(b)) return b;
  return a + (b - a) * w;
}

// The values one cover gives for a function of the sample index: one per own sample, or the
// interpolation.
std::vector<double> Candidates(const Cover& c, const std::function<double(int)>& f) {
  std::vector<double> lValues;
  for (int i : c.samples) lValues.push_back(f(i));
  if (c.samples.empty()) lValues.push_back(Lerp(f(c.left), f(c.right), c.weight));
  return lValues;
}

// A single candidate is the pixel's value as it is (NaN included); several are reduced.
double Reduce(const std::vector<double>& iCandidates) {
  return iCandidates.size() == 1 ? iCandidates[0] : MaxOf(iCandidates);
}

// Strictly increasing samples: clusters (several per pixel) and gaps (pixels without any).
std::vector<double> Samples(Random& r) {
  std::vector<double> v;
  const int m = r.Int(2, 40);
  double x = r.Uniform(-1, 3);
  for (int i = 0; i < m; ++i) {
    v.push_back(x);
    x += r.Int(0, 2) == 0 ? r.Uniform(1e-3, 0.05) : r.Uniform(0.1, 1.5);
  }
  return v;
}

// One value in ten NaN, one in forty each infinity.
double Value(Random& r) {
  const int lKind = r.Int(0, 39);
  if (lKind < 4) return kNaN;
  if (lKind < 6) return lKind == 4 ? kInf : -kInf;
  return std::round(r.Uniform(0, 200) * 4) / 4;
}

void Limits(Random& r, const std::vector<double>& v, double& mn, double& mx) {
  mn = r.Uniform(v.front() - 2, v.back());
  mx = mn + r.Uniform(0.5, v.back() - v.front() + 3);
}

// Compares the image with the plain values; returns the number of pixels with a value.
int Compare(const CATPixelImage& iImage, int w, int h, const std::function<double(int, int)>& iPlain,
            const std::function<bool(int, int)>& iHasValue, const std::string& iCase) {
  int lWidth = 0, lHeight = 0, lWithValue = 0;
  iImage.GetSize(lWidth, lHeight);
  EXPECT_EQ(lWidth, w) << iCase;
  EXPECT_EQ(lHeight, h) << iCase;
  if (lWidth != w || lHeight != h) return 0;
  for (int r = 0; r < h; ++r)
    for (int p = 0; p < w; ++p) {
      const double lShown = TestAxis::ValueOf(iImage, p, r);
      if (!iHasValue(p, r)) {
        EXPECT_TRUE(std::isnan(lShown)) << iCase << " pixel " << p << ", " << r;
        continue;
      }
      const double lExpected = iPlain(p, r);
      if (std::isnan(lExpected)) {
        EXPECT_TRUE(std::isnan(lShown)) << iCase << " pixel " << p << ", " << r;
      } else {
        ++lWithValue;
        EXPECT_EQ(lShown, TestAxis::Shown(lExpected)) << iCase << " pixel " << p << ", " << r;
      }
    }
  return lWithValue;
}

// The bitmap of a linear map of the data over the test axis; the data's references are then
// given back.
template <class TX, class TV>
CATPixelImage BitmapOf(TX* iX, double iXMin, double iXMax, int iXInterpolate, MemoryDoubleVector* iZ, double iZMin,
                       double iZMax, int iZInterpolate, TV* iV, int iWidth, int iHeight) {
  TestAxis* lAxis = new TestAxis();
  CATPixelImage lImage;
  {
    QVTFddColormapAlgoLineair lAlgo(iX, iXMin, iXMax, iXInterpolate, iZ, iZMin, iZMax, iZInterpolate, iV, iWidth,
                                    iHeight, lAxis);
    lImage = lAlgo.MakeBitmap();
  }
  iX->Release();
  iZ->Release();
  iV->Release();
  lAxis->Release();
  return lImage;
}

// A matrix without direct access to its cells.
class CellByCellMatrix : public MemoryDoubleMatrix {
 public:
  using MemoryDoubleMatrix::MemoryDoubleMatrix;
  const double* GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const override {
    oStrideX = oStrideZ = 0;
    return nullptr;
  }
};

// A matrix holding its cells one row per Z (values[z][x]), read in place like an image.
class RowPerZMatrix : public CATSamIDoubleMatrix {
 public:
  RowPerZMatrix(int iLengthX, int iLengthZ, const std::vector<double>& iCells)
      : _LengthX(static_cast<unsigned int>(iLengthX)), _LengthZ(static_cast<unsigned int>(iLengthZ)) {
    for (int k = 0; k < iLengthZ; ++k)
      for (int i = 0; i < iLengthX; ++i) _Cells.push_back(iCells[static_cast<size_t>(i) * iLengthZ + k]);
  }
  unsigned int GetLengthX() const override { return _LengthX; }
  unsigned int GetLengthY() const override { return _LengthZ; }
  double GetValue(unsigned int iX, unsigned int iZ) const override {
    return iX < _LengthX && iZ < _LengthZ ? _Cells[size_t(iZ) * _LengthX + iX] : kNaN;
  }
  const double* GetDirectValues(unsigned long long& oStrideX, unsigned long long& oStrideZ) const override {
    oStrideX = 1;
    oStrideZ = _LengthX;
    return _Cells.data();
  }

 private:
  unsigned int _LengthX, _LengthZ;
  std::vector<double> _Cells;
};

}  // namespace

TEST(QVTFddColormapAlgoLineairDifferential, HomogeneousImageEqualsPlainComputation) {
  Random r(20261207);
  int lWithValue = 0;
  // The image is not cleared before it is coloured: a pixel left out keeps this byte and shows.
  CATPixelImage::SetUnsetFill(0xAB);
  for (int lCase = 0; lCase < 300; ++lCase) {
    const std::vector<double> x = Samples(r), z = Samples(r);
    const int nx = static_cast<int>(x.size()), nz = static_cast<int>(z.size());
    std::vector<double> lCells;
    for (int i = 0; i < nx * nz; ++i) lCells.push_back(Value(r));
    auto v = [&](int i, int k) { return lCells[static_cast<size_t>(i) * nz + k]; };
    double xmn, xmx, zmn, zmx;
    Limits(r, x, xmn, xmx);
    Limits(r, z, zmn, zmx);
    const int w = r.Int(1, 40), h = r.Int(1, 40), xi = r.Int(0, 1), zi = r.Int(0, 1);

    MemoryDoubleVector* lX = new MemoryDoubleVector(x);
    MemoryDoubleVector* lZ = new MemoryDoubleVector(z);
    // The cells are read in place, through the matrix, or in place from rows of one Z each.
    CATSamIDoubleMatrix* lV = lCase % 3 == 0   ? new MemoryDoubleMatrix(nx, nz, lCells)
                              : lCase % 3 == 1 ? static_cast<CATSamIDoubleMatrix*>(new CellByCellMatrix(nx, nz, lCells))
                                               : new RowPerZMatrix(nx, nz, lCells);
    const CATPixelImage lImage = BitmapOf(lX, xmn, xmx, xi, lZ, zmn, zmx, zi, lV, w, h);

    // Plain: the X cover gives, per Z index, the candidates along X; the Z cover then combines
    // them. Every candidate of one pixel goes into one maximum.
    const std::vector<Cover> cx = Covers(x, xmn, xmx, xi, w);
    const std::vector<Cover> cz = Covers(z, zmn, zmx, zi, h);
    auto lPlain = [&](int p, int q) {
      const Cover &a = cx[static_cast<size_t>(p)], &b = cz[static_cast<size_t>(q)];
      std::vector<double> lAll;
      if (!b.samples.empty()) {
        for (int k : b.samples)
          for (double c : Candidates(a, [&](int i) { return v(i, k); })) lAll.push_back(c);
      } else {
        // Interpolation along Z of each X candidate.
        const std::vector<double> lLow = Candidates(a, [&](int i) { return v(i, b.left); });
        const std::vector<double> lHigh = Candidates(a, [&](int i) { return v(i, b.right); });
        for (size_t c = 0; c < lLow.size(); ++c) lAll.push_back(Lerp(lLow[c], lHigh[c], b.weight));
      }
      return Reduce(lAll);
    };
    auto lHasValue = [&](int p, int q) {
      return !cx[static_cast<size_t>(p)].Empty() && !cz[static_cast<size_t>(q)].Empty();
    };
    lWithValue += Compare(lImage, w, h, lPlain, lHasValue, "case " + std::to_string(lCase));
  }
  CATPixelImage::SetUnsetFill(-1);
  EXPECT_GT(lWithValue, 20000);  // the cases are not all empty
}

TEST(QVTFddColormapAlgoLineairDifferential, NonHomogeneousImageEqualsPlainComputation) {
  Random r(4242);
  int lWithValue = 0;
  for (int lCase = 0; lCase < 200; ++lCase) {
    const std::vector<double> z = Samples(r);
    const int nz = static_cast<int>(z.size());
    std::vector<std::vector<double>> lXRows, lRows;
    double xmn = 0, xmx = 0;
    for (int k = 0; k < nz; ++k) {
      lXRows.push_back(Samples(r));
      lRows.emplace_back();
      for (size_t i = 0; i < lXRows.back().size(); ++i) lRows.back().push_back(Value(r));
    }
    Limits(r, lXRows[0], xmn, xmx);
    double zmn, zmx;
    Limits(r, z, zmn, zmx);
    const int w = r.Int(2, 40), h = r.Int(2, 40), xi = r.Int(0, 1), zi = r.Int(0, 1);

    MemoryDouble1p5D* lX = new MemoryDouble1p5D(lXRows);
    MemoryDoubleVector* lZ = new MemoryDoubleVector(z);
    MemoryDouble2DDim2NH* lV = new MemoryDouble2DDim2NH(lRows);
    const CATPixelImage lImage = BitmapOf(lX, xmn, xmx, xi, lZ, zmn, zmx, zi, lV, w, h);

    // Plain: each row's value at X pixel p (its own samples), then along Z every row involved
    // must have a number.
    std::vector<std::vector<double>> lRowAt(static_cast<size_t>(nz), std::vector<double>(w, kNaN));
    for (int k = 0; k < nz; ++k) {
      const std::vector<Cover> c = Covers(lXRows[k], xmn, xmx, xi, w);
      for (int p = 0; p < w; ++p)
        if (!c[p].Empty()) lRowAt[k][p] = Reduce(Candidates(c[p], [&](int i) { return lRows[k][i]; }));
    }
    const std::vector<Cover> cz = Covers(z, zmn, zmx, zi, h);
    auto lPlain = [&](int p, int q) {
      const Cover& b = cz[static_cast<size_t>(q)];
      std::vector<double> lAll = Candidates(b, [&](int k) { return lRowAt[k][p]; });
      for (int k : b.samples)
        if (std::isnan(lRowAt[k][p])) return kNaN;
      if (b.samples.empty() && (std::isnan(lRowAt[b.left][p]) || std::isnan(lRowAt[b.right][p]))) return kNaN;
      return MaxOf(lAll);
    };
    auto lHasValue = [&](int, int q) { return !cz[static_cast<size_t>(q)].Empty(); };
    lWithValue += Compare(lImage, w, h, lPlain, lHasValue, "case " + std::to_string(lCase));
  }
  EXPECT_GT(lWithValue, 10000);
}
