#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "CATSamIDouble1p5D.h"
#include "CATSamIDouble2DDim2NH.h"
#include "QVTFddColormapAlgoOrderInterpol.h"
#include "QVTFddColormapAlgoOrderInterpolNH.h"
#include "QVTFddColormapAlgoOrderTestSupport.h"
#include "QVTFddModule.h"
#include "QVTFddTestLog.h"
#include "QVTFddTestRelease.h"

using namespace ordertest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// Rows of vectors in which a row may be missing (an empty optional stands for null); serves both
// as per-row X vectors and as value rows.
class Rows : public CATSamIDouble1p5D {
 public:
  explicit Rows(const std::vector<std::vector<double>>& iRows, const std::vector<int>& iMissing = {}) {
    for (size_t k = 0; k < iRows.size(); ++k) {
      bool lMissing = false;
      for (int m : iMissing) lMissing = lMissing || m == static_cast<int>(k);
      _Rows.push_back(lMissing ? nullptr : new MemoryDoubleVector(iRows[k]));
    }
  }
  ~Rows() override {
    for (MemoryDoubleVector* r : _Rows)
      if (r) {
        EXPECT_EQ(r->GetRefCount(), 1u);
        r->Release();
      }
  }
  unsigned int GetNbrRows() const override { return static_cast<unsigned int>(_Rows.size()); }
  CATSamIDoubleVector* GetXVector(unsigned int iRow) const override { return Get(iRow); }
  CATSamIDoubleVector* Get(unsigned int iRow) const {
    if (iRow >= _Rows.size() || !_Rows[iRow]) return nullptr;
    _Rows[iRow]->AddRef();
    return _Rows[iRow];
  }
  std::vector<MemoryDoubleVector*> _Rows;
};

class ValueRows : public CATSamIDouble2DDim2NH {
 public:
  explicit ValueRows(Rows* iRows) : _Rows(iRows) {}
  ~ValueRows() override { _Rows->Release(); }
  unsigned int GetLengthY() const override { return _Rows->GetNbrRows(); }
  CATSamIDoubleVector* GetRow(unsigned int iRow) const override { return _Rows->Get(iRow); }
  Rows* _Rows;
};

struct NHData {
  NHData(const std::vector<std::vector<double>>& iX, const std::vector<int>& iMissingX, const std::vector<double>& iZ,
         const std::vector<std::vector<double>>& iValues, const std::vector<int>& iMissingValues, double iZFactor = 1.0)
      : X(new Rows(iX, iMissingX)),
        Z(Vector(iZ)),
        Values(new ValueRows(new Rows(iValues, iMissingValues))),
        Axis(new ValueAxis()),
        XScaling(new FactorScaling(1.0)),
        ZScaling(new FactorScaling(iZFactor)) {}
  ~NHData() {
    ExpectLastAndRelease({X, Z, Values, Axis, XScaling, ZScaling});
  }
  QVTFddColormapAlgoOrderInterpolNH* Make(double iX0, double iX1, double iZ0, double iZ1, int iWidth, int iHeight,
                                          double iTolerance = 0.02) {
    return new QVTFddColormapAlgoOrderInterpolNH(X, iX0, iX1, 0, Z, iZ0, iZ1, 0, Values, iWidth, iHeight, Axis,
                                                 XScaling, ZScaling, iTolerance);
  }
  Rows* X;
  MemoryDoubleVector* Z;
  ValueRows* Values;
  ValueAxis* Axis;
  FactorScaling* XScaling;
  FactorScaling* ZScaling;
};
}  // namespace

