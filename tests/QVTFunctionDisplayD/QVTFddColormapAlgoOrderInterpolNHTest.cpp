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
    for (CATBaseUnknown* o : std::vector<CATBaseUnknown*>{X, Z, Values, Axis, XScaling, ZScaling}) {
      EXPECT_EQ(o->GetRefCount(), 1u);
      o->Release();
    }
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

double sGet(QVTFddColormapAlgo& iAlgo, double iX, double iZ) {
  double v = -12345.0;
  return iAlgo.GetValue(iX, iZ, v) == 0 ? v : kNaN;
}

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
    EXPECT_EQ(QVTFddModuleLog().Records().back().Text, "_Values->GetLengthY() != _ZVector->GetLength()");
    EXPECT_EQ(QVTFddModuleLog().Records().back().Source,
              "QVTFunctionDisplayD\\QVTFddRep.m\\src\\QVTFddColormapAlgoOrderInterpolNH");
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
  for (int lMissing = 0; lMissing < 6; ++lMissing) {
    QVTFddColormapAlgoOrderInterpolNH* a = new QVTFddColormapAlgoOrderInterpolNH(
        lMissing == 0 ? nullptr : d.X, 0, 8, 0, lMissing == 1 ? nullptr : d.Z, 0, 8, 0,
        lMissing == 2 ? nullptr : d.Values, 8, 8, lMissing == 3 ? nullptr : d.Axis,
        lMissing == 4 ? nullptr : d.XScaling, lMissing == 5 ? nullptr : d.ZScaling, 0.02);
    EXPECT_EQ(a->MakeBitmap().GetPixels(), nullptr) << lMissing;
    if (lMissing != 3) {
      EXPECT_TRUE(std::isnan(sGet(*a, 1, 1))) << lMissing;
    }
    delete a;
  }
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
