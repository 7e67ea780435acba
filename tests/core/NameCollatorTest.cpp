#include "app/core/list/NameCollator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace trelio {
namespace {

TEST(NameCollatorTest, TakesTheLocaleOfAPosixName) {
  struct Case {
    const char* posix;
    const char* want;
  } cases[] = {
      {"ru_RU.UTF-8", "ru_RU"},
      {"en_US.utf8@euro", "en_US"},
      {"de_DE@euro", "de_DE"},
      {"uk_UA", "uk_UA"},
      {"C", ""},
      {"C.UTF-8", ""},
      {"POSIX", ""},
      {"", ""},
      {".", ""},
      {"de", "de"},
      {"RU_ru", "ru_RU"},
      {"ru RU", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CollationLocaleId(c.posix), c.want) << c.posix;
}

std::vector<std::string> Sorted(std::vector<std::string> names, const NameCollator& c) {
  std::sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    return c.SortKey(a) < c.SortKey(b);
  });
  return names;
}

TEST(NameCollatorTest, OrdersNamesCaseInsensitivelyByLocale) {
  // cp1251: "\xDE\xEB\xE0" = "Юла", "\xE0\xE8\xF1\xF2" = "аист".
  const std::vector<std::string> names = {
      "beta", "Alpha", "\xDE\xEB\xE0", "10 coins", "\xE0\xE8\xF1\xF2", "!bang", " blank", "alpha2"};
  const NameCollator en("en_US", 1251);
  EXPECT_EQ(Sorted(names, en),
            (std::vector<std::string>{" blank", "!bang", "10 coins", "Alpha", "alpha2", "beta",
                                      "\xE0\xE8\xF1\xF2", "\xDE\xEB\xE0"}));
  const NameCollator ru("ru_RU", 1251);
  EXPECT_EQ(Sorted(names, ru),
            (std::vector<std::string>{" blank", "!bang", "10 coins", "\xE0\xE8\xF1\xF2",
                                      "\xDE\xEB\xE0", "Alpha", "alpha2", "beta"}));
  // Letter case alone does not order, in Latin and Cyrillic; accents do.
  EXPECT_EQ(en.SortKey("FaucetHub"), en.SortKey("faucethub"));
  EXPECT_EQ(ru.SortKey("\xDE\xCB\xC0"), ru.SortKey("\xFE\xEB\xE0"));
  const NameCollator latin("fr_FR", 1252);
  EXPECT_NE(latin.SortKey("cote"), latin.SortKey("c\xF4te"));
  EXPECT_LT(latin.SortKey("cote"), latin.SortKey("C\xD4TE"));
}

TEST(NameCollatorTest, TakesAnyBytes) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  const std::string withNul("a\0b", 3);
  for (int cp : {1251, 1252, 874, 0, 12345}) {
    const NameCollator c("ru_RU", cp);
    EXPECT_FALSE(c.SortKey(all).empty());
    EXPECT_EQ(c.SortKey(""), c.SortKey(std::string(1, '\0')));
    EXPECT_EQ(c.SortKey(withNul), c.SortKey("ab"));
    EXPECT_GT(c.SortKey(std::string(100000, '\x98')).size(), 0u);
    EXPECT_LT(c.SortKey(std::string(5000, 'a')), c.SortKey(std::string(5000, 'a') + "b"));
  }
  const NameCollator unknown("xx_NOWHERE.@@", 1252);
  EXPECT_LT(unknown.SortKey("apple"), unknown.SortKey("Banana"));
  EXPECT_LT(NameCollator::ForUser().SortKey("apple"), NameCollator::ForUser().SortKey("Banana"));
}

}  // namespace
}  // namespace trelio
