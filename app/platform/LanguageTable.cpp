#include "app/platform/LanguageTable.h"

#include <string_view>

namespace trelio {
namespace {

struct Language {
  std::string_view language;
  std::string_view abbrev;  // for the language's main country
  bool cyrillic;
};

constexpr Language kLanguages[] = {
    {"af", "AFK", false}, {"ar", "ARA", false}, {"az", "AZE", false}, {"ba", "BAS", true},
    {"be", "BEL", true},  {"bg", "BGR", true},  {"ca", "CAT", false}, {"cs", "CSY", false},
    {"da", "DAN", false}, {"de", "DEU", false}, {"el", "ELL", false}, {"en", "ENU", false},
    {"es", "ESN", false}, {"et", "ETI", false}, {"eu", "EUQ", false}, {"fa", "FAR", false},
    {"fi", "FIN", false}, {"fr", "FRA", false}, {"gl", "GLC", false}, {"he", "HEB", false},
    {"hr", "HRV", false}, {"hu", "HUN", false}, {"hy", "HYE", false}, {"id", "IND", false},
    {"is", "ISL", false}, {"it", "ITA", false}, {"ja", "JPN", false}, {"ka", "KAT", false},
    {"kk", "KKZ", true},  {"ko", "KOR", false}, {"ky", "KYR", true},  {"lt", "LTH", false},
    {"lv", "LVI", false}, {"mk", "MKI", true},  {"mn", "MON", true},  {"ms", "MSL", false},
    {"nb", "NOR", false}, {"nl", "NLD", false}, {"nn", "NON", false}, {"no", "NOR", false},
    {"pl", "PLK", false}, {"pt", "PTG", false}, {"ro", "ROM", false}, {"ru", "RUS", true},
    {"sk", "SKY", false}, {"sl", "SLV", false}, {"sq", "SQI", false}, {"sr", "SRB", false},
    {"sv", "SVE", false}, {"tg", "TAJ", true},  {"th", "THA", false}, {"tr", "TRK", false},
    {"tt", "TTT", true},  {"uk", "UKR", true},  {"uz", "UZB", true},  {"vi", "VIT", false},
    {"zh", "CHS", false},
};

// Countries whose name differs from the language's main one.
struct Country {
  std::string_view language, country, abbrev;
};

constexpr Country kCountries[] = {
    {"de", "AT", "DEA"}, {"de", "CH", "DES"}, {"de", "LI", "DEC"}, {"de", "LU", "DEL"},
    {"en", "AU", "ENA"}, {"en", "CA", "ENC"}, {"en", "GB", "ENG"}, {"en", "IE", "ENI"},
    {"en", "IN", "ENN"}, {"en", "NZ", "ENZ"}, {"en", "ZA", "ENS"}, {"es", "AR", "ESS"},
    {"es", "CL", "ESL"}, {"es", "CO", "ESO"}, {"es", "MX", "ESM"}, {"es", "US", "EST"},
    {"fr", "BE", "FRB"}, {"fr", "CA", "FRC"}, {"fr", "CH", "FRS"}, {"fr", "LU", "FRL"},
    {"it", "CH", "ITS"}, {"nl", "BE", "NLB"}, {"pt", "BR", "PTB"}, {"sv", "FI", "SVF"},
    {"zh", "HK", "ZHH"}, {"zh", "MO", "ZHM"}, {"zh", "SG", "ZHI"}, {"zh", "TW", "CHT"},
};

const Language* Find(const LocaleName& locale) {
  for (const Language& l : kLanguages)
    if (l.language == locale.language) return &l;
  return nullptr;
}

}  // namespace

std::string AbbreviatedLanguageName(const LocaleName& locale) {
  const Language* l = Find(locale);
  if (!l) return {};
  for (const Country& c : kCountries)
    if (c.language == locale.language && c.country == locale.country) return std::string(c.abbrev);
  return std::string(l->abbrev);
}

bool IsRussianFamily(const LocaleName& locale) {
  const Language* l = Find(locale);
  return l && l->cyrillic;
}

}  // namespace trelio
