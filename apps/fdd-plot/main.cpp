// fdd-plot: plots of sampled functions from the command line, drawn with the QVTFddRep library.
// Exit statuses: 0 written, 1 data or file error, 2 usage error, 130 interrupted.
#include <CLI/CLI.hpp>
#include <malloc.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "CommandSupport.h"
#include "ContributionCommand.h"
#include "CurveCommand.h"
#include "DialogTitles.h"
#include "Gallery.h"
#include "InfoCommand.h"
#include "MapCommand.h"
#include "ProbeCommand.h"
#include "RunupCommand.h"
#include "TimeFrequencyCommand.h"
#include "PowerCommand.h"

namespace {

constexpr int kUsageError = 2;
const char* const kCommands[] = {"demo", "curve", "map", "probe", "contribution", "spectrum", "spectrogram", "runup", "info"};

// "demo, curve, map, probe <iLast> contribution": the commands named in a sentence.
std::string CommandList(const char* iLast) {
  std::string lList;
  const size_t n = sizeof(kCommands) / sizeof(kCommands[0]);
  for (size_t i = 0; i < n; ++i) lList += (i == 0 ? "" : i + 1 == n ? std::string(" ") + iLast + " " : ", ") + kCommands[i];
  return lList;
}

int RunDemo(const std::string& iOutDir) {
  std::error_code lError;
  std::filesystem::create_directories(iOutDir, lError);
  if (lError) {
    std::fprintf(stderr, "fdd-plot: demo: %s: cannot make the folder: %s\n", iOutDir.c_str(), lError.message().c_str());
    return 1;
  }
  std::vector<std::string> lFiles;
  std::string lMessage;
  const bool lOk = Gallery::Render(iOutDir, lFiles, lMessage);
  for (const std::string& lFile : lFiles) std::printf("wrote %s\n", lFile.c_str());
  if (lOk) return 0;
  std::fprintf(stderr, "fdd-plot: demo: %s\n", lMessage.c_str());
  return 1;
}

// The subcommand named on the command line, or empty.
std::string CommandOf(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (const char* lName : kCommands)
      if (argv[i] == std::string(lName)) return lName;
  return "";
}

int UsageError(const std::string& iCommand, const std::string& iMessage) {
  const std::string lWhere = iCommand.empty() ? "" : iCommand + ": ";
  std::fprintf(stderr, "fdd-plot: %s%s (see fdd-plot %s--help)\n", lWhere.c_str(), iMessage.c_str(),
               iCommand.empty() ? "" : (iCommand + " ").c_str());
  return kUsageError;
}

// The parser's message as a sentence for people.
std::string Sentence(const CLI::ParseError& iError) {
  const std::string lMessage = iError.what();
  const std::string lPrefix = "Could not convert: ";
  const size_t lEquals = lMessage.find(" = ");
  if (lMessage.rfind(lPrefix, 0) == 0 && lEquals != std::string::npos)
    return lMessage.substr(lPrefix.size(), lEquals - lPrefix.size()) + ": '" + lMessage.substr(lEquals + 3) +
           "' is not a number";
  return lMessage;
}

// Arguments the subcommand did not take, as a sentence: an unknown option, else a stray argument.
int LeftOver(const std::string& iCommand, const std::vector<std::string>& iRemaining) {
  for (const std::string& lArgument : iRemaining)
    if (lArgument.size() > 1 && lArgument[0] == '-') return UsageError(iCommand, "unknown option " + lArgument);
  return UsageError(iCommand, "unexpected argument '" + iRemaining.front() + "'");
}

int Main(int argc, char** argv) {
  CLI::App lApp{"fdd-plot: plots of sampled functions drawn with the QVTFddRep library.\n"
                "Data files are NumPy .npy (floats or integers), CSV (header row optional; .dat/.txt\n"
                "separated by blanks), HDF5, MATLAB .mat and sound files; FILE:COLUMN chooses a column by\n"
                "name or number, FILE:NAME a dataset or variable (FILE:NAME:COLUMN a column of a 2-D one),\n"
                "FILE:N a sound channel from 1; fdd-plot info FILE lists what a file holds.\n"
                "Exit status: 0 written, 1 data or file error, 2 usage error, 130 interrupted."};
  lApp.set_version_flag("--version", "fdd-plot " FDD_VERSION);
  lApp.require_subcommand(1);

  std::string lOutDir = "gallery";
  CLI::App* lDemo = lApp.add_subcommand("demo", "Render the demo gallery (PNG and SVG, PDF for whole figures)");
  lDemo->add_option("--out", lOutDir, "Folder to write the gallery into (made when missing)")->capture_default_str();
  CurveCommand lCurve;
  MapCommand lMap;
  ProbeCommand lProbe;
  ContributionCommand lContribution;
  PowerCommand lSpectrum;
  TimeFrequencyCommand lSpectrogram;
  RunupCommand lRunup;
  InfoCommand lInfo;
  Subcommand* const lCommands[] = {&lCurve, &lMap, &lProbe, &lContribution, &lSpectrum, &lSpectrogram, &lRunup, &lInfo};
  for (Subcommand* lSubcommand : lCommands) lSubcommand->Register(lApp);
  // Left-over arguments are reported as sentences below, not as the parser's own list.
  for (CLI::App* lCommand : lApp.get_subcommands({})) lCommand->allow_extras();

  const std::string lCommand = CommandOf(argc, argv);
  if (argc > 1 && argv[1][0] != '-' && lCommand.empty())
    return UsageError("", std::string("unknown command '") + argv[1] +
                              "': the commands are " + CommandList("and"));
  try {
    lApp.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() == 0) return lApp.exit(e);  // --help, --version
    if (lCommand.empty()) return UsageError("", "name a command: " + CommandList("or"));
    return UsageError(lCommand, Sentence(e));
  }
  for (CLI::App* lSub : lApp.get_subcommands())
    if (!lSub->remaining().empty()) return LeftOver(lSub->get_name(), lSub->remaining());

  if (lDemo->parsed()) return RunDemo(lOutDir);
  for (Subcommand* lSubcommand : lCommands)
    if (lSubcommand->Parsed()) return lSubcommand->Run();
  return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
  // One picture a run: its buffers of a few megabytes (the surface, the PNG's rows) come from the
  // heap and reuse each other's pages, instead of each being mapped, faulted in page by page and
  // unmapped again (about a tenth of a small plot's time).
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
  // Beyond a file size limit a write must fail with its reason (EFBIG), not end the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // The progress of order maps shows a title for people, not the dialog's resource name.
  DialogTitles::Set("QVTFddProgressBar", "Order map");
  return CommandSupport::RunGuarded(Main, argc, argv);
}
