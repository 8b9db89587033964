#include "RequestCheck.h"

#include <cstring>

bool RequestCheck::Chosen(const std::string& iText, const char* iChoices) {
  const std::string lChoices = std::string("|") + (iChoices ? iChoices : "") + "|";
  return !iText.empty() && iText.find('|') == std::string::npos && lChoices.find("|" + iText + "|") != std::string::npos;
}

std::string RequestCheck::Choices(const char* iChoices) {
  std::string lText = iChoices ? iChoices : "";
  const size_t lLast = lText.rfind('|');
  if (lLast != std::string::npos) lText.replace(lLast, 1, " or ");
  for (size_t p = lText.find('|'); p != std::string::npos; p = lText.find('|', p)) lText.replace(p, 1, ", ");
  return lText;
}
