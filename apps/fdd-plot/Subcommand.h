// A subcommand of fdd-plot: registers its options with the parser and, when the command line
// named it, runs, returning the program's exit status.
#ifndef Subcommand_H
#define Subcommand_H

#include <functional>

namespace CLI {
class App;
}

class Subcommand {
 public:
  virtual ~Subcommand() = default;
  virtual void Register(CLI::App& ioApp) = 0;
  // Whether the command line named this subcommand (after parsing).
  bool Parsed() const;
  virtual int Run() = 0;

 protected:
  // Runs iStep, which loads the data files, and returns its status; a program with a window runs
  // it off the window's thread.
  virtual int RunLoad(const std::function<int()>& iStep) { return iStep(); }

  CLI::App* _Command = nullptr;
};

#endif
