#include "DialogTitles.h"

#include <map>

namespace {

std::map<std::string, std::string>& sTitles() {
  static std::map<std::string, std::string> lTitles;
  return lTitles;
}

}  // namespace

void DialogTitles::Set(const std::string& iResource, const std::string& iTitle) { sTitles()[iResource] = iTitle; }

std::string DialogTitles::Get(const std::string& iResource) {
  const auto lFound = sTitles().find(iResource);
  return lFound == sTitles().end() ? iResource : lFound->second;
}
