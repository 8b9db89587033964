// fddplot: plots of sampled functions from Python and NumPy, drawn with the QVTFddRep library.
// The functions are fdd-plot's subcommands and their keyword arguments its options, bound from the
// same tables (x_limits for --x-limits); arrays are read in place through the buffer protocol,
// never copied, and a str names a data file as on fdd-plot's command line.
#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <deque>
#include <memory>
#include <string>

#include "ContributionRequest.h"
#include "CurveRequest.h"
#include "DialogTitles.h"
#include "PlotFigure.h"
#include "ProbeRequest.h"
#include "RequestKeywords.h"
#include "RunupPlot.h"
#include "TimeFrequencyPlot.h"
#include "PowerPlot.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

const PlotFigure::Part kWholePage = {0.0, 0.0, 1.0, 1.0};

const char* const kModuleDoc = R"(Plots of sampled functions drawn with the QVTFddRep library.

Arrays (NumPy or any buffer: float64, float32 or integers, contiguous or strided) are read where
they lie: nothing is copied, and each figure keeps the arrays it draws alive. A str (or a path)
in place of an array names a data file as fdd-plot's command line does ("run.csv:speed").

    import numpy as np, fddplot
    t = np.linspace(0, 10, 10_000_000)
    fddplot.curve(np.sin(t), x=t, xlabel="Time [s]").save("sine.png")

curve, map, contribution and probe are fdd-plot's subcommands, their keyword arguments its
options (x_limits for --x-limits) with the same defaults and checks; Figure makes pages of
several plots. Bad data and values raise ValueError, files OSError, a lack of memory
MemoryError, each with fdd-plot's one-line message; Ctrl-C during an order map raises
KeyboardInterrupt.)";

const char* const kFigureDoc = R"(A picture of one or more plots, drawn on request.

Figure(size=(1000, 600)) makes an empty page of size (width, height) pixels (points for PDF),
each side 16 to 8192; add_curve, add_map and add_contribution place plots on it, each over a
part (left, bottom, right, top) of the page in fractions of its width and height. The functions
curve, map and contribution return a figure of one plot.)";

const char* const kPartDoc = "\n  part (default (0, 0, 1, 1)): the part (left, bottom, right, top) of the page, in fractions";

// The forms of the functions: which options may be given by position, whether the picture's size
// is theirs (a function making a figure) or the page's (a figure's add_ method).
const RequestKeywords::Form kCurve = {{"y", "x"}, true, {}};
const RequestKeywords::Form kMap = {{"x", "z", "values"}, true, {}};
const RequestKeywords::Form kProbe = {{"x", "z", "values"}, true, {}};
const RequestKeywords::Form kContribution = {{"x", "y"}, true, {}};
const RequestKeywords::Form kAnalysis = {{"signal", "rate"}, true, {}};
const RequestKeywords::Form kAddCurve = {{"y", "x"}, false, {"part"}};
const RequestKeywords::Form kAddMap = {{"x", "z", "values"}, false, {"part"}};
const RequestKeywords::Form kAddContribution = {{"x", "y"}, false, {"part"}};

// A doc kept for the module's life: the functions point at it.
const char* Keep(std::string iDoc) {
  static std::deque<std::string> sDocs;
  sDocs.push_back(std::move(iDoc));
  return sDocs.back().c_str();
}

PlotFigure::Part PartOf(py::kwargs& ioKeywords) {
  if (!ioKeywords.contains("part")) return kWholePage;
  const py::object lPart = ioKeywords.attr("pop")("part");
  return lPart.is_none() ? kWholePage : lPart.cast<PlotFigure::Part>();
}

// A function of the module: fills a request of kind R from the arguments, then makes a figure of
// its size and adds the plot with iAdd.
template <class R, typename Add>
std::unique_ptr<PlotFigure> MakeFigure(const char* iName, const RequestKeywords::Form& iForm, const py::args& iArgs,
                                       py::kwargs& ioKeywords, Add&& iAdd) {
  R lRequest;
  RequestKeywords::Fill(iName, iForm, iArgs, ioKeywords, lRequest);
  std::unique_ptr<PlotFigure> lFigure(new PlotFigure(lRequest.Width, lRequest.Height));
  iAdd(*lFigure, lRequest, kWholePage);
  return lFigure;
}

// A figure's add_ method for requests of kind R.
template <class R, typename Add>
void AddTo(PlotFigure& ioFigure, const char* iName, const RequestKeywords::Form& iForm, const py::args& iArgs,
           py::kwargs& ioKeywords, Add&& iAdd) {
  const PlotFigure::Part lPart = PartOf(ioKeywords);
  R lRequest;
  RequestKeywords::Fill(iName, iForm, iArgs, ioKeywords, lRequest);
  iAdd(ioFigure, lRequest, lPart);
}

