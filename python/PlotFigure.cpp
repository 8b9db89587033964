#include "PlotFigure.h"


#include <algorithm>
#include <cmath>
#include <utility>

#include "CATFont.h"
#include "CATViewer.h"
#include "ContributionPlot.h"
#include "CursorTable.h"
#include "CurvePlot.h"
#include "Figure.h"
#include "LibraryLock.h"
#include "MapPlot.h"
#include "OptionText.h"
#include "OrderCancel.h"
#include "PlotArea.h"
#include "RefPtr.h"
#include "RequestKeywords.h"

namespace py = pybind11;

namespace {


// What a drawing left to raise: an exception type (null: none) and its message.
struct Outcome {
  PyObject* type = nullptr;
  std::string message;
};

[[noreturn]] void Raise(PyObject* iType, const std::string& iMessage) {
  PyErr_SetString(iType, iMessage.c_str());
  throw py::error_already_set();
}

void Warn(const std::string& iMessage) {
  if (PyErr_WarnEx(PyExc_UserWarning, iMessage.c_str(), 2) != 0) throw py::error_already_set();
}

}  // namespace

PlotFigure::PlotFigure(int iWidth, int iHeight)
    : _Width(iWidth), _Height(iHeight), _Figure(new Figure(iWidth, iHeight)) {}

PlotFigure::PlotFigure(const py::object& iSize) {
  RequestError lError;
  if (!OptionText::Size(RequestKeywords::PairText(iSize, "x"), "", _Width, _Height, lError))
    RequestKeywords::Raise(lError);
  _Figure.reset(new Figure(_Width, _Height));
}

PlotFigure::~PlotFigure() {
  // With the interpreter lock: the data vectors let go of their arrays. The library's lock is never
  // held by one who waits for the interpreter's (LibraryLock), so this order cannot deadlock.
  const LibraryLock lLibrary;
  _Figure.reset();
}

void PlotFigure::Prepare() {
  const LibraryLock lLibrary;
  const RefPtr<CATFont> lFont(CATFont::CreateDefault());
  if (!lFont) return;
  Figure lFigure(OptionText::kMinSide * 4, OptionText::kMinSide * 4);
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

// Loads a plot's data without the interpreter lock (the checks read every sample), then shows it
// on a new plot area with the library's lock; the warnings of the loading go to Python's.
template <typename Plot, typename Request, typename Load>
void PlotFigure::AddPlot(const Request& iRequest, const Part& iPart, Load&& iLoad) {
  Plot lPlot;
  RequestError lError;
  std::vector<std::string> lWarnings;
  bool lLoaded = false;
  {
    const py::gil_scoped_release lFree;
    lLoaded = iLoad(lPlot, iRequest, lError, lWarnings);
  }
  if (!lLoaded) RequestKeywords::Raise(lError);
  for (const std::string& lWarning : lWarnings) Warn(lWarning);
  const LibraryLock lLibrary;
  lPlot.Show(NewPlot(iPart));
}

void PlotFigure::AddCurve(const CurveRequest& iRequest, const Part& iPart) {
  std::string lStats;
  AddPlot<CurvePlot>(iRequest, iPart, [&lStats](CurvePlot& ioPlot, const CurveRequest& iCurves, RequestError& oError,
                                                std::vector<std::string>& ioWarnings) {
    if (!ioPlot.Load(iCurves, oError, ioWarnings)) return false;
    // stats=True writes the cursors' table as CSV, as fdd-plot's --stats does.
    if (iCurves.Stats) lStats = ioPlot.GetCursorTable().Csv();
    return true;
  });
  if (!lStats.empty()) py::module_::import("sys").attr("stdout").attr("write")(lStats);
}

void PlotFigure::AddMap(const MapRequest& iRequest, const Part& iPart) {
  AddPlot<MapPlot>(iRequest, iPart, [this](MapPlot& ioPlot, const MapRequest& iMap, RequestError& oError,
                                           std::vector<std::string>&) {
    return ioPlot.Load(iMap, _Width, _Height, oError);
  });
  _Order = _Order || iRequest.Order;
}

void PlotFigure::AddContribution(const ContributionRequest& iRequest, const Part& iPart) {
  AddPlot<ContributionPlot>(iRequest, iPart, [](ContributionPlot& ioPlot, const ContributionRequest& iBar,
                                                RequestError& oError, std::vector<std::string>&) {
    return ioPlot.Load(iBar, oError);
  });
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
    const LibraryLock lLibrary;
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

void PlotFigure::Save(const py::object& iPath) {
  // A path-like object (pathlib.Path) as well as a str.
  const std::string lPath = py::str(py::module_::import("os").attr("fspath")(iPath));
  CairoRender::eOutput lKind;
  if (!Figure::KindOf(lPath, lKind)) Raise(PyExc_ValueError, lPath + ": name the output file .png, .svg or .pdf");
  Draw([&](CATFont& iFont) {
    Outcome lOutcome;
    if (!_Figure->Write({lPath}, iFont, lOutcome.message)) lOutcome.type = PyExc_OSError;
    return lOutcome;
  });
}

py::array_t<unsigned char> PlotFigure::ToArray() {
  py::array_t<unsigned char> lPixels({static_cast<py::ssize_t>(_Height), static_cast<py::ssize_t>(_Width),
                                      static_cast<py::ssize_t>(4)});
  unsigned char* lData = lPixels.mutable_data();
  Draw([&](CATFont& iFont) {
    Outcome lOutcome;
    if (!_Figure->GetPixels(iFont, lData, lOutcome.message)) lOutcome.type = PyExc_MemoryError;
    return lOutcome;
  });
  return lPixels;
}

py::bytes PlotFigure::ToPng() {
  std::vector<unsigned char> lPng;
  Draw([&](CATFont& iFont) {
    Outcome lOutcome;
    if (!_Figure->EncodePng(iFont, lPng, lOutcome.message)) lOutcome.type = PyExc_MemoryError;
    return lOutcome;
  });
  return py::bytes(reinterpret_cast<const char*>(lPng.data()), lPng.size());
}

py::object PlotFigure::Probe(const py::object& iAt, int iPlot) {
  double lX = 0.0, lZ = 0.0;
  RequestError lError;
  if (!OptionText::Point("at", RequestKeywords::PairText(iAt, ","), lX, lZ, lError)) RequestKeywords::Raise(lError);
  return Probe(lX, lZ, iPlot);
}

py::object PlotFigure::Probe(double iX, double iZ, int iPlot) {
  if (iPlot < 0 || iPlot >= _Figure->GetNbrPlots())
    Raise(PyExc_IndexError, "plot " + std::to_string(iPlot) + ": the figure has " +
                                std::to_string(_Figure->GetNbrPlots()) + " plots");
  double lValue = 0.0;
  bool lFound = false;
  Draw([&](CATFont& iFont) {
    lFound = _Figure->ProbeMap(iPlot, iX, iZ, iFont, lValue);
    return Outcome();
  });
  if (!lFound) return py::none();
  return py::float_(lValue);
}
