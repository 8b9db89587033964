// One option of a plot request: its name as the command line spells it without dashes
// ("x-limits"; Python spells it "x_limits"), the kind of value it takes, its help, and the field of
// the request it fills. The three programs bind the same tables, so an option cannot exist in one
// and not in another, and its default is the field's value in a request as made.
#ifndef RequestOption_H
#define RequestOption_H

#include <string>
#include <variant>
#include <vector>

#include "DataInput.h"

enum class eOptionKind {
  Flag,     // bool: given or not
  Number,   // double
  Text,     // free text (labels, titles)
  Choice,   // one of the words in choices, separated by '|'
  Pair,     // two numbers, written "A,B"
  Size,     // a picture size, written "WxH"
  Texts,    // one text per curve, repeatable
  Numbers,  // one number per curve, repeatable
  Vector,   // a 1-D data input (FILE or FILE:COLUMN, or an array from Python)
  Matrix,   // a 2-D data input
  Vectors   // 1-D data inputs, repeatable
};

template <class R>
using RequestField = std::variant<bool R::*, double R::*, std::string R::*, std::vector<std::string> R::*,
                                  std::vector<double> R::*, DataInput R::*, std::vector<DataInput> R::*>;

template <class R>
struct RequestOption {
  const char* name;
  eOptionKind kind;
  RequestField<R> field;
  const char* help;
  bool required = false;
  const char* choices = nullptr;  // Choice: "linear|nearest"
  bool picture = false;           // the picture's size: a whole figure's, not one plot's
};

#endif