TEST(QVTFddColormapAlgoOrderInterpolNH, EachRowIsReadWithItsOwnXVector) {
  NHData d({{1}, {5}}, {}, {1, 5}, {{10}, {50}}, {});
  QVTFddColormapAlgoOrderInterpolNH* a = d.Make(0, 8, 0, 8, 8, 8);
  EXPECT_EQ(a->GetOrderCount(), 2);
  EXPECT_DOUBLE_EQ(sGet(*a, 2, 2), 10.0 * 0.75 + 50.0 * 0.25);
  CATPixelImage lImage = a->MakeBitmap();
  EXPECT_EQ(PixelValue(lImage, 5, 5), 50.0);
  EXPECT_TRUE(std::isnan(PixelValue(lImage, 0, 0)));
  delete a;
}

// Row 0 is whole; row 1 has no X vector, row 2 no value row, row 3 one value too few; row 4 is
// whole but has a Z value only when the Z vector reaches it.
TEST(QVTFddColormapAlgoOrderInterpolNH, RowsTakePartOnlyWhenWhole) {
  const std::vector<std::vector<double>> lX = {{1, 2, 3}, {1, 2}, {1, 2}, {1, 2, 3}, {4, 5}};
  const std::vector<std::vector<double>> lV = {{10, 20, 30}, {1, 2}, {1, 2}, {1, 2}, {40, 50}};
  {
    NHData d(lX, {1}, {1, 2, 3, 4}, lV, {2});
    QVTFddColormapAlgoOrderInterpolNH* a = d.Make(0, 8, 0, 8, 8, 8);
    EXPECT_EQ(a->GetOrderCount(), 3);
    EXPECT_EQ(sGet(*a, 2, 1), 20.0);
    // Four Z values for five value rows: logged, nothing drawn.
    const unsigned long long lBefore = QVTFddModuleLog().Count();
    EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr);
    ASSERT_EQ(QVTFddModuleLog().Count(), lBefore + 1);
    EXPECT_EQ(QVTFddModuleLog().Records().back().Text, testlog::kOrderNHZNotMatrix);
    EXPECT_EQ(QVTFddModuleLog().Records().back().Source,
              testlog::Source("QVTFddColormapAlgoOrderInterpolNH"));
    delete a;
  }
  {
    NHData d(lX, {1}, {1, 2, 3, 4, 5}, lV, {2});
    QVTFddColormapAlgoOrderInterpolNH* a = d.Make(0, 8, 0, 8, 8, 8);
    EXPECT_EQ(a->GetOrderCount(), 5);
    CATPixelImage lImage = a->MakeBitmap();
    ASSERT_NE(lImage.GetPixels(), nullptr);
    EXPECT_EQ(PixelValue(lImage, 5, 5), 50.0);  // the sample (5, 5) of row 4
    delete a;
  }
}

TEST(QVTFddColormapAlgoOrderInterpolNH, MissingPiecesDrawNothingAndHoldNothing) {
  NHData d({{1, 5}, {1, 5}}, {}, {1, 5}, {{1, 2}, {3, 4}}, {});
  ExpectMissingPiecesShowNothing<QVTFddColormapAlgoOrderInterpolNH>(d, {3});
}

