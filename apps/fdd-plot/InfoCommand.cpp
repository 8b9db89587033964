#include "InfoCommand.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "DataFile.h"

void InfoCommand::Register(CLI::App& ioApp) {
  _Command = ioApp.add_subcommand("info", "List what a data file holds (datasets, variables, channels, columns)");
  _Command->add_option("FILE", _Path, "The data file (HDF5, .mat, sound file, .npy, CSV)")->required();
}

int InfoCommand::Run() {
  std::vector<DataEntry> lEntries;
  std::string lError;
  if (!DataFile::List(_Path, lEntries, lError)) {
    std::fprintf(stderr, "fdd-plot: %s\n", lError.c_str());
    return 1;
  }
  // Columns as wide as their widest cell, so that the listing reads as a table.
  std::vector<std::string> lShapes;
  size_t lNameWidth = 4, lShapeWidth = 5, lTypeWidth = 4;
  for (const DataEntry& lEntry : lEntries) {
    std::string lShape;
    for (size_t d = 0; d < lEntry.Shape.size(); ++d) lShape += (d ? " x " : "") + std::to_string(lEntry.Shape[d]);
    lShapes.push_back(lEntry.Shape.empty() ? "scalar" : lShape);
    lNameWidth = std::max(lNameWidth, lEntry.Name.size());
    lShapeWidth = std::max(lShapeWidth, lShapes.back().size());
    lTypeWidth = std::max(lTypeWidth, lEntry.Type.size());
  }
  std::printf("%s\n", _Path.c_str());
  for (size_t i = 0; i < lEntries.size(); ++i) {
    const DataEntry& e = lEntries[i];
    std::string lNotes = e.Notes;
    if (!e.Numeric) lNotes += std::string(lNotes.empty() ? "" : ", ") + "not plotted";
    std::printf("  %-*s  %-*s  %-*s  %s\n", static_cast<int>(lNameWidth), e.Name.c_str(),
                static_cast<int>(lShapeWidth), lShapes[i].c_str(), static_cast<int>(lTypeWidth), e.Type.c_str(),
                lNotes.c_str());
  }
  return 0;
}
