// fdd-plot info: what a data file holds, one line for each dataset, variable, channel or array
// with its shape, type and the attributes a user chooses by (units, sample rate, dimension scales,
// length in seconds), printed instead of a picture. Exit status 1 for a file that cannot be read.
#ifndef InfoCommand_H
#define InfoCommand_H

#include <string>

#include "Subcommand.h"

class InfoCommand : public Subcommand {
 public:
  void Register(CLI::App& ioApp) override;
  int Run() override;

 private:
  std::string _Path;
};

#endif