// The same samples as homogeneous data give the same image and values (4 800 samples: the
// search index is used).
TEST(QVTFddColormapAlgoOrderInterpolNH, SameImageAsTheHomogeneousAlgorithmOnTheSameSamples) {
  std::mt19937 lRandom(11);
  std::uniform_real_distribution<double> lUnit(0.0, 1.0);
  std::vector<double> lX, lZ;
  for (int i = 0; i < 80; ++i) lX.push_back(12.5 * i + 3.0 * lUnit(lRandom));
  for (int k = 0; k < 60; ++k) lZ.push_back(600.0 + 90.0 * k);
  std::vector<std::vector<double>> lRowsX(60, lX), lRowsV(60, std::vector<double>(80));
  for (auto& lRow : lRowsV)
    for (double& v : lRow) v = std::floor(4000.0 * lUnit(lRandom));
  NHData d(lRowsX, {}, lZ, lRowsV, {}, 1.0 / 60.0);
  MemoryDoubleVector* lXVector = Vector(lX);
  MemoryDoubleMatrix* lMatrix = Matrix(80, 60, [&](unsigned int i, unsigned int k) { return lRowsV[k][i]; });
  QVTFddColormapAlgoOrderInterpolNH* a = d.Make(0, 1000, 600, 6000, 70, 50, 0.03);
  QVTFddColormapAlgoOrderInterpol* b = new QVTFddColormapAlgoOrderInterpol(
      lXVector, 0, 1000, 0, d.Z, 600, 6000, 0, lMatrix, 70, 50, d.Axis, d.XScaling, d.ZScaling, 0.03);
  CATPixelImage lA = a->MakeBitmap(), lB = b->MakeBitmap();
  ASSERT_NE(lA.GetPixels(), nullptr);
  ASSERT_NE(lB.GetPixels(), nullptr);
  EXPECT_EQ(std::vector<unsigned char>(lA.GetPixels(), lA.GetPixels() + 70 * 50 * 4),
            std::vector<unsigned char>(lB.GetPixels(), lB.GetPixels() + 70 * 50 * 4));
  for (double x : {10.0, 333.0, 871.5})
    for (double z : {700.0, 2500.0, 5999.0}) {
      const double va = sGet(*a, x, z), vb = sGet(*b, x, z);
      EXPECT_TRUE(va == vb || (std::isnan(va) && std::isnan(vb))) << x << " " << z;
    }
  delete a;
  delete b;
  lXVector->Release();
  lMatrix->Release();
}

// A run-up whose value depends on the order alone: narrow lines at orders 2 and 4 (Gaussian, 0.02
// order wide), 28 speed rows from 600 to 6000 rpm, dense X (homogeneous: every 0.05 Hz; non-
// homogeneous: each row its own spacing of 0.05 to 0.07 Hz), orders in Hz over rpm / 60. Between
// two rows, a pixel on an order line shows the line (within 5 % of the peak of the value at its own
// order), 4 Hz beside it at most a third of the peak, whatever the tolerance from 0.001 to 0.05; no
// pixel of the view (50 to 400 Hz, where every band holds a sample) is left without a value.
TEST(QVTFddColormapAlgoOrderInterpolNH, OrderLinesAreFollowedBetweenRowsWhateverTheTolerance) {
  auto f = [](double o) {
    return std::exp(-0.5 * std::pow((o - 2.0) / 0.02, 2)) + std::exp(-0.5 * std::pow((o - 4.0) / 0.02, 2));
  };
  std::vector<double> lZ;
  for (int k = 0; k < 28; ++k) lZ.push_back(600.0 + 200.0 * k);
  std::vector<std::vector<double>> lRowsX(28), lRowsV(28);
  for (int k = 0; k < 28; ++k) {
    const double lStep = 0.05 + 0.01 * (k % 3);
    for (int i = 0; i * lStep <= 400.0; ++i) {
      lRowsX[k].push_back(i * lStep);
      lRowsV[k].push_back(f(i * lStep / (lZ[k] / 60.0)));
    }
  }
  std::vector<double> lX;
  for (int i = 0; i <= 8000; ++i) lX.push_back(0.05 * i);
  NHData d(lRowsX, {}, lZ, lRowsV, {}, 1.0 / 60.0);
  MemoryDoubleVector* lXVector = Vector(lX);
  MemoryDoubleMatrix* lMatrix = Matrix(8001, 28, [&](unsigned int i, unsigned int k) { return f(lX[i] / (lZ[k] / 60.0)); });
  const double x0 = 50, x1 = 400, z0 = 600, z1 = 6000;
  for (double lTolerance : {0.001, 0.005, 0.02, 0.05})
    for (int lNonHom = 0; lNonHom < 2; ++lNonHom) {
      auto lMake = [&](int iWidth, int iHeight) -> QVTFddColormapAlgo* {
        if (lNonHom) return d.Make(x0, x1, z0, z1, iWidth, iHeight, lTolerance);
        return new QVTFddColormapAlgoOrderInterpol(lXVector, x0, x1, 0, d.Z, z0, z1, 0, lMatrix, iWidth, iHeight,
                                                   d.Axis, d.XScaling, d.ZScaling, lTolerance);
      };
      QVTFddColormapAlgo* a = lMake(70, 54);
      CATPixelImage lImage = a->MakeBitmap();
      ASSERT_NE(lImage.GetPixels(), nullptr);
      int lEmpty = 0;
      for (int p = 0; p < 70 * 54; ++p) lEmpty += lImage.GetPixels()[4 * p + 3] == 0;
      EXPECT_EQ(lEmpty, 0) << lTolerance << " " << lNonHom;
      delete a;

      // Pixels of 0.25 Hz by 20 rpm: row r = 5 + 10 j lies half way between speed rows j and j + 1.
      const int W = 1400, H = 270;
      a = lMake(W, H);
      auto lAt = [&](int p, int r, double& oOrder) {
        oOrder = (x0 + p * (x1 - x0) / W) / ((z0 + r * (z1 - z0) / H) / 60.0);
        double v = kNaN;
        a->GetValue(x0 + p * (x1 - x0) / (W - 1), z0 + r * (z1 - z0) / (H - 1), v);
        return v;
      };
      for (int j = 0; j < 27; ++j)
        for (double lLine : {2.0, 4.0}) {
          const int r = 5 + 10 * j;
          const double lRpm = z0 + r * (z1 - z0) / H, lHz = lLine * lRpm / 60.0;
          // Both rows around the pixel reach its order (at a row's end its last sample stands for
          // the orders up to the tolerance beyond it).
          if (lHz < x0 || (lHz + 4.0) * (lRpm + 100.0) / lRpm > x1) continue;
          const int p = static_cast<int>(std::lround((lHz - x0) / (x1 - x0) * W));
          double o = 0.0;
          const double v = lAt(p, r, o);
          EXPECT_NEAR(v, f(o), 0.05) << lTolerance << " " << lNonHom << " rpm " << 700 + 200 * j << " order " << o;
          EXPECT_GT(f(o), 0.8);
          EXPECT_LE(lAt(p + 16, r, o), 1.0 / 3.0) << lTolerance << " " << lNonHom << " rpm " << 700 + 200 * j;
        }
      delete a;
    }
  lXVector->Release();
  lMatrix->Release();
}

