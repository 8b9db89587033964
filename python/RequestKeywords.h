// Binds a request's table of options to Python's arguments: each option is a keyword argument
// named as on the command line with '_' for '-' ("x_limits"), the first few also positional.
// Values are handed to the request in the form a command line gives them ((1, 5) as "1,5"), so
// that the request's own checks refuse a value with fdd-plot's words, and the options' names in
// those words are spelt the Python way. The doc of a function is made from the same table.
#ifndef RequestKeywords_H
#define RequestKeywords_H

#include <pybind11/pybind11.h>

#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "RequestCheck.h"
#include "RequestError.h"
#include "RequestOption.h"

class RequestKeywords {
 public:
  // What a function takes beside the table's options: iPositional names the options that may be
  // given by position, in order; iPicture whether it takes the picture's size (a function that
  // makes a figure) or not (a figure's add_ method); iExtra names keywords that the caller
  // handles itself (part), which are left in ioKeywords.
  struct Form {
    std::vector<std::string> positional;
    bool picture = true;
    std::vector<std::string> extra;
  };

  // Fills ioRequest from iArgs and ioKeywords (raising TypeError for an unknown keyword or one
  // given twice, ValueError for a value that is no value of its kind) and checks it (raising
  // ValueError with the request's message). iFunction names the function in TypeError messages.
  template <class R>
  static void Fill(const char* iFunction, const Form& iForm, const pybind11::args& iArgs,
                   pybind11::kwargs& ioKeywords, R& ioRequest);

  // "name(y, x=None, ...)" and the list of arguments with their help and defaults.
  template <class R>
  static std::string Doc(const char* iFunction, const char* iSummary, const Form& iForm, const char* iTail = "");

  // A request's error as a Python exception.
  [[noreturn]] static void Raise(const RequestError& iError);
  // iMessage with every "--name" of an option written as Python's "name".
  static std::string Spell(const std::string& iMessage);
  // Two numbers from a sequence of two, joined by iSeparator as a command line writes them
  // ("1,5", "1000x600"); else the object's text, which a check then refuses with its own words.
  static std::string PairText(const pybind11::handle& iValue, const char* iSeparator);
  // The Python type an option of kind iKind takes, as a stub writes it.
  static const char* TypeOf(eOptionKind iKind);
  // "x_limits" for "x-limits".
  static std::string PythonName(const char* iName);

  // The default of an option as the docs show it.
  template <class R>
  static std::string DefaultOf(const RequestOption<R>& iOption) {
    static const R sMade;
    std::string lText;
    bool lFlag = false;
    double lNumber = 0.0;
    std::visit(
        [&](auto iField) {
          using Field = std::remove_cv_t<std::remove_reference_t<decltype(sMade.*iField)>>;
          if constexpr (std::is_same_v<Field, bool>) lFlag = sMade.*iField;
          else if constexpr (std::is_same_v<Field, double>) lNumber = sMade.*iField;
          else if constexpr (std::is_same_v<Field, std::string>) lText = sMade.*iField;
        },
        iOption.field);
    return Default(iOption.kind, iOption.required, lText, lFlag, lNumber);
  }

 private:
  // One option's value as read from Python, in the fields Set writes.
  struct Value {
    bool flag = false;
    double number = 0.0;
    std::string text;
    std::vector<std::string> texts;
    std::vector<double> numbers;
    std::vector<DataInput> data;
  };
  // Converts iValue, given for the option iName of kind iKind; raises ValueError for a value that
  // is no value of that kind.
  static void Read(const char* iName, eOptionKind iKind, const pybind11::handle& iValue, Value& oValue);
  // The default of an option as Python shows it ("None", "False", "'viridis'", "(900, 700)").
  static std::string Default(eOptionKind iKind, bool iRequired, const std::string& iText, bool iFlag,
                             double iNumber);
  // Remembers an option's name for Spell.
  static void Learn(const char* iName);
  [[noreturn]] static void RaiseType(const std::string& iMessage);

