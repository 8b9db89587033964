// Tables of options made from another kind's: a request that shows its results as curves or a
// map takes their options, less those its own computation fills (the data). Static only.
#ifndef OptionTable_H
#define OptionTable_H

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "RequestOption.h"

class OptionTable {
 public:
  // The options of iBase, a base of R, as options of R, less those named in iLeftOut.
  template <class R, class B>
  static void Inherit(std::vector<RequestOption<R>>& ioOptions, const std::vector<RequestOption<B>>& iBase,
                      std::initializer_list<const char*> iLeftOut) {
    for (const RequestOption<B>& o : iBase) {
      if (Named(o.name, iLeftOut)) continue;
      RequestOption<R> lOption{o.name, o.kind, {}, o.help, o.required, o.choices, o.picture};
      std::visit([&](auto iField) { lOption.field = iField; }, o.field);
      ioOptions.push_back(lOption);
    }
  }
  // Removes the options named in iLeftOut.
  template <class R>
  static void Remove(std::vector<RequestOption<R>>& ioOptions, std::initializer_list<const char*> iLeftOut) {
    ioOptions.erase(std::remove_if(ioOptions.begin(), ioOptions.end(),
                                   [&](const RequestOption<R>& o) { return Named(o.name, iLeftOut); }),
                    ioOptions.end());
  }

 private:
  static bool Named(const char* iName, std::initializer_list<const char*> iNames) {
    for (const char* lName : iNames)
      if (std::strcmp(lName, iName) == 0) return true;
    return false;
  }
};

#endif