const auto kAddCurvePlot = [](PlotFigure& f, const CurveRequest& r, const PlotFigure::Part& p) { f.AddCurve(r, p); };
const auto kAddMapPlot = [](PlotFigure& f, const MapRequest& r, const PlotFigure::Part& p) { f.AddMap(r, p); };
const auto kAddBarPlot = [](PlotFigure& f, const ContributionRequest& r, const PlotFigure::Part& p) {
  f.AddContribution(r, p);
};

// Fills a request of kind R and computes its analysis with a plot of kind P (iCompute) without the
// interpreter lock; raises the request's error, warns of frames left out.
template <class R, class P, typename Compute>
void Analyse(const char* iName, const py::args& iArgs, py::kwargs& ioKeywords, R& oRequest, P& oPlot,
             Compute&& iCompute) {
  RequestKeywords::Fill(iName, kAnalysis, iArgs, ioKeywords, oRequest);
  RequestError lError;
  std::vector<std::string> lWarnings;
  bool lDone = false;
  {
    const py::gil_scoped_release lFree;
    lDone = iCompute(oPlot, oRequest, lError, lWarnings);
  }
  if (!lDone) RequestKeywords::Raise(lError);
  for (const std::string& lWarning : lWarnings)
    if (PyErr_WarnEx(PyExc_UserWarning, lWarning.c_str(), 1) != 0) throw py::error_already_set();
}

// The figure of an analysis: its curves or its map on a page of the request's size.
template <class R, class P, typename Compute>
std::unique_ptr<PlotFigure> AnalysisFigure(const char* iName, const py::args& iArgs, py::kwargs& ioKeywords,
                                           Compute&& iCompute) {
  R lRequest;
  P lPlot;
  Analyse(iName, iArgs, ioKeywords, lRequest, lPlot, iCompute);
  std::unique_ptr<PlotFigure> lFigure(new PlotFigure(lRequest.Width, lRequest.Height));
  if (lPlot.IsMap())
    lFigure->AddMap(lPlot.GetMap(), kWholePage);
  else
    lFigure->AddCurve(lPlot.GetCurves(), kWholePage);
  return lFigure;
}

py::array_t<double> ArrayOf(const std::vector<double>& iValues) {
  return py::array_t<double>(static_cast<py::ssize_t>(iValues.size()), iValues.data());
}

// iValues, iRows x iColumns in C order, as a 2-D array; transposed when iTranspose.
py::array_t<double> MatrixOf(const std::vector<double>& iValues, size_t iRows, size_t iColumns, bool iTranspose) {
  py::array_t<double> lMatrix(
      {static_cast<py::ssize_t>(iRows), static_cast<py::ssize_t>(iColumns)}, iValues.data());
  return iTranspose ? py::array_t<double>(lMatrix.attr("T").attr("copy")()) : lMatrix;
}

const auto kSpectrum = [](PowerPlot& p, const PowerRequest& r, RequestError& e, std::vector<std::string>& w) {
  return p.Compute(r, e, w);
};
const auto kRunup = [](RunupPlot& p, const RunupRequest& r, RequestError& e, std::vector<std::string>& w) {
  return p.Compute(r, e, w);
};

}  // namespace

