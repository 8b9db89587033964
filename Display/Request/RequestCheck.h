// The checks every request shares, read from its table of options: the options it cannot do
// without and the words an option of choices takes; then the request's own checks.
#ifndef RequestCheck_H
#define RequestCheck_H

#include <string>

#include "OptionText.h"
#include "RequestError.h"
#include "RequestOption.h"

class RequestCheck {
 public:
  template <class R>
  static bool Run(R& ioRequest, RequestError& oError) {
    for (const RequestOption<R>& o : R::Options()) {
      if (o.required && !IsGiven(ioRequest, o)) return oError.Usage(OptionText::Option(o.name) + " is required");
      if (o.kind == eOptionKind::Choice && !Chosen(ioRequest.*std::get<std::string R::*>(o.field), o.choices))
        return oError.Usage(OptionText::Option(o.name) + " '" + ioRequest.*std::get<std::string R::*>(o.field) +
                            "': choose " + Choices(o.choices));
    }
    return ioRequest.Check(oError);
  }

  // Whether iText is one of the words of iChoices ("linear|nearest").
  static bool Chosen(const std::string& iText, const char* iChoices);
  // "linear or nearest".
  static std::string Choices(const char* iChoices);

 private:
  template <class R>
  static bool IsGiven(const R& iRequest, const RequestOption<R>& iOption) {
    if (const auto* lData = std::get_if<DataInput R::*>(&iOption.field)) return (iRequest.*(*lData)).IsGiven();
    if (const auto* lDatas = std::get_if<std::vector<DataInput> R::*>(&iOption.field))
      return !(iRequest.*(*lDatas)).empty();
    if (const auto* lText = std::get_if<std::string R::*>(&iOption.field)) return !(iRequest.*(*lText)).empty();
    return true;
  }
};

#endif
