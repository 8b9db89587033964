// fddplot: plots of sampled functions from Python and NumPy, drawn with the QVTFddRep library.
// The functions mirror the subcommands of fdd-plot, their keyword arguments its options; arrays
// are read in place through the buffer protocol, never copied.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "DialogTitles.h"
#include "PlotFigure.h"

namespace py = pybind11;
using namespace pybind11::literals;

namespace {

const PlotFigure::Part kWholePage = {0.0, 0.0, 1.0, 1.0};

const char* const kModuleDoc = R"(Plots of sampled functions drawn with the QVTFddRep library.

Arrays (NumPy or any buffer: float64, float32 or integers, contiguous or strided) are read where
they lie: nothing is copied, and each figure keeps the arrays it draws alive.

    import numpy as np, fddplot
    t = np.linspace(0, 10, 10_000_000)
    fddplot.curve(np.sin(t), x=t, xlabel="Time [s]").save("sine.png")

curve, map, contribution and probe mirror the subcommands of fdd-plot; Figure makes pages of
several plots. Bad data raise ValueError, files OSError, a lack of memory MemoryError, each with
fdd-plot's one-line message; Ctrl-C during an order map raises KeyboardInterrupt.)";

const char* const kFigureDoc = R"(A picture of one or more plots, drawn on request.

Figure(size=(1000, 600)) makes an empty page of size (width, height) pixels (points for PDF),
each side 16 to 8192; add_curve, add_map and add_contribution place plots on it, each over a
part (left, bottom, right, top) of the page in fractions of its width and height. The functions
curve, map and contribution return a figure of one plot.)";

const char* const kCurveArgs = R"(
  y          the values: one array, or a list of arrays for several curves, each in its own
             colour, with a legend when there are several
  x          the arguments, one array for all curves (default: the sample numbers 0, 1, 2 ...);
             a curve longer or shorter than x is cut to the shorter, with a warning
  labels     the legend's names, one per curve (default: y, or y[0], y[1] ...)
  symbols    mark every sample with a symbol
  log_x      logarithmic x axis (values <= 0 leave gaps)
  log_y      logarithmic y axis (values <= 0 leave gaps)
  xlabel     label of the x axis
  ylabel     label of the y axis
  title      title above the plot)";

