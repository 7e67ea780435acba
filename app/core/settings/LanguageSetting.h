// Which of the two languages a start selects.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// The default of the "Language" setting from the user locale's abbreviated
// language name (LOCALE_SABBREVLANGNAME): "ru" for the Russian-speaking
// languages RUS, UKR, BEL, KKZ, UZB, KYR and MON, in any case; else "en", also
// when the name is not available (empty).
std::string DefaultLanguageCode(std::string_view abbreviatedLanguageName);

// The language code a "Language" setting selects: "ru" when it is "ru" in any
// case, else "en".
std::string LanguageCodeOf(std::string_view setting);

// A dialog translates itself when it is shown in another language than the
// one it was last translated to: true then, and translatedTo takes the code
// (exact, case-sensitive comparison).
bool TakeLanguageChange(std::string& translatedTo, const std::string& languageCode);

}  // namespace trelio