namespace {

// Rows of a size no table can hold (none of them stored): for the path of a failed allocation.
class HugeRows : public CATSamIDouble1p5D {
 public:
  unsigned int GetNbrRows() const override { return 1u << 30; }
  CATSamIDoubleVector* GetXVector(unsigned int) const override { return nullptr; }
};
}  // namespace

// An order table that cannot be had leaves the map empty, says so once in the module log, and
// answers no value; nothing aborts.
TEST(QVTFddColormapAlgoOrderInterpolNH, ATableThatDoesNotFitGivesAnEmptyImageAndOneMessage) {
  NHData d({{1, 5}, {1, 5}}, {}, {1, 5}, {{1, 2}, {3, 4}}, {});
  HugeRows* lRows = new HugeRows();
  const unsigned long long lBefore = QVTFddModuleLog().Count();
  QVTFddColormapAlgoOrderInterpolNH* a = new QVTFddColormapAlgoOrderInterpolNH(
      lRows, 0, 8, 0, d.Z, 0, 8, 0, d.Values, 8, 8, d.Axis, d.XScaling, d.ZScaling, 0.02);
  EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr);
  EXPECT_TRUE(std::isnan(sGet(*a, 1, 1)));
  ASSERT_EQ(QVTFddModuleLog().Count(), lBefore + 1);
  EXPECT_EQ(QVTFddModuleLog().Records().back().Text, testlog::kOrderOutOfMemory);
  delete a;
  EXPECT_EQ(lRows->GetRefCount(), 1u);
  lRows->Release();
}