const char* const kMapArgs = R"(
  x          X values (1-D, ascending or descending), one per column of values
  z          Z values (1-D, ascending or descending), one per row of values
  values     2-D array values[i_z, i_x] (X along the width, Z upwards), as images, imshow and
             spectrograms hold them
  x_rows     instead of x, non-homogeneous data: row j of this 2-D array holds the X values of
             Z sample j, padded with NaN, and row j of values their values
  transpose  values are stored one row per X value (values[i_x, i_z])
  order      order interpolation: join the samples of neighbouring rows along lines of equal
             X/Z ratio (orders of a rotating machine); Ctrl-C cancels it and raises
             KeyboardInterrupt, the picture keeping the rows computed
  tolerance  with order: how far the ratio of joined samples may differ (default 0.05)
  z_factor   with order: brings Z into the unit of X (1/60 for rpm against Hz)
  x_limits   X range shown, (a, b) (default: the data's)
  z_limits   Z range shown, (a, b) (default: the data's)
  value_limits  values at the ends of the colour scale, (a, b) (default: the data's)
  colors     colour table: viridis, rainbow or grey
  xlabel     label of the X axis
  zlabel     label of the Z axis
  value_label  label of the colour scale
  title      title above the map
Each pixel shows the largest of the samples it covers, so that a single-sample peak stays
visible. Samples whose X or Z is NaN are left out with a warning.)";

const char* const kContributionArgs = R"(
  x          arguments (1-D, ascending or descending)
  y          values, one per argument
  direction  horizontal or vertical
  colors     colour table: viridis, rainbow or grey
  x_limits   argument range shown, (a, b) (default: the data's)
  value_limits  values at the ends of the colour scale, (a, b) (default: the data's)
  xlabel     label of the argument axis
  value_label  label of the colour scale
  title      title above the bar)";

std::string Doc(const char* iHead, const char* iArgs, const char* iTail = "") {
  return std::string(iHead) + "\n\nArguments:" + iArgs + iTail;
}

py::tuple DefaultContributionSize(const std::string& iDirection) {
  return iDirection == "vertical" ? py::make_tuple(300, 700) : py::make_tuple(1000, 220);
}

}  // namespace

PYBIND11_MODULE(fddplot, m) {
  m.doc() = kModuleDoc;
  // The progress of order maps shows a title for people, not the dialog's resource name.
  DialogTitles::Set("QVTFddProgressBar", "Order map");
  PlotFigure::Prepare();

  py::class_<PlotFigure>(m, "Figure", kFigureDoc)
      .def(py::init<const py::object&>(), "size"_a = py::make_tuple(1000, 600),
           "An empty page of size (width, height) pixels.")
      .def_property_readonly("size", [](const PlotFigure& f) { return py::make_tuple(f.GetWidth(), f.GetHeight()); },
                             "The page's (width, height) in pixels.")
      .def_property_readonly("plots", &PlotFigure::GetNbrPlots, "How many plots the page holds.")
      .def("add_curve", &PlotFigure::AddCurve, "y"_a, "x"_a = py::none(), "labels"_a = py::none(),
           "symbols"_a = false, "log_x"_a = false, "log_y"_a = false, "xlabel"_a = "", "ylabel"_a = "",
           "title"_a = "", "part"_a = kWholePage,
           Doc("Adds a plot of one or more curves y(x) over part (left, bottom, right, top) of the page.",
               kCurveArgs)
               .c_str())
      .def("add_map", &PlotFigure::AddMap, "x"_a = py::none(), "z"_a = py::none(), "values"_a = py::none(),
           "x_rows"_a = py::none(), "transpose"_a = false, "order"_a = false,
           "tolerance"_a = 0.05, "z_factor"_a = 1.0, "x_limits"_a = py::none(), "z_limits"_a = py::none(),
           "value_limits"_a = py::none(), "colors"_a = "viridis", "xlabel"_a = "", "zlabel"_a = "",
           "value_label"_a = "", "title"_a = "", "part"_a = kWholePage,
           Doc("Adds a colour map of values over X and Z, with its colour scale, over part (left, bottom, "
               "right, top) of the page.",
               kMapArgs)
               .c_str())
      .def("add_contribution", &PlotFigure::AddContribution, "x"_a, "y"_a, "direction"_a = "horizontal",
           "colors"_a = "viridis", "x_limits"_a = py::none(), "value_limits"_a = py::none(), "xlabel"_a = "",
           "value_label"_a = "", "title"_a = "", "part"_a = kWholePage,
           Doc("Adds a contribution bar, the colours of values y along x in one strip, over part (left, "
               "bottom, right, top) of the page.",
               kContributionArgs)
               .c_str())
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
          "add_plot(kind, **arguments): adds a plot of the kind 'curve', 'map' or 'contribution', with the\n"
          "arguments of add_curve, add_map or add_contribution (part=(left, bottom, right, top) included).")
      .def("save", &PlotFigure::Save, "path"_a,
           "Writes the picture to path; its extension chooses PNG, SVG or PDF. The file is written whole or\n"
           "not at all; OSError says why not.")
      .def("to_array", &PlotFigure::ToArray,
           "The picture as a NumPy uint8 array of shape (height, width, 4): RGBA, top row first.")
      .def("_repr_png_", &PlotFigure::ToPng, "The picture as PNG bytes, for notebooks.")
      .def("probe", &PlotFigure::Probe, "at"_a, "plot"_a = 0,
           "The value the colour map of plot number `plot` shows at the point at=(x, z), computed on the\n"
           "pixel grid of the picture; None where no sample of the map lies.");

  m.def(
      "curve",
      [](const py::object& y, const py::object& x, const py::object& labels, bool symbols, bool log_x, bool log_y,
         const std::string& xlabel, const std::string& ylabel, const std::string& title, const py::object& size) {
        std::unique_ptr<PlotFigure> lFigure(new PlotFigure(size));
        lFigure->AddCurve(y, x, labels, symbols, log_x, log_y, xlabel, ylabel, title, kWholePage);
        return lFigure;
      },
      "y"_a, "x"_a = py::none(), "labels"_a = py::none(), "symbols"_a = false, "log_x"_a = false,
      "log_y"_a = false, "xlabel"_a = "", "ylabel"_a = "", "title"_a = "", "size"_a = py::make_tuple(1000, 600),
      Doc("Plot one or more curves y(x): a Figure of one plot.", kCurveArgs,
          "\n  size       picture size (width, height) in pixels (default (1000, 600))")
          .c_str());
  m.def(
      "map",
      [](const py::object& x, const py::object& z, const py::object& values, const py::object& x_rows,
         bool transpose, bool order, double tolerance, double z_factor, const py::object& x_limits, const py::object& z_limits,
         const py::object& value_limits, const std::string& colors, const std::string& xlabel,
         const std::string& zlabel, const std::string& value_label, const std::string& title,
         const py::object& size) {
        std::unique_ptr<PlotFigure> lFigure(new PlotFigure(size));
        lFigure->AddMap(x, z, values, x_rows, transpose, order, tolerance, z_factor, x_limits, z_limits, value_limits,
                        colors, xlabel, zlabel, value_label, title, kWholePage);
        return lFigure;
      },
      "x"_a = py::none(), "z"_a = py::none(), "values"_a = py::none(), "x_rows"_a = py::none(), "transpose"_a = false,
      "order"_a = false, "tolerance"_a = 0.05, "z_factor"_a = 1.0, "x_limits"_a = py::none(), "z_limits"_a = py::none(), "value_limits"_a = py::none(), "colors"_a = "viridis",
      "xlabel"_a = "", "zlabel"_a = "", "value_label"_a = "", "title"_a = "", "size"_a = py::make_tuple(900, 700),
      Doc("Draw a colour map of values over X and Z, with its colour scale: a Figure of one plot.", kMapArgs,
          "\n  size       picture size (width, height) in pixels (default (900, 700))")
          .c_str());
  m.def(
      "contribution",
      [](const py::object& x, const py::object& y, const std::string& direction, const std::string& colors,
         const py::object& x_limits, const py::object& value_limits, const std::string& xlabel,
         const std::string& value_label, const std::string& title, const py::object& size) {
        std::unique_ptr<PlotFigure> lFigure(
            new PlotFigure(size.is_none() ? py::object(DefaultContributionSize(direction)) : size));
        lFigure->AddContribution(x, y, direction, colors, x_limits, value_limits, xlabel, value_label, title,
                                 kWholePage);
        return lFigure;
      },
      "x"_a, "y"_a, "direction"_a = "horizontal", "colors"_a = "viridis", "x_limits"_a = py::none(),
      "value_limits"_a = py::none(), "xlabel"_a = "", "value_label"_a = "", "title"_a = "", "size"_a = py::none(),
      Doc("Draw a contribution bar: the colours of values y along x in one strip, with its axis and colour "
          "scale; a Figure of one plot.",
          kContributionArgs,
          "\n  size       picture size (width, height) in pixels (default (1000, 220), vertical (300, 700))")
          .c_str());
  m.def(
      "probe",
      [](const py::object& x, const py::object& z, const py::object& values, const py::object& at,
         const py::object& x_rows, bool transpose, bool order, double tolerance, double z_factor, const py::object& x_limits, const py::object& z_limits,
         const py::object& value_limits, const std::string& colors, const py::object& size) {
        std::unique_ptr<PlotFigure> lFigure(new PlotFigure(size));
        lFigure->AddMap(x, z, values, x_rows, transpose, order, tolerance, z_factor, x_limits, z_limits, value_limits,
                        colors, "", "", "", "", kWholePage);
        return lFigure->Probe(at, 0);
      },
      "x"_a = py::none(), "z"_a = py::none(), "values"_a = py::none(), "at"_a,
      "x_rows"_a = py::none(), "transpose"_a = false, "order"_a = false, "tolerance"_a = 0.05,
      "z_factor"_a = 1.0, "x_limits"_a = py::none(), "z_limits"_a = py::none(), "value_limits"_a = py::none(),
      "colors"_a = "viridis", "size"_a = py::make_tuple(900, 700),
      Doc("The value the colour map of the same arguments shows at the point at=(X, Z), computed on the "
          "pixel grid of the picture map would draw; None where no sample lies.",
          kMapArgs)
          .c_str());
}