PYBIND11_MODULE(fddplot, m) {
  m.doc() = kModuleDoc;
  m.attr("__version__") = FDD_VERSION;
  // The progress of order maps shows a title for people, not the dialog's resource name.
  DialogTitles::Set("QVTFddProgressBar", "Order map");
  PlotFigure::Prepare();
  // The docs below begin with signatures made from the tables of options.
  py::options lOptions;
  lOptions.disable_function_signatures();

  py::class_<PlotFigure>(m, "Figure", kFigureDoc)
      .def(py::init<const py::object&>(), "size"_a = py::make_tuple(1000, 600),
           "Figure(size=(1000, 600))\n\nAn empty page of size (width, height) pixels.")
      .def_property_readonly("size", [](const PlotFigure& f) { return py::make_tuple(f.GetWidth(), f.GetHeight()); },
                             "The page's (width, height) in pixels.")
      .def_property_readonly("plots", &PlotFigure::GetNbrPlots, "How many plots the page holds.")
      .def(
          "add_curve",
          [](PlotFigure& f, const py::args& a, py::kwargs k) { AddTo<CurveRequest>(f, "add_curve", kAddCurve, a, k, kAddCurvePlot); },
          Keep(RequestKeywords::Doc<CurveRequest>("add_curve", "Adds a plot of one or more curves y(x) over part of the page.",
                                             kAddCurve, kPartDoc)))
      .def(
          "add_map",
          [](PlotFigure& f, const py::args& a, py::kwargs k) { AddTo<MapRequest>(f, "add_map", kAddMap, a, k, kAddMapPlot); },
          Keep(RequestKeywords::Doc<MapRequest>(
              "add_map", "Adds a colour map of values over X and Z, with its colour scale, over part of the page.",
              kAddMap, kPartDoc)))
      .def(
          "add_contribution",
          [](PlotFigure& f, const py::args& a, py::kwargs k) {
            AddTo<ContributionRequest>(f, "add_contribution", kAddContribution, a, k, kAddBarPlot);
          },
          Keep(RequestKeywords::Doc<ContributionRequest>(
              "add_contribution", "Adds a contribution bar, the colours of values y along x in one strip, over part of "
              "the page.", kAddContribution, kPartDoc)))
      .def(
          "add_plot",
          [](py::object self, const std::string& kind, const py::kwargs& arguments) {
            if (kind != "curve" && kind != "map" && kind != "contribution") {
              PyErr_SetString(PyExc_ValueError, ("kind " + kind + ": choose curve, map or contribution").c_str());
              throw py::error_already_set();
            }
            self.attr(("add_" + kind).c_str())(**arguments);
          },
          "kind"_a,
          "add_plot(kind, **arguments)\n\nAdds a plot of the kind 'curve', 'map' or 'contribution', with the\n"
          "arguments of add_curve, add_map or add_contribution (part=(left, bottom, right, top) included).")
      .def("save", &PlotFigure::Save, "path"_a,
           "save(path)\n\nWrites the picture to path (a str or a path-like object); its extension chooses PNG, SVG or "
           "PDF.\nThe file is written whole or not at all; OSError says why not.")
      .def("to_array", &PlotFigure::ToArray,
           "to_array()\n\nThe picture as a NumPy uint8 array of shape (height, width, 4): RGBA, top row first.")
      .def("_repr_png_", &PlotFigure::ToPng, "_repr_png_()\n\nThe picture as PNG bytes, for notebooks.")
      .def("probe", py::overload_cast<const py::object&, int>(&PlotFigure::Probe), "at"_a, "plot"_a = 0,
           "probe(at, plot=0)\n\nThe value the colour map of plot number `plot` shows at the point at=(x, z), "
           "computed on the\npixel grid of the picture; None where no sample of the map lies.");

  m.def(
      "curve",
      [](const py::args& a, py::kwargs k) { return MakeFigure<CurveRequest>("curve", kCurve, a, k, kAddCurvePlot); },
      Keep(RequestKeywords::Doc<CurveRequest>("curve", "Plot one or more curves y(x): a Figure of one plot. y is an array, "
                                         "or a list of arrays for several curves.", kCurve)));
  m.def(
      "map", [](const py::args& a, py::kwargs k) { return MakeFigure<MapRequest>("map", kMap, a, k, kAddMapPlot); },
      Keep(RequestKeywords::Doc<MapRequest>(
          "map", "Draw a colour map of values over X and Z, with its colour scale: a Figure of one plot. Each pixel "
          "shows the largest of the samples it covers, so that a single-sample peak stays visible.", kMap)));
  m.def(
      "contribution",
      [](const py::args& a, py::kwargs k) {
        return MakeFigure<ContributionRequest>("contribution", kContribution, a, k, kAddBarPlot);
      },
      Keep(RequestKeywords::Doc<ContributionRequest>(
          "contribution", "Draw a contribution bar: the colours of values y along x in one strip, with its axis and "
          "colour scale; a Figure of one plot.", kContribution)));
  m.def(
      "probe",
      [](const py::args& a, py::kwargs k) {
        ProbeRequest lRequest;
        RequestKeywords::Fill("probe", kProbe, a, k, lRequest);
        PlotFigure lFigure(lRequest.Width, lRequest.Height);
        lFigure.AddMap(lRequest, kWholePage);
        return lFigure.Probe(lRequest.AtX, lRequest.AtZ, 0);
      },
      Keep(RequestKeywords::Doc<ProbeRequest>("probe", "The value the colour map of the same arguments shows at the point "
                                         "at=(X, Z), computed on the pixel grid of the picture map would draw; None "
                                         "where no sample lies.", kProbe)));
  m.def(
      "spectrum",
      [](const py::args& a, py::kwargs k) { return AnalysisFigure<PowerRequest, PowerPlot>("spectrum", a, k, kSpectrum); },
      Keep(RequestKeywords::Doc<PowerRequest>(
          "spectrum", "Plot the spectrum of a recording (Welch's averaged periodogram, one-sided): a Figure of one "
          "plot.", kAnalysis)));
  m.def(
      "spectrogram",
      [](const py::args& a, py::kwargs k) {
        return AnalysisFigure<TimeFrequencyRequest, TimeFrequencyPlot>(
            "spectrogram", a, k, [](TimeFrequencyPlot& p, const TimeFrequencyRequest& r, RequestError& e, std::vector<std::string>& w) {
              return p.Compute(r, r.Width, NAN, NAN, e, w);
            });
      },
      Keep(RequestKeywords::Doc<TimeFrequencyRequest>(
          "spectrogram", "Draw the spectrogram of a recording, time along X and frequency along Z: a Figure of one "
          "plot. The frames are reduced into the picture's columns by their largest power, so a one-frame transient "
          "stays visible.", kAnalysis)));
  m.def(
      "runup",
      [](const py::args& a, py::kwargs k) { return AnalysisFigure<RunupRequest, RunupPlot>("runup", a, k, kRunup); },
      Keep(RequestKeywords::Doc<RunupRequest>(
          "runup", "Draw a run-up: the spectra of a recording binned by the shaft's speed (rpm or tacho), as "
          "frequency or order over speed, or order cuts; a Figure of one plot.", kAnalysis)));
  m.def(
      "spectrum_values",
      [](const py::args& a, py::kwargs k) {
        PowerRequest lRequest;
        PowerPlot lPlot;
        Analyse("spectrum_values", a, k, lRequest, lPlot, kSpectrum);
        return py::make_tuple(ArrayOf(lPlot.GetFrequencies()), ArrayOf(lPlot.GetPower()));
      },
      Keep(RequestKeywords::Doc<PowerRequest>(
          "spectrum_values", "The spectrum spectrum() draws, as NumPy arrays (f, power); the picture's arguments are "
          "taken and left unused.", kAnalysis)));
  m.def(
      "spectrogram_values",
      [](const py::args& a, py::kwargs k) {
        TimeFrequencyRequest lRequest;
        TimeFrequencyPlot lPlot;
        Analyse("spectrogram_values", a, k, lRequest, lPlot,
                [](TimeFrequencyPlot& p, const TimeFrequencyRequest& r, RequestError& e, std::vector<std::string>& w) {
                  return p.Compute(r, 0, NAN, NAN, e, w);
                });
        const FrameColumns& c = lPlot.GetColumns();
        return py::make_tuple(ArrayOf(c.GetTimes()), ArrayOf(c.GetFrequencies()),
                              MatrixOf(c.GetValues(), c.GetTimes().size(), c.GetFrequencies().size(), true));
      },
      Keep(RequestKeywords::Doc<TimeFrequencyRequest>(
          "spectrogram_values", "Every frame of the spectrogram as NumPy arrays (t, f, S), S[i_f, i_t] as "
          "scipy.signal.spectrogram gives it; the picture's arguments are taken and left unused.", kAnalysis)));
  m.def(
      "runup_values",
      [](const py::args& a, py::kwargs k) {
        RunupRequest lRequest;
        RunupPlot lPlot;
        Analyse("runup_values", a, k, lRequest, lPlot, kRunup);
        const std::vector<double>& lSpeeds = lPlot.GetSpectra().GetSpeeds();
        const bool lCuts = !lRequest.CutOrders.empty();
        const size_t lRows = lCuts ? lPlot.GetX().size() : lSpeeds.size();
        return py::make_tuple(ArrayOf(lSpeeds), ArrayOf(lPlot.GetX()),
                              MatrixOf(lPlot.GetValues(), lRows, lCuts ? lSpeeds.size() : lPlot.GetX().size(), false));
      },
      Keep(RequestKeywords::Doc<RunupRequest>(
          "runup_values", "The run-up runup() draws as NumPy arrays (rpm, x, S): x the frequencies (or the orders with "
          "orders=True) and S[i_rpm, i_x]; with order_cut, x the orders and S[i_order, i_rpm] their levels.",
          kAnalysis)));
  m.def(
      "_options",
      [](const std::string& kind) {
        py::list lOptions;
        auto lList = [&](auto iTable) {
          for (const auto& o : iTable)
            lOptions.append(py::make_tuple(RequestKeywords::PythonName(o.name), o.name, RequestKeywords::DefaultOf(o),
                                           RequestKeywords::TypeOf(o.kind), o.required, o.picture));
        };
        if (kind == "curve") lList(CurveRequest::Options());
        else if (kind == "map") lList(MapRequest::Options());
        else if (kind == "probe") lList(ProbeRequest::Options());
        else if (kind == "contribution") lList(ContributionRequest::Options());
        else if (kind == "spectrum") lList(PowerRequest::Options());
        else if (kind == "spectrogram") lList(TimeFrequencyRequest::Options());
        else if (kind == "runup") lList(RunupRequest::Options());
        return lOptions;
      },
      "kind"_a, "_options(kind)\n\nThe options of a kind of plot, each (Python name, command-line name, default, Python type,\n"
      "required, whether it is the picture's rather than a plot's).");
}
