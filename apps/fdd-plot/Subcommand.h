// A subcommand of fdd-plot: registers its options with the parser and, when the command line
// named it, runs, returning the program's exit status.
#ifndef Subcommand_H
#define Subcommand_H

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
  CLI::App* _Command = nullptr;
};

#endif
