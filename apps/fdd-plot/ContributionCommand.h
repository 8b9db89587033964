// fdd-plot contribution: a contribution bar, the values y over the arguments x as one strip of
// colours, with its axis and colour scale.
#ifndef ContributionCommand_H
#define ContributionCommand_H

#include "ContributionPlot.h"
#include "ContributionRequest.h"
#include "OutputOptions.h"
#include "RequestBinding.h"
#include "Subcommand.h"

class ContributionCommand : public Subcommand {
 public:
  void Register(CLI::App& ioApp) override;
  int Run() override;

 private:
  ContributionRequest _Request;
  RequestBinding<ContributionRequest> _Binding;
  ContributionPlot _Plot;
  OutputOptions _Output;
};

#endif
