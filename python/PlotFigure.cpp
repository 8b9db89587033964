#include "PlotFigure.h"

#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <mutex>
#include <utility>

#include "ArrayMatrix.h"
#include "ArrayValueRows.h"
#include "ArrayVector.h"
#include "ArrayXRows.h"
#include "BufferArray.h"
#include "NumericArray.h"
#include "CATFont.h"
#include "CATViewer.h"
#include "CairoRender.h"
#include "ColorScaleAxis.h"
#include "ColormapData.h"
#include "Figure.h"
#include "IndexVector.h"
#include "LinearScaling.h"
#include "MemoryBudget.h"
#include "OrderCancel.h"
#include "PlotArea.h"
#include "QVTFddColormapAlgoOrderBase.h"
#include "RefPtr.h"
#include "SampleOrder.h"

namespace py = pybind11;

namespace {

constexpr int kMinSide = 16;
constexpr int kMaxSide = 8192;

// What a drawing left to raise: an exception type (null: none) and its message.
struct Outcome {
  PyObject* type = nullptr;
  std::string message;
};

// The library keeps process-wide state without locks (a pool of primitive list nodes, its module
// log, the support of its measuring renders), so only one thread at a time may build, draw or
// destroy its objects. Whoever holds this lock never waits for the interpreter lock.
std::mutex& LibraryMutex() {
  static std::mutex sMutex;
  return sMutex;
}

[[noreturn]] void Raise(PyObject* iType, const std::string& iMessage) {
  PyErr_SetString(iType, iMessage.c_str());
  throw py::error_already_set();
}

void Warn(const std::string& iMessage) {
  if (PyErr_WarnEx(PyExc_UserWarning, iMessage.c_str(), 2) != 0) throw py::error_already_set();
}

RefPtr<NumericArray> ArrayOf(const py::handle& iObject, const std::string& iName, bool iMatrix) {
  std::string lError;
  RefPtr<NumericArray> lArray(BufferArray::Make(iObject, iName, iMatrix, lError));
  if (!lArray) Raise(PyExc_ValueError, lError);
  return lArray;
}

RefPtr<ArrayVector> VectorOf(const py::handle& iObject, const std::string& iName) {
  const RefPtr<NumericArray> lArray = ArrayOf(iObject, iName, false);
  return RefPtr<ArrayVector>(new ArrayVector(lArray.Get(), 0, lArray->GetRows()));
}

// Two numbers (a, b) from any sequence of two; false for anything else.
bool ReadPair(const py::object& iPair, double& oFirst, double& oSecond) {
  try {
    const py::sequence lPair = iPair.cast<py::sequence>();
    if (lPair.size() != 2) return false;
    oFirst = lPair[0].cast<double>();
    oSecond = lPair[1].cast<double>();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

// (low, high) with low < high, both finite; NaN for None.
void ReadLimits(const py::object& iLimits, const std::string& iName, double& oLow, double& oHigh) {
  oLow = oHigh = NAN;
  if (iLimits.is_none()) return;
  const std::string lText = py::str(iLimits);
  if (!ReadPair(iLimits, oLow, oHigh) || !std::isfinite(oLow) || !std::isfinite(oHigh))
    Raise(PyExc_ValueError, iName + " " + lText + ": give two finite numbers (low, high)");
  if (!(oLow < oHigh)) Raise(PyExc_ValueError, iName + " " + lText + ": the limits (a, b) need a < b");
}

ColorScaleAxis::eTable TableOf(const std::string& iName) {
  ColorScaleAxis::eTable lTable = ColorScaleAxis::Viridis;
  if (!ColorScaleAxis::TableFromName(iName, lTable))
    Raise(PyExc_ValueError, "colors " + iName + ": choose viridis, rainbow or grey");
  return lTable;
}

std::string Shape(const NumericArray& iArray) {
  return std::to_string(iArray.GetRows()) + " x " + std::to_string(iArray.GetColumns());
}

// The first break of order of iVector, read without the interpreter lock; raises it.
void CheckOrder(const CATSamIVector* iVector, const std::string& iName) {
  std::string lBreak;
  {
    const py::gil_scoped_release lFree;
    lBreak = SampleOrder::Check(iVector, iName, iName);
  }
  if (!lBreak.empty()) Raise(PyExc_ValueError, lBreak);
}

}  // namespace

PlotFigure::PlotFigure(const py::object& iSize) {
  double lWidth = 0.0, lHeight = 0.0;
  const bool lRead = ReadPair(iSize, lWidth, lHeight);
  for (const double lSide : {lWidth, lHeight})
    if (!lRead || !(lSide >= kMinSide && lSide <= kMaxSide) || lSide != std::floor(lSide))
      Raise(PyExc_ValueError, "size " + std::string(py::str(iSize)) + ": give (width, height) in whole pixels, " +
                                  "each side between " + std::to_string(kMinSide) + " and " +
                                  std::to_string(kMaxSide));
  _Width = static_cast<int>(lWidth);
  _Height = static_cast<int>(lHeight);
  _Figure.reset(new Figure(_Width, _Height));
}

PlotFigure::~PlotFigure() {
  // With the interpreter lock: the data vectors let go of their arrays. No holder of the library's
  // lock waits for the interpreter's, so taking them in this order cannot deadlock.
  const std::lock_guard<std::mutex> lLibrary(LibraryMutex());
  _Figure.reset();
}

void PlotFigure::Prepare() {
  const std::lock_guard<std::mutex> lLibrary(LibraryMutex());
  const RefPtr<CATFont> lFont(CATFont::CreateDefault());
  if (!lFont) return;
  Figure lFigure(kMinSide * 4, kMinSide * 4);
  lFigure.AddPlot();
  CATViewer lViewer(lFigure.GetWidth(), lFigure.GetHeight());
  lFigure.Build(lViewer, *lFont);
}

int PlotFigure::GetNbrPlots() const { return _Figure->GetNbrPlots(); }

PlotArea& PlotFigure::NewPlot(const Part& iPart) {
  const bool lInside = iPart[0] >= 0.0 && iPart[1] >= 0.0 && iPart[2] <= 1.0 && iPart[3] <= 1.0;
  if (!(lInside && iPart[0] < iPart[2] && iPart[1] < iPart[3]))
    Raise(PyExc_ValueError, "part (" + std::to_string(iPart[0]) + ", " + std::to_string(iPart[1]) + ", " +
                                std::to_string(iPart[2]) + ", " + std::to_string(iPart[3]) +
                                "): give (left, bottom, right, top) with 0 <= left < right <= 1 and "
                                "0 <= bottom < top <= 1");
  return _Figure->AddPlot(iPart[0], iPart[1], iPart[2], iPart[3]);
}

void PlotFigure::AddCurve(const py::object& iY, const py::object& iX, const py::object& iLabels, bool iSymbols,
                          bool iLogX, bool iLogY, const std::string& iXLabel, const std::string& iYLabel,
                          const std::string& iTitle, const Part& iPart) {
  const bool lSeveral = py::isinstance<py::list>(iY) || py::isinstance<py::tuple>(iY);
  std::vector<py::handle> lItems;
  if (lSeveral)
    for (const py::handle lItem : iY) lItems.push_back(lItem);
  else
    lItems.push_back(iY);
  if (lItems.empty()) Raise(PyExc_ValueError, "y: give at least one array");
  std::vector<std::string> lNames;
  for (size_t i = 0; i < lItems.size(); ++i) lNames.push_back(lSeveral ? "y[" + std::to_string(i) + "]" : "y");
  if (!iLabels.is_none()) {
    std::vector<std::string> lLabels;
    if (py::isinstance<py::str>(iLabels))
      lLabels.push_back(iLabels.cast<std::string>());
    else
      for (const py::handle lLabel : iLabels) lLabels.push_back(py::str(lLabel));
    if (lLabels.size() != lItems.size())
      Raise(PyExc_ValueError, "labels: " + std::to_string(lLabels.size()) + " names for " +
                                  std::to_string(lItems.size()) + " curves: give one name per curve");
    lNames = lLabels;
  }
  RefPtr<ArrayVector> lX;
  if (!iX.is_none()) lX = VectorOf(iX, "x");
  std::vector<RefPtr<ArrayVector>> lYs;
  for (size_t i = 0; i < lItems.size(); ++i) lYs.push_back(VectorOf(lItems[i], lSeveral ? lNames[i] : "y"));
  if (lX)
    for (size_t i = 0; i < lYs.size(); ++i)
      if (lYs[i]->GetLength() != lX->GetLength())
        Warn(lNames[i] + " has " + std::to_string(lYs[i]->GetLength()) + " values and the x values " +
             std::to_string(lX->GetLength()) + ": " +
             std::to_string(std::min(lYs[i]->GetLength(), lX->GetLength())) + " are plotted");
  const std::lock_guard<std::mutex> lLibrary(LibraryMutex());
  PlotArea& lPlot = NewPlot(iPart);
  lPlot.SetTitle(iTitle);
  lPlot.GetXAxis().SetLabel(iXLabel);
  lPlot.GetYAxis().SetLabel(iYLabel);
  lPlot.GetXAxis().SetLog(iLogX);
  lPlot.GetYAxis().SetLog(iLogY);
  // Without x values each curve is drawn over its own sample numbers, computed as they are read.
  for (size_t i = 0; i < lYs.size(); ++i) {
    const RefPtr<CATSamIVector> lXi = lX ? RefPtr<CATSamIVector>::Hold(lX.Get())
                                         : RefPtr<CATSamIVector>(new IndexVector(lYs[i]->GetLength()));
    lPlot.AddCurve(lXi.Get(), lYs[i].Get(), lNames[i], iSymbols);
  }
}

void PlotFigure::AddMap(const py::object& iX, const py::object& iZ, const py::object& iValues,
                        const py::object& iXRows, bool iTranspose,
                        bool iOrder, double iTolerance, double iZFactor, const Limits& iXLimits,
                        const Limits& iZLimits, const Limits& iValueLimits, const std::string& iColors,
                        const std::string& iXLabel, const std::string& iZLabel, const std::string& iValueLabel,
                        const std::string& iTitle, const Part& iPart) {
  ColormapData lData;
  double lValueMin = NAN, lValueMax = NAN;
  ReadLimits(iXLimits, "x_limits", lData.XMin, lData.XMax);
  ReadLimits(iZLimits, "z_limits", lData.ZMin, lData.ZMax);
  ReadLimits(iValueLimits, "value_limits", lValueMin, lValueMax);
  const ColorScaleAxis::eTable lTable = TableOf(iColors);
  if (!(iTolerance >= 0.0) || !std::isfinite(iZFactor) || iZFactor == 0.0)
    Raise(PyExc_ValueError, "tolerance needs a number >= 0 and z_factor a number other than 0");
  if (iZ.is_none() || iValues.is_none()) Raise(PyExc_ValueError, "give the Z values (z) and the values (values)");
  if (iX.is_none() == iXRows.is_none()) Raise(PyExc_ValueError, "give the X values with x or with x_rows, not both");
  if (iTranspose && !iXRows.is_none()) Raise(PyExc_ValueError, "transpose reads values with x, not with x_rows");
  const RefPtr<ArrayVector> lZ = VectorOf(iZ, "z");
  const RefPtr<NumericArray> lValues = ArrayOf(iValues, "values", true);
  RefPtr<ArrayVector> lX;
  RefPtr<ArrayMatrix> lMatrix;
  RefPtr<ArrayXRows> lRows;
  RefPtr<ArrayValueRows> lValueRows;
  unsigned int lLengthX = 0;
  if (iXRows.is_none()) {
    lX = VectorOf(iX, "x");
    lMatrix = RefPtr<ArrayMatrix>(
        new ArrayMatrix(lValues.Get(), iTranspose ? ArrayMatrix::RowPerX : ArrayMatrix::RowPerZ));
    if (lMatrix->GetLengthX() != lX->GetLength() || lMatrix->GetLengthY() != lZ->GetLength()) {
      const std::string lX0 = std::to_string(lX->GetLength()), lZ0 = std::to_string(lZ->GetLength());
      Raise(PyExc_ValueError, "values: " + Shape(*lValues) + " values, but the map needs " +
                                  (iTranspose ? lX0 + " x " + lZ0 + " (values[i_x, i_z], the lengths of x and z)"
                                              : lZ0 + " x " + lX0 + " (values[i_z, i_x], the lengths of z and x)"));
    }
    CheckOrder(lX.Get(), "x");
    lLengthX = lX->GetLength();
  } else {
    const RefPtr<NumericArray> lXRows = ArrayOf(iXRows, "x_rows", true);
    if (lXRows->GetRows() != lZ->GetLength())
      Raise(PyExc_ValueError, "x_rows: " + std::to_string(lXRows->GetRows()) + " rows, but z has " +
                                  std::to_string(lZ->GetLength()) + " values (one row per Z value)");
    if (lValues->GetRows() != lXRows->GetRows() || lValues->GetColumns() != lXRows->GetColumns())
      Raise(PyExc_ValueError, "values: " + Shape(*lValues) + " values, but x_rows is " + Shape(*lXRows) +
                                  ": row j of both belongs to Z sample j");
    std::string lBreak;
    {
      const py::gil_scoped_release lFree;
      lRows = RefPtr<ArrayXRows>(new ArrayXRows(lXRows.Get()));
      lBreak = SampleOrder::Check(lRows.Get(), "x_rows", "x");
    }
    if (!lBreak.empty()) Raise(PyExc_ValueError, lBreak);
    lValueRows = RefPtr<ArrayValueRows>(new ArrayValueRows(lValues.Get(), lRows->GetRowLengths()));
    for (const unsigned int lLength : lRows->GetRowLengths()) lLengthX = std::max(lLengthX, lLength);
  }
  CheckOrder(lZ.Get(), "z");
  if (iOrder) {
    std::string lError;
    const long long lBytes = QVTFddColormapAlgoOrderBase::EstimateBytes(lLengthX, lZ->GetLength(), _Width, _Height);
    if (!MemoryBudget::Fits("order map", lBytes > 0 ? static_cast<unsigned long long>(lBytes) : 0, lError))
      Raise(PyExc_MemoryError, lError);
  }
  // The colour range straight from the array: one fast pass instead of a cell-by-cell one.
  if (iValueLimits.is_none() && lMatrix) {
    const py::gil_scoped_release lFree;
    if (!lValues->GetFiniteRange(lValueMin, lValueMax)) lValueMin = lValueMax = NAN;
  }
  const RefPtr<LinearScaling> lZScaling(new LinearScaling(iZFactor));
  lData.X = lX.Get();
  lData.Z = lZ.Get();
  lData.Values = lMatrix.Get();
  lData.XRows = lRows.Get();
  lData.ValueRows = lValueRows.Get();
  lData.Order = iOrder;
  lData.Tolerance = iTolerance;
  lData.ZScaling = lZScaling.Get();
  const std::lock_guard<std::mutex> lLibrary(LibraryMutex());
  PlotArea& lPlot = NewPlot(iPart);
  lPlot.SetTitle(iTitle);
  lPlot.GetXAxis().SetLabel(iXLabel);
  lPlot.GetYAxis().SetLabel(iZLabel);
  lPlot.SetColorScale(lTable, lValueMin, lValueMax, iValueLabel);
  lPlot.SetColormap(lData);
  _Order = _Order || iOrder;
}

void PlotFigure::AddContribution(const py::object& iX, const py::object& iY, const std::string& iDirection,
                                 const std::string& iColors, const Limits& iXLimits, const Limits& iValueLimits,
                                 const std::string& iXLabel, const std::string& iValueLabel,
                                 const std::string& iTitle, const Part& iPart) {
  if (iDirection != "horizontal" && iDirection != "vertical")
    Raise(PyExc_ValueError, "direction " + iDirection + ": choose horizontal or vertical");
  const bool lVertical = iDirection == "vertical";
  double lX0 = NAN, lX1 = NAN, lValueMin = NAN, lValueMax = NAN;
  ReadLimits(iXLimits, "x_limits", lX0, lX1);
  ReadLimits(iValueLimits, "value_limits", lValueMin, lValueMax);
  const ColorScaleAxis::eTable lTable = TableOf(iColors);
  const RefPtr<ArrayVector> lX = VectorOf(iX, "x");
  const RefPtr<ArrayVector> lY = VectorOf(iY, "y");
  if (lX->GetLength() != lY->GetLength())
    Raise(PyExc_ValueError, "y: " + std::to_string(lY->GetLength()) + " values for " +
                                std::to_string(lX->GetLength()) + " arguments: one value per argument is needed");
  CheckOrder(lX.Get(), "x");
  const std::lock_guard<std::mutex> lLibrary(LibraryMutex());
  PlotArea& lPlot = NewPlot(iPart);
  lPlot.SetTitle(iTitle);
  PlotAxis& lAxis = lVertical ? lPlot.GetYAxis() : lPlot.GetXAxis();
  lAxis.SetLabel(iXLabel);
  lAxis.SetRange(lX0, lX1);
  lPlot.ShowAxis(lVertical ? PlotArea::Bottom : PlotArea::Left, false);
  lPlot.SetColorScale(lTable, lValueMin, lValueMax, iValueLabel);
  lPlot.AddContributionBar(lX.Get(), lY.Get(), lVertical);
}

template <typename Work>
void PlotFigure::Draw(Work&& iWork) {
  const RefPtr<CATFont> lFont(CATFont::CreateDefault());
  if (!lFont) Raise(PyExc_RuntimeError, "no text font: install the package fonts-dejavu-core");
  Outcome lOutcome;
  std::vector<std::string> lWarnings;
  bool lInterrupted = false;
  {
    const py::gil_scoped_release lFree;
    const std::lock_guard<std::mutex> lLibrary(LibraryMutex());
    const OrderCancel lCancel(_Order);
    lOutcome = iWork(*lFont);
    lWarnings = _Figure->GetWarnings();
    lInterrupted = lCancel.Interrupted();
  }
  for (const std::string& lWarning : lWarnings) Warn(lWarning);
  if (lInterrupted)
    Raise(PyExc_KeyboardInterrupt, "interrupted: the picture holds only the rows computed before Ctrl-C");
  if (lOutcome.type) Raise(lOutcome.type, lOutcome.message);
  if (PyErr_CheckSignals() != 0) throw py::error_already_set();
}

void PlotFigure::Save(const std::string& iPath) {
  CairoRender::eOutput lKind;
  if (!Figure::KindOf(iPath, lKind)) Raise(PyExc_ValueError, iPath + ": name the output file .png, .svg or .pdf");
  Draw([&](CATFont& iFont) {
    Outcome lOutcome;
    if (!_Figure->Write({iPath}, iFont, lOutcome.message)) lOutcome.type = PyExc_OSError;
    return lOutcome;
  });
}

py::array_t<unsigned char> PlotFigure::ToArray() {
  py::array_t<unsigned char> lPixels({static_cast<py::ssize_t>(_Height), static_cast<py::ssize_t>(_Width),
                                      static_cast<py::ssize_t>(4)});
  unsigned char* lData = lPixels.mutable_data();
  Draw([&](CATFont& iFont) {
    Outcome lOutcome;
    CATViewer lViewer(_Width, _Height);
    _Figure->Build(lViewer, iFont);
    CairoRender lRender(_Width, _Height, CairoRender::PNG, "");
    if (!lRender.IsValid()) {
      lOutcome.type = PyExc_MemoryError;
      lOutcome.message = "no memory for a picture of this size";
      return lOutcome;
    }
    lViewer.Draw(lRender);
    // Rows of the array run downwards, as the picture's do.
    lRender.GetPixels(lData);
    return lOutcome;
  });
  return lPixels;
}

py::bytes PlotFigure::ToPng() {
  const char* lTemp = std::getenv("TMPDIR");
  std::string lPath = std::string(lTemp && *lTemp ? lTemp : "/tmp") + "/fddplot-XXXXXX.png";
  const int lFile = mkstemps(&lPath[0], 4);
  if (lFile < 0) Raise(PyExc_OSError, lPath + ": cannot make a temporary file");
  close(lFile);
  std::string lBytes;
  try {
    Draw([&](CATFont& iFont) {
      Outcome lOutcome;
      if (!_Figure->Write({lPath}, iFont, lOutcome.message)) {
        lOutcome.type = PyExc_OSError;
        return lOutcome;
      }
      std::ifstream lIn(lPath, std::ios::binary);
      lBytes.assign(std::istreambuf_iterator<char>(lIn), std::istreambuf_iterator<char>());
      return lOutcome;
    });
  } catch (...) {
    unlink(lPath.c_str());
    throw;
  }
  unlink(lPath.c_str());
  return py::bytes(lBytes);
}

py::object PlotFigure::Probe(const py::object& iAt, int iPlot) {
  double lX = 0.0, lZ = 0.0;
  if (!ReadPair(iAt, lX, lZ) || !std::isfinite(lX) || !std::isfinite(lZ))
    Raise(PyExc_ValueError, "at " + std::string(py::str(iAt)) + ": give the point as two finite numbers (x, z)");
  if (iPlot < 0 || iPlot >= _Figure->GetNbrPlots())
    Raise(PyExc_IndexError, "plot " + std::to_string(iPlot) + ": the figure has " +
                                std::to_string(_Figure->GetNbrPlots()) + " plots");
  double lValue = 0.0;
  long lFound = -1;
  Draw([&](CATFont& iFont) {
    // The value is the one the map shows: draw it at the picture's size, then ask.
    CATViewer lViewer(_Width, _Height);
    _Figure->Build(lViewer, iFont);
    CairoRender lRender(_Width, _Height, CairoRender::PNG, "");
    if (lRender.IsValid()) lViewer.Draw(lRender);
    lFound = _Figure->GetPlot(iPlot).GetMapValue(lX, lZ, lValue);
    return Outcome();
  });
  if (lFound != 0) return py::none();
  return py::float_(lValue);
}
