// fdd-plot: plots of sampled functions from the command line. `demo` renders the gallery.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <string>
#include <vector>

#include "Gallery.h"

int main(int argc, char** argv) {
  CLI::App lApp{"fdd-plot: plots of sampled functions drawn with the QVTFddRep library"};
  lApp.require_subcommand(1);

  std::string lOutDir = "gallery";
  CLI::App* lDemo = lApp.add_subcommand("demo", "Render the demo gallery (PNG and SVG) from built-in data");
  lDemo->add_option("--out", lOutDir, "Folder to write the gallery into")->capture_default_str();

  CLI11_PARSE(lApp, argc, argv);

  if (lDemo->parsed()) {
    std::vector<std::string> lFiles;
    std::string lError;
    bool lOk = Gallery::Render(lOutDir, lFiles, lError);
    for (const std::string& lFile : lFiles) std::printf("wrote %s\n", lFile.c_str());
    if (!lOk) {
      std::fprintf(stderr, "fdd-plot demo: %s\n", lError.c_str());
      return 1;
    }
  }
  return 0;
}
