#include "app/platform/CodePage.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/ScopedEnv.h"

namespace trelio {
namespace {

using test::ScopedEnv;

constexpr int kCodePages[] = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s += char(b);
  return s;
}

TEST(CodePageTest, ConvertsKnownCharactersBothWays) {
  const struct {
    int codePage;
    std::string ansi;
    std::u16string utf16;
  } cases[] = {
      {1251, Bytes({0xCF, 0xF0, 0xE8, 0xE2, 0xE5, 0xF2}), u"Привет"},
      {1251, Bytes({0xA8, 0xB8, 0xB9}), u"Ёё№"},
      {1252, Bytes({0xC0, 0xE9, 0x80, 0x9F, 0xDF}), u"Àé€Ÿß"},
      {1250, Bytes({0xA3, 0xB3, 0x8A}), u"ŁłŠ"},
      {1253, Bytes({0xC1, 0xE1}), u"Αα"},
      {1254, Bytes({0xDD, 0xFD}), u"İı"},
      {866, Bytes({0x8F, 0xE0, 0xA8, 0xF0}), u"ПриЁ"},
      {20866, Bytes({0xF0, 0xD2, 0xC9, 0xB3}), u"ПриЁ"},
      {28591, Bytes({0xE9, 0x80}), u"é\u0080"},
      {1252, std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {1251, "", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiToUtf16(c.ansi, c.codePage), c.utf16) << c.codePage;
    EXPECT_EQ(Utf16ToAnsi(c.utf16, c.codePage), c.ansi) << c.codePage;
  }
}

TEST(CodePageTest, EveryDefinedByteRoundTrips) {
  for (int cp : kCodePages) {
    for (int b = 0; b < 256; ++b) {
      const std::string byte(1, char(b));
      const std::u16string wide = AnsiToUtf16(byte, cp);
      ASSERT_EQ(wide.size(), 1u);
      if (wide[0] == 0xFFFD) continue;
      EXPECT_EQ(Utf16ToAnsi(wide, cp), byte) << cp << " byte " << b;
    }
  }
}

TEST(CodePageTest, CharactersTheCodePageLacksBecomeQuestionMarks) {
  const struct {
    int codePage;
    std::u16string utf16;
    std::string ansi;
  } cases[] = {
      {1252, u"Я", "?"},
      {1251, u"é", "?"},
      {1252, u"a\U0001F600b", "a?b"},  // a surrogate pair is one character
      {1252, std::u16string(1, char16_t(0xD800)) + u"x", "?x"},
      {1252, u"x" + std::u16string(1, char16_t(0xDC00)), "x?"},
      {1252, u"\uFFFD", "?"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf16ToAnsi(c.utf16, c.codePage), c.ansi) << c.codePage;
}

// A byte the code page leaves undefined stands for the control character of
// the same value, so text nobody edited comes back byte for byte.
TEST(CodePageTest, UndefinedBytesAreTheControlCharactersOfTheirValue) {
  const struct {
    int codePage;
    std::string ansi;
    std::u16string utf16;
  } cases[] = {
      {1251, Bytes({0x98}), u"\u0098"},
      {1252, Bytes({0x81, 0x8D, 0x8F, 0x90, 0x9D}), u"\u0081\u008D\u008F\u0090\u009D"},
      {1250, Bytes({0x81, 0x83, 0x88, 0x90, 0x98}), u"\u0081\u0083\u0088\u0090\u0098"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AnsiToUtf16(c.ansi, c.codePage), c.utf16) << c.codePage;
    EXPECT_EQ(Utf16ToAnsi(c.utf16, c.codePage), c.ansi) << c.codePage;
  }
  // A control character whose byte the code page defines is lacking.
  EXPECT_EQ(Utf16ToAnsi(u"\u0081\u0098", 1251), "?" + Bytes({0x98}));
}

TEST(CodePageTest, EveryByteRoundTripsInTheSystemCodePages) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  for (int cp : {1251, 1252}) {
    const std::u16string wide = AnsiToUtf16(all, cp);
    EXPECT_EQ(wide.find(u'\uFFFD'), std::u16string::npos) << cp;
    EXPECT_EQ(Utf16ToAnsi(wide, cp), all) << cp;
  }
}

TEST(CodePageTest, ChangesCaseByTheCodePagesRules) {
  const struct {
    int codePage;
    std::string upper, lower;
  } cases[] = {
      {1251, Bytes({0xDF, 0xA8, 0xC0, 0xA1, 0xAA, 0xB2, 0x80}),
       Bytes({0xFF, 0xB8, 0xE0, 0xA2, 0xBA, 0xB3, 0x90})},  // Я Ё А Ў Є І Ђ
      {1251, "ABC XYZ", "abc xyz"},
      {1252, Bytes({0xC0, 0xDE, 0x8A, 0x8C, 0x8E, 0x9F}),
       Bytes({0xE0, 0xFE, 0x9A, 0x9C, 0x9E, 0xFF})},
      {1250, Bytes({0xA3, 0x8C}), Bytes({0xB3, 0x9C})},  // Ł Ś
      {1253, Bytes({0xC1, 0xD9}), Bytes({0xE1, 0xF9})},  // Α Ω
      {1257, Bytes({0xC0}), Bytes({0xE0})},              // Ą
  };
  for (const auto& c : cases) EXPECT_EQ(AnsiLowerCase(c.upper, c.codePage), c.lower) << c.codePage;
}

TEST(CodePageTest, CaseChangesOnlyWhereTheCodePageHoldsTheOtherCase) {
  const struct {
    int codePage;
    std::string text, lower;
  } cases[] = {
      // ß, ×, ÷, µ and ª have no other case in 1252.
      {1252, Bytes({0xDF, 0xD7, 0xF7, 0xB5, 0xAA}), Bytes({0xDF, 0xD7, 0xF7, 0xB5, 0xAA})},
      // №, an undefined byte, NUL, digits.
      {1251, Bytes({0xB9, 0x98, 0x00, '1'}), Bytes({0xB9, 0x98, 0x00, '1'})},
      // Dotted capital I pairs with the ASCII letter; dotless small i stays.
      {1254, Bytes({0xDD, 0xFD}), Bytes({'i', 0xFD})},
  };
  for (const auto& c : cases) EXPECT_EQ(AnsiLowerCase(c.text, c.codePage), c.lower) << c.codePage;
}

TEST(CodePageTest, SystemCodePageFollowsTheLocaleLanguage) {
  const struct {
    const char* lang;
    int codePage;
  } cases[] = {
      {"ru_RU.UTF-8", 1251}, {"uk_UA.UTF-8", 1251},
      {"be_BY", 1251},       {"kk_KZ.UTF-8", 1251},
      {"bg_BG.UTF-8", 1251}, {"en_US.UTF-8", 1252},
      {"de_DE@euro", 1252},  {"pl_PL", 1252},
      {"C", 1252},           {"", 1252},
  };
  for (const auto& c : cases) {
    ScopedEnv env;
    env.Set("LC_ALL", nullptr);
    env.Set("LC_MESSAGES", nullptr);
    env.Set("LANG", c.lang);
    EXPECT_EQ(SystemAnsiCodePage(), c.codePage) << c.lang;
  }
}

TEST(CodePageTest, CodePageZeroAndUnknownOnesMeanTheSystemCodePage) {
  ScopedEnv env;
  env.Set("LC_ALL", "ru_RU.UTF-8");
  const std::string ya = Bytes({0xDF});
  for (int cp : {0, 65001, 932, -1, 1}) EXPECT_EQ(AnsiToUtf16(ya, cp), u"Я") << cp;
  env.Set("LC_ALL", "en_US.UTF-8");
  EXPECT_EQ(AnsiToUtf16(ya, 0), u"ß");
}

}  // namespace
}  // namespace trelio
