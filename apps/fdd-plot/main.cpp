// fdd-plot: plots of sampled functions from the command line, drawn with the QVTFddRep library.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "ContributionCommand.h"
#include "CurveCommand.h"
#include "Gallery.h"
#include "MapCommand.h"

namespace {

int RunDemo(const std::string& iOutDir) {
  std::vector<std::string> lFiles;
  std::string lError;
  const bool lOk = Gallery::Render(iOutDir, lFiles, lError);
  for (const std::string& lFile : lFiles) std::printf("wrote %s\n", lFile.c_str());
  if (lOk) return 0;
  std::fprintf(stderr, "fdd-plot: demo: %s\n", lError.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App lApp{"fdd-plot: plots of sampled functions drawn with the QVTFddRep library.\n"
                "Data files are NumPy .npy (floats or integers) or CSV (header row optional; .dat/.txt\n"
                "separated by blanks); FILE:COLUMN chooses a column by name or number."};
  lApp.require_subcommand(1);

  std::string lOutDir = "gallery";
  CLI::App* lDemo = lApp.add_subcommand("demo", "Render the demo gallery (PNG and SVG, PDF for whole figures)");
  lDemo->add_option("--out", lOutDir, "Folder to write the gallery into")->capture_default_str();
  CurveCommand lCurve;
  lCurve.Register(lApp);
  MapCommand lMap;
  lMap.Register(lApp, false);
  MapCommand lProbe;
  lProbe.Register(lApp, true);
  ContributionCommand lContribution;
  lContribution.Register(lApp);

  CLI11_PARSE(lApp, argc, argv);

  if (lDemo->parsed()) return RunDemo(lOutDir);
  if (lCurve.Parsed()) return lCurve.Run();
  if (lMap.Parsed()) return lMap.Run();
  if (lProbe.Parsed()) return lProbe.Run();
  if (lContribution.Parsed()) return lContribution.Run();
  return 1;
}
