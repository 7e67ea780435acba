#include "app/core/settings/LanguageSetting.h"

#include "app/platform/AsciiCase.h"

namespace trelio {

std::string DefaultLanguageCode(std::string_view abbreviatedLanguageName) {
  const std::string name = AsciiUpper(abbreviatedLanguageName);
  for (std::string_view russianSpeaking : {"RUS", "UKR", "BEL", "KKZ", "UZB", "KYR", "MON"})
    if (name == russianSpeaking) return "ru";
  return "en";
}

std::string LanguageCodeOf(std::string_view setting) {
  return AsciiUpper(setting) == "RU" ? "ru" : "en";
}

bool TakeLanguageChange(std::string& translatedTo, const std::string& languageCode) {
  if (translatedTo == languageCode) return false;
  translatedTo = languageCode;
  return true;
}

}  // namespace trelio
