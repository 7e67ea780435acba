#include "app/core/settings/LanguageSetting.h"

namespace trelio {
namespace {

std::string AsciiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return out;
}

}  // namespace

std::string DefaultLanguageCode(std::string_view abbreviatedLanguageName) {
  const std::string name = AsciiUpper(abbreviatedLanguageName);
  for (std::string_view russianSpeaking : {"RUS", "UKR", "BEL", "KKZ", "UZB", "KYR", "MON"})
    if (name == russianSpeaking) return "ru";
  return "en";
}

std::string LanguageCodeOf(std::string_view setting) {
  return AsciiUpper(setting) == "RU" ? "ru" : "en";
}

}  // namespace trelio
