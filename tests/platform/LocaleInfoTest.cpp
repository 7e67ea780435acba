#include "app/platform/LocaleInfo.h"

#include <gtest/gtest.h>

#include "app/platform/LanguageTable.h"
#include "app/platform/LocaleEnvironment.h"
#include "tests/support/ScopedEnv.h"

namespace trelio {
namespace {

using test::ScopedEnv;

TEST(LocaleInfoTest, ParsesLocaleNames) {
  const struct {
    const char* name;
    const char* language;
    const char* country;
  } cases[] = {
      {"en_US.UTF-8", "en", "US"},
      {"ru_RU", "ru", "RU"},
      {"de_DE@euro", "de", "DE"},
      {"sr_RS@latin", "sr", "RS"},
      {"fr", "fr", ""},
      {"EN_gb.utf8", "en", "GB"},
      {"C", "", ""},
      {"C.UTF-8", "", ""},
      {"POSIX", "", ""},
      {"", "", ""},
      {"_US", "", ""},
      {"en-US", "", ""},
  };
  for (const auto& c : cases) {
    const LocaleName n = ParseLocaleName(c.name);
    EXPECT_EQ(n.language, c.language) << c.name;
    EXPECT_EQ(n.country, c.country) << c.name;
  }
}

TEST(LocaleInfoTest, AbbreviatedLanguageNames) {
  const struct {
    const char* name;
    const char* abbrev;
  } cases[] = {
      {"en_US", "ENU"}, {"en_GB", "ENG"}, {"en", "ENU"},    {"ru_RU", "RUS"}, {"ru_UA", "RUS"},
      {"uk_UA", "UKR"}, {"be_BY", "BEL"}, {"kk_KZ", "KKZ"}, {"uz_UZ", "UZB"}, {"ky_KG", "KYR"},
      {"mn_MN", "MON"}, {"de_DE", "DEU"}, {"de_AT", "DEA"}, {"pt_BR", "PTB"}, {"pt_PT", "PTG"},
      {"xx_YY", ""},    {"C", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AbbreviatedLanguageName(ParseLocaleName(c.name)), c.abbrev) << c.name;
}

TEST(LocaleInfoTest, UserLocaleIsTheFirstNonEmptyOfLcAllLcMessagesLang) {
  const struct {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    const char* abbrev;
  } cases[] = {
      {"ru_RU.UTF-8", "en_US.UTF-8", "de_DE.UTF-8", "RUS"},
      {"", "en_GB.UTF-8", "de_DE.UTF-8", "ENG"},
      {nullptr, nullptr, "uk_UA.UTF-8", "UKR"},
      {"", "", "", ""},
      {nullptr, nullptr, nullptr, ""},
      {"C", "ru_RU.UTF-8", "ru_RU.UTF-8", ""},  // LC_ALL decides even when it says nothing
  };
  for (const auto& c : cases) {
    ScopedEnv env;
    env.Set("LC_ALL", c.lcAll);
    env.Set("LC_MESSAGES", c.lcMessages);
    env.Set("LANG", c.lang);
    EXPECT_EQ(GetLocaleInformation(kLocaleSAbbrevLangName), c.abbrev) << c.abbrev;
  }
}

TEST(LocaleInfoTest, UnknownInformationTypeIsEmpty) {
  ScopedEnv env;
  env.Set("LC_ALL", "en_US.UTF-8");
  EXPECT_EQ(GetLocaleInformation(0x7777), "");
}

TEST(LocaleInfoTest, DefaultAnsiCodePageOfLcid) {
  const struct {
    int lcid;
    int codePage;
  } cases[] = {
      {1049, 1251},
      {1033, 1252},
      {1058, 1251},
      {1031, 1252},
      {2057, 1252},
      {1059, 1251},
      {1026, 1251},
      {1045, 1250},
      {1029, 1250},
      {1032, 1253},
      {1055, 1254},
      {1037, 1255},
      {1025, 1256},
      {1061, 1257},
      {1066, 1258},
      {1054, 874},
      {1091, 1254},
      {2115, 1251},
      {3098, 1251},
      {1050, 1250},
      {0x10407, 1252},
      {1041, 932},
      {2052, 936},
      {1028, 950},
      {1042, 949},
      {2074, 1250},
      // No locale of that identifier, or one written only in Unicode: none.
      {0x7F7F, 0},
      {0, 0},
      {-1, 0},
      {9999, 0},
      {1081, 0},
      {1067, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LocaleDefaultAnsiCodePage(c.lcid), c.codePage) << c.lcid;
}

}  // namespace
}  // namespace trelio
