#include <unicode/uloc.h>

#include <string_view>

#include "app/platform/LocaleInfo.h"

namespace trelio {
namespace {

// The ANSI code page of a language, by its ISO code; with a script, for the
// languages that Windows writes in more than one. A language written only in
// Unicode (Hindi, Armenian, Georgian, ...) has none and is not listed.
struct LanguageCodePage {
  std::string_view language;
  std::string_view script;  // empty: any script not listed before it
  int codePage;
};

constexpr LanguageCodePage kLanguages[] = {
    {"af", "", 1252},     {"ar", "", 1256}, {"az", "Cyrl", 1251}, {"az", "", 1254},
    {"ba", "", 1251},     {"be", "", 1251}, {"bg", "", 1251},     {"br", "", 1252},
    {"bs", "Cyrl", 1251}, {"bs", "", 1250}, {"ca", "", 1252},     {"co", "", 1252},
    {"cs", "", 1250},     {"cy", "", 1252}, {"da", "", 1252},     {"de", "", 1252},
    {"el", "", 1253},     {"en", "", 1252}, {"es", "", 1252},     {"et", "", 1257},
    {"eu", "", 1252},     {"fa", "", 1256}, {"fi", "", 1252},     {"fo", "", 1252},
    {"fr", "", 1252},     {"fy", "", 1252}, {"ga", "", 1252},     {"gd", "", 1252},
    {"gl", "", 1252},     {"he", "", 1255}, {"hr", "", 1250},     {"hu", "", 1250},
    {"id", "", 1252},     {"is", "", 1252}, {"it", "", 1252},     {"ja", "", 932},
    {"kk", "", 1251},     {"ko", "", 949},  {"ky", "", 1251},     {"lb", "", 1252},
    {"lt", "", 1257},     {"lv", "", 1257}, {"mk", "", 1251},     {"mn", "", 1251},
    {"ms", "", 1252},     {"nb", "", 1252}, {"nl", "", 1252},     {"nn", "", 1252},
    {"oc", "", 1252},     {"pl", "", 1250}, {"pt", "", 1252},     {"rm", "", 1252},
    {"ro", "", 1250},     {"ru", "", 1251}, {"sah", "", 1251},    {"sk", "", 1250},
    {"sl", "", 1250},     {"sq", "", 1250}, {"sr", "Cyrl", 1251}, {"sr", "", 1250},
    {"sv", "", 1252},     {"sw", "", 1252}, {"tg", "", 1251},     {"th", "", 874},
    {"tr", "", 1254},     {"tt", "", 1251}, {"uk", "", 1251},     {"ur", "", 1256},
    {"uz", "Cyrl", 1251}, {"uz", "", 1254}, {"vi", "", 1258},     {"zh", "Hant", 950},
    {"zh", "", 936},
};

}  // namespace

int LocaleDefaultAnsiCodePage(int lcid) {
  // ICU holds the Windows table of locale identifiers: an identifier it does
  // not know names no locale (the sort identifier in bits 16 to 19 it keeps
  // as a collation, which does not change the code page).
  char name[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  uloc_getLocaleForLCID(uint32_t(lcid), name, sizeof name, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING) return 0;
  char language[ULOC_LANG_CAPACITY];
  char script[ULOC_SCRIPT_CAPACITY];
  uloc_getLanguage(name, language, sizeof language, &status);
  uloc_getScript(name, script, sizeof script, &status);
  if (U_FAILURE(status)) return 0;
  // Chinese of Taiwan, Hong Kong and Macao is traditional even where the name
  // leaves the script out.
  if (std::string_view(script).empty()) {
    char likely[ULOC_FULLNAME_CAPACITY];
    uloc_addLikelySubtags(name, likely, sizeof likely, &status);
    if (U_SUCCESS(status)) uloc_getScript(likely, script, sizeof script, &status);
    if (U_FAILURE(status)) script[0] = '\0';
  }
  for (const LanguageCodePage& l : kLanguages)
    if (l.language == language && (l.script.empty() || l.script == script)) return l.codePage;
  return 0;
}

}  // namespace trelio
