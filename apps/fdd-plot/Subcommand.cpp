#include "Subcommand.h"

#include <CLI/CLI.hpp>

bool Subcommand::Parsed() const { return _Command && _Command->parsed(); }