  template <class R>
  static void Set(R& ioRequest, const RequestOption<R>& iOption, Value& ioValue) {
    std::visit(
        [&](auto iField) {
          using Field = std::remove_reference_t<decltype(ioRequest.*iField)>;
          if constexpr (std::is_same_v<Field, bool>) ioRequest.*iField = ioValue.flag;
          else if constexpr (std::is_same_v<Field, double>) ioRequest.*iField = ioValue.number;
          else if constexpr (std::is_same_v<Field, std::string>) ioRequest.*iField = ioValue.text;
          else if constexpr (std::is_same_v<Field, std::vector<std::string>>) ioRequest.*iField = ioValue.texts;
          else if constexpr (std::is_same_v<Field, std::vector<double>>) ioRequest.*iField = ioValue.numbers;
          else if constexpr (std::is_same_v<Field, DataInput>) ioRequest.*iField = ioValue.data.front();
          else ioRequest.*iField = ioValue.data;
        },
        iOption.field);
  }

  static bool Contains(const std::vector<std::string>& iNames, const std::string& iName);
};

template <class R>
void RequestKeywords::Fill(const char* iFunction, const Form& iForm, const pybind11::args& iArgs,
                           pybind11::kwargs& ioKeywords, R& ioRequest) {
  const std::vector<RequestOption<R>>& lOptions = R::Options();
  for (const RequestOption<R>& o : lOptions) Learn(o.name);
  if (iArgs.size() > iForm.positional.size())
    RaiseType(std::string(iFunction) + "() takes " + std::to_string(iForm.positional.size()) +
              " positional arguments but " + std::to_string(iArgs.size()) + " were given");
  // Positional arguments become keywords; a keyword may not name one of them again.
  for (size_t i = 0; i < iArgs.size(); ++i) {
    if (ioKeywords.contains(iForm.positional[i].c_str()))
      RaiseType(std::string(iFunction) + "() got multiple values for argument '" + iForm.positional[i] + "'");
    ioKeywords[iForm.positional[i].c_str()] = iArgs[i];
  }
  // The legend's names had a plural name before the options were one table: still taken.
  if (ioKeywords.contains("labels")) {
    if (ioKeywords.contains("label")) RaiseType(std::string(iFunction) + "() got both 'label' and 'labels'");
    ioKeywords["label"] = ioKeywords.attr("pop")("labels");
  }
  for (const auto lItem : ioKeywords) {
    const std::string lKey = pybind11::str(lItem.first);
    bool lKnown = Contains(iForm.extra, lKey);
    for (const RequestOption<R>& o : lOptions)
      lKnown = lKnown || (PythonName(o.name) == lKey && (iForm.picture || !o.picture));
    if (!lKnown) RaiseType(std::string(iFunction) + "() got an unexpected keyword argument '" + lKey + "'");
  }
  for (const RequestOption<R>& o : lOptions) {
    const std::string lKey = PythonName(o.name);
    if (!ioKeywords.contains(lKey.c_str())) continue;
    const pybind11::object lGiven = ioKeywords.attr("pop")(lKey.c_str());
    // None is the default of every option.
    if (lGiven.is_none()) continue;
    Value lValue;
    Read(o.name, o.kind, lGiven, lValue);
    Set(ioRequest, o, lValue);
  }
  RequestError lError;
  if (!RequestCheck::Run(ioRequest, lError)) Raise(lError);
}

template <class R>
std::string RequestKeywords::Doc(const char* iFunction, const char* iSummary, const Form& iForm, const char* iTail) {
  std::string lSignature, lArguments;
  // Arguments without default lead, as long as each before them has none either.
  bool lBare = true;
  for (const RequestOption<R>& o : R::Options()) Learn(o.name);
  for (const RequestOption<R>& o : R::Options()) {
    if (o.picture && !iForm.picture) continue;
    const std::string lName = PythonName(o.name);
    const bool lPositional = Contains(iForm.positional, lName);
    const std::string lDefault = DefaultOf(o);
    lBare = lBare && o.required && lPositional;
    const std::string lPart = lName + (lBare ? "" : "=" + (o.required ? std::string("None") : lDefault));
    lSignature += (lSignature.empty() ? "" : ", ") + lPart;
    lArguments += "\n  " + lName + " (default " + lDefault + "): " + Spell(o.help);
  }
  for (const std::string& lExtra : iForm.extra) lSignature += ", " + lExtra + "=None";
  return std::string(iFunction) + "(" + lSignature + ")\n\n" + iSummary + "\n\nArguments:" + lArguments + iTail;
}

#endif
