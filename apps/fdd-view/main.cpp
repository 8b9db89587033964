// fdd-view: the function display as a window that pans and zooms: the curves and colour maps of
// fdd-plot (the same data options), or a built-in demo curve. Exit statuses as fdd-plot's: 0 closed,
// 1 a data error or no display, 2 a usage error.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <new>
#include <string>

#include "CATFont.h"
#include "CairoRender.h"
#include "CommandSupport.h"
#include "DemoContent.h"
#include "Figure.h"
#include "PowerCommand.h"
#include "RunupCommand.h"
#include "ViewAnalysisCommand.h"
#include "ViewCurveCommand.h"
#include "ViewMapCommand.h"
#include "ViewTimeFrequencyCommand.h"
#include "ViewWindow.h"

namespace {

int RunDemo(const ViewWindow::Options& iOptions) {
  const RefPtr<CATFont> lFont = CommandSupport::LoadFont();
  if (!lFont) return 1;
  DemoContent lContent;
  ViewWindow lWindow(lContent, *lFont, iOptions);
  return lWindow.Run();
}

int Main(int argc, char** argv) {
  CLI::App lApp("fdd-view: plots of sampled functions in a window that pans and zooms", "fdd-view");
  lApp.set_version_flag("--version", "fdd-view " FDD_VERSION);
  ViewWindow::Options lOptions;
  lApp.add_flag("--trace", lOptions.Trace, "Print one line per frame: view box, texts drawn, frame time");
  lApp.add_option("--save", lOptions.SavePath, "File the s key writes (.png, .svg or .pdf; default: a file chooser asks)");
  lApp.require_subcommand(1);
  ViewCurveCommand lCurve(lOptions);
  ViewMapCommand lMap(lOptions);
  ViewAnalysisCommand<PowerCommand> lSpectrum(lOptions, "Show the spectrum of a recording in a window");
  ViewTimeFrequencyCommand lSpectrogram(lOptions);
  ViewAnalysisCommand<RunupCommand> lRunup(lOptions, "Show a run-up of a recording in a window");
  lCurve.Register(lApp);
  lMap.Register(lApp);
  lSpectrum.Register(lApp);
  lSpectrogram.Register(lApp);
  lRunup.Register(lApp);
  CLI::App* lDemo = lApp.add_subcommand("demo", "Show ten million built-in samples");
  try {
    lApp.parse(argc, argv);
  } catch (const CLI::ParseError& iError) {
    if (iError.get_exit_code() == 0) return lApp.exit(iError);
    std::fprintf(stderr, "fdd-view: %s (see fdd-view --help)\n", iError.what());
    return 2;
  }
  CairoRender::eOutput lKind;
  if (!lOptions.SavePath.empty() && !Figure::KindOf(lOptions.SavePath, lKind)) {
    std::fprintf(stderr, "fdd-view: --save: name the file .png, .svg or .pdf\n");
    return 2;
  }
  if (lDemo->parsed()) return RunDemo(lOptions);
  if (lMap.Parsed()) return lMap.Run();
  if (lSpectrum.Parsed()) return lSpectrum.Run();
  if (lSpectrogram.Parsed()) return lSpectrogram.Run();
  if (lRunup.Parsed()) return lRunup.Run();
  return lCurve.Run();
}

}  // namespace

int main(int argc, char** argv) {
  CommandSupport::SetProgram("fdd-view");
  return CommandSupport::RunGuarded(Main, argc, argv);
}
