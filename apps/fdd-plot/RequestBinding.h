// Binds a request's table of options to a subcommand of the command line: "--name" for every
// option, a flag for a flag, and data files as FILE or FILE:COLUMN texts. The checks stay the
// request's, so that fdd-plot, fdd-view and fddplot refuse a value with the same words; only what
// the parser itself cannot read (a word where a number belongs) is said here.
#ifndef RequestBinding_H
#define RequestBinding_H

#include <CLI/CLI.hpp>

#include <deque>
#include <functional>
#include <type_traits>
#include <string>
#include <vector>

#include "RequestOption.h"

template <class R>
class RequestBinding {
 public:
  // Adds the options of iOptions to ioCommand, filling ioRequest as they are parsed; the data
  // files reach it with Finish. ioRequest must outlive the parsing.
  void Bind(CLI::App& ioCommand, R& ioRequest, const std::vector<RequestOption<R>>& iOptions = R::Options()) {
    for (const RequestOption<R>& o : iOptions) {
      const std::string lName = std::string("--") + o.name;
      const size_t lBefore = ioCommand.get_options().size();
      std::visit(
          [&](auto iField) {
            using Field = std::remove_reference_t<decltype(ioRequest.*iField)>;
            if constexpr (std::is_same_v<Field, bool>) {
              ioCommand.add_flag(lName, ioRequest.*iField, o.help);
            } else if constexpr (std::is_same_v<Field, DataInput>) {
              _Specs.emplace_back(1);
              ioCommand.add_option(lName, _Specs.back().front(), o.help);
              _Data.push_back([iField, &lSpec = _Specs.back().front()](R& ioTarget) {
                (ioTarget.*iField).Spec = lSpec;
              });
            } else if constexpr (std::is_same_v<Field, std::vector<DataInput>>) {
              _Specs.emplace_back();
              std::vector<std::string>& lSpecs = _Specs.back();
              ioCommand.add_option(lName, lSpecs, o.help);
              _Data.push_back([iField, &lSpecs](R& ioTarget) {
                for (const std::string& lSpec : lSpecs) (ioTarget.*iField).push_back({lSpec, {}, {}});
              });
            } else {
              CLI::Option* lOption = ioCommand.add_option(lName, ioRequest.*iField, o.help);
              if constexpr (!std::is_same_v<Field, std::vector<std::string>> &&
                            !std::is_same_v<Field, std::vector<double>>) {
                // A default of "not given" (an empty text, NaN) is no default to show.
                if (!(ioRequest.*iField == Field()) && ioRequest.*iField == ioRequest.*iField) lOption->capture_default_str();
              }
            }
          },
          o.field);
      // The help says so; the request refuses the lack with the same words as the parser.
      if (o.required && ioCommand.get_options().size() > lBefore) ioCommand.get_options().back()->required();
    }
  }

  // Hands the parsed data files to ioRequest.
  void Finish(R& ioRequest) const {
    for (const auto& lData : _Data) lData(ioRequest);
  }

 private:
  // Stable places for the texts of data options (a deque keeps its elements where they are).
  std::deque<std::vector<std::string>> _Specs;
  std::vector<std::function<void(R&)>> _Data;
};

#endif
