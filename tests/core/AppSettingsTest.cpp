#include "app/core/settings/AppSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/core/coins/CoinTable.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

const SettingsEnvironment kFullHd{{1920, 1080}, "ENU", 1252};

int CoinNamed(std::string_view name) {
  for (int c = 0; c < kCoinCount; ++c)
    if (kCoins[c].name == name) return c;
  ADD_FAILURE() << "no coin " << name;
  return 0;
}

AppSettings ReadText(const std::string& text, const SettingsEnvironment& env = kFullHd) {
  return ReadAppSettings(IniFile::FromBytes(text), env);
}

std::string WrittenText(const AppSettings& s, std::string before = {}) {
  return SettingsFileBytes(std::move(before), s);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t nl = text.find('\n', pos);
    const size_t end = nl == std::string::npos ? text.size() : nl + 1;
    lines.push_back(text.substr(pos, end - pos));
    pos = end;
  }
  return lines;
}

TEST(AppSettingsTest, HandEditedFileKeepsForeignLinesAndSettlesOnTheSecondRun) {
  ScratchFolder dir;
  const std::string original = ReadBytes(KT_TEST_DATA "/settings/hand-edited.ini");
  ASSERT_FALSE(original.empty());
  WriteBytes(dir / "settings.ini", original);

  std::vector<std::string> languages;
  const AppSettings s =
      ReadAppSettings(IniFile::Load(dir / "settings.ini"), kFullHd,
                      [&](const std::string& code) { languages.push_back(code); });
  EXPECT_EQ(languages, std::vector<std::string>{"ru"});
  EXPECT_EQ(s.language, "ru");
  EXPECT_EQ(s.addresses[CoinNamed("Bitcoin")], "user-bitcoin-address");
  EXPECT_EQ(s.addresses[CoinNamed("Litecoin")], "quoted litecoin address");
  EXPECT_EQ(s.bounds, (WindowBounds{480, 240, 960, 600}));
  EXPECT_EQ(s.tabs[CoinNamed("Zcash")], "");
  EXPECT_EQ(s.alwaysOnTop, 2);
  EXPECT_EQ(s.blockPopups, 2);
  EXPECT_FALSE(s.showHidden);
  EXPECT_EQ(s.rightPayoutTemplate, "was sent|has been added");
  EXPECT_EQ(s.noPayIntervals, "1440,,X");
  ASSERT_TRUE(SaveAppSettings(dir / "settings.ini", s).ok());

  const std::string first = ReadBytes(dir / "settings.ini");
  // Every line that is not one of ours, and every one of ours whose value did
  // not change, is still there byte for byte and in its order.
  const std::vector<std::string> kept = {
      "; settings.ini kept from an earlier run and edited by hand\r\n",
      "[Addresses]\r\n",
      "Bitcoin=user-bitcoin-address\r\n",
      "My notes = keep me   \r\n",
      "Litecoin = \"quoted litecoin address\"\r\n",
      "\r\n",
      "[Interface]\r\n",
      "Language=ru\r\n",
      "Width=960\r\n",
      "Height=600\r\n",
      "Extra interface key=still here\r\n",
      "Zcash Tab=\r\n",
      "Always on top=in the wrong section\r\n",
      "[Browsing options]\r\n",
      "Always on top=2\r\n",
      "Block pop-ups=2\r\n",
      "[List]\r\n",
      "Show hidden=0\r\n",
      "[Parser]\r\n",
      "Right part of payout template=was sent|has been added\r\n",
      "No pay intervals=1440,,X\r\n",
      "[Ref]\r\n",
      "Bitcore=my-bitcore-referral\r\n",
      "Peercoin=\r\n",
      "Unknown coin=abc\r\n",
      "[Foreign section]\r\n",
      "a=1\r\n",
  };
  const std::vector<std::string> lines = Lines(first);
  size_t at = 0;
  for (const std::string& line : kept) {
    while (at < lines.size() && lines[at] != line) ++at;
    ASSERT_LT(at, lines.size()) << "lost or moved: " << line;
  }
  for (const std::string& line : lines) EXPECT_EQ(line.substr(line.size() - 2), "\r\n") << line;

  // A second run changes nothing, so while it runs there is nothing to write.
  const AppSettings again = ReadAppSettings(IniFile::Load(dir / "settings.ini"), kFullHd);
  EXPECT_EQ(SettingsFileBytes(first, again), first);
  ASSERT_TRUE(SaveAppSettings(dir / "settings.ini", again).ok());
  EXPECT_EQ(ReadBytes(dir / "settings.ini"), first);
}

TEST(AppSettingsTest, FirstStartShowsTheDefaultTabsAndWritesAllKeys) {
  const AppSettings s = ReadText("");
  const std::vector<std::string_view> shown = {"Bitcoin",      "Litecoin", "Dash",
                                               "Dogecoin",     "Ethereum", "Zcash",
                                               "Bitcoin Cash", "DigiByte", "Tron"};
  const IniFile written = IniFile::FromBytes(WrittenText(s));
  for (const Coin& coin : kCoins) {
    const bool isShown = std::find(shown.begin(), shown.end(), coin.name) != shown.end();
    const std::string key = std::string(coin.name) + " Tab";
    EXPECT_EQ(written.ReadString("Interface", key, "<absent>"), isShown ? "1" : "") << key;
  }
  EXPECT_EQ(written.ReadString("Parser", "Ignore field names", ""), "adcopy_response");
  EXPECT_EQ(written.ReadString("Parser", "No pay intervals", ""), "1440");
  EXPECT_EQ(written.ReadString("System", "FEATURE_BROWSER_EMULATION", ""), "11001");
  EXPECT_EQ(written.ReadString("List", "Sort by", ""), "4");
  EXPECT_EQ(written.ReadString("List", "Order", ""), "1");
  EXPECT_EQ(written.ReadString("Interface", "Top panel height", ""), "100");
  EXPECT_EQ(written.ReadString("Ref", "Bitcoin", "<absent>"), "<absent>");
  EXPECT_EQ(WrittenText(s).substr(0, 21), "[Addresses]\nBitcoin=\n");
}

TEST(AppSettingsTest, AtLeastOneTabIsShown) {
  std::string allEmpty = "[Interface]\n", allZero = "[Interface]\n";
  for (const Coin& coin : kCoins) {
    allEmpty += std::string(coin.name) + " Tab=\n";
    allZero += std::string(coin.name) + " Tab=0\n";
  }
  for (const std::string& text : {allEmpty, allZero}) {
    const AppSettings s = ReadText(text);
    for (int c = 0; c < kCoinCount; ++c)
      EXPECT_EQ(s.tabs[c] == "1", kCoins[c].name == "Bitcoin") << kCoins[c].name;
  }
  const AppSettings tron = ReadText(
      "[Interface]\nBitcoin Tab=\nLitecoin Tab=\nDash Tab=\n"
      "Dogecoin Tab=\nEthereum Tab=\nZcash Tab=\nBitcoin Cash Tab=\n"
      "DigiByte Tab=\nTron Tab=1\n");
  EXPECT_EQ(tron.tabs[CoinNamed("Bitcoin")], "");
  EXPECT_EQ(tron.tabs[CoinNamed("Tron")], "1");
}

TEST(AppSettingsTest, LanguageComesFromTheFileOrTheLocale) {
  struct Case {
    const char* file;  // nullptr: no "Language" key
    const char* locale;
    const char* code;
  };
  const Case cases[] = {
      {nullptr, "RUS", "ru"}, {nullptr, "ukr", "ru"}, {nullptr, "MON", "ru"},
      {nullptr, "ENU", "en"}, {nullptr, "", "en"},    {"", "BEL", "ru"},
      {"", "DEU", "en"},      {"RU", "ENU", "ru"},    {" ru ", "ENU", "ru"},
      {"en", "RUS", "en"},    {"de", "RUS", "en"},    {"rus", "ENU", "en"},
  };
  for (const Case& c : cases) {
    const std::string text =
        c.file ? std::string("[Interface]\nLanguage=") + c.file + "\n" : std::string();
    std::vector<std::string> hooked;
    const AppSettings s = ReadAppSettings(IniFile::FromBytes(text), {{1920, 1080}, c.locale, 1252},
                                          [&](const std::string& code) { hooked.push_back(code); });
    EXPECT_EQ(s.language, c.code) << (c.file ? c.file : "(none)") << " " << c.locale;
    EXPECT_EQ(hooked, std::vector<std::string>{c.code});
  }
}

TEST(AppSettingsTest, IntegerKeysAndFlags) {
  const AppSettings s = ReadText(
      "[Interface]\nWidth=0x3C0\nHeight=abc\nPage=25\nLeft panel width=10\n"
      "Top panel height=5\n[List]\nShow hidden=2\nSingle line view=1\nSort by=$2\n"
      "[Browsing options]\nBlock pop-ups=2\nAlways on top=2\n"
      "[Completing options]\nProcess results without payment=-1\n");
  EXPECT_EQ(s.bounds.width, 960);
  EXPECT_EQ(s.bounds.height, 600);
  EXPECT_EQ(s.page, 20);
  EXPECT_EQ(s.leftPanelWidth, 75);
  EXPECT_EQ(s.topPanelHeight, 32);
  EXPECT_FALSE(s.showHidden);
  EXPECT_TRUE(s.singleLineView);
  EXPECT_EQ(s.sortBy, 2);
  const IniFile written = IniFile::FromBytes(WrittenText(s));
  EXPECT_EQ(written.ReadString("List", "Show hidden", ""), "0");
  EXPECT_EQ(written.ReadString("Browsing options", "Block pop-ups", ""), "2");
  EXPECT_EQ(written.ReadString("Browsing options", "Always on top", ""), "2");
  EXPECT_EQ(written.ReadString("Completing options", "Process results without payment", ""), "-1");

  EXPECT_EQ(ReadText("[Interface]\nWidth=960px\nPage=-3\n").bounds.width, 960);
  EXPECT_EQ(ReadText("[Interface]\nPage=-3\n").page, 0);
  EXPECT_EQ(ReadText("[Interface]\nPage=7\nTop panel height=64\n").page, 7);
  EXPECT_EQ(ReadText("[Interface]\nTop panel height=64\n").topPanelHeight, 64);
}

TEST(AppSettingsTest, HidingBeforeUpdatingImpliesTheOtherTwo) {
  const AppSettings s = ReadText(
      "[Updating options]\nUpdating with showing hidden items=0\nHiding before updating=1\n"
      "Clearing before updating=1\n");
  const IniFile written = IniFile::FromBytes(WrittenText(s));
  EXPECT_EQ(written.ReadString("Updating options", "Updating with showing hidden items", ""), "1");
  EXPECT_EQ(written.ReadString("Updating options", "Hiding before updating", ""), "1");
  EXPECT_EQ(written.ReadString("Updating options", "Clearing before updating", ""), "0");

  const AppSettings notOne =
      ReadText("[Updating options]\nHiding before updating=2\nClearing before updating=1\n");
  EXPECT_EQ(notOne.updatingWithShowingHiddenItems, 0);
  EXPECT_EQ(notOne.clearingBeforeUpdating, 1);
}

TEST(AppSettingsTest, StoredBoundsAreUsedOnlyWhenTheyFitTheScreen) {
  struct Case {
    ScreenSize screen;
    const char* keys;
    WindowBounds expected;
    bool maximized;
  };
  const WindowBounds designed = kDesignedBounds;
  const Case cases[] = {
      {{1920, 1080}, "", {480, 240, 960, 600}, false},
      {{1366, 768}, "", {203, 84, 960, 600}, false},
      {{959, 1080}, "", designed, false},
      {{800, 600}, "Maximized=1\n", designed, false},
      {{1920, 1080}, "Left=1720\nTop=880\nMaximized=1\n", {1720, 880, 960, 600}, true},
      {{1920, 1080}, "Left=1721\n", designed, false},
      {{1920, 1080}, "Top=881\n", designed, false},
      {{1920, 1080}, "Left=-1\nMaximized=1\n", designed, false},
      {{1920, 1080}, "Left=2000\n", designed, false},
      {{1920, 1080}, "Left=0\nTop=0\nWidth=1920\nHeight=1080\n", {0, 0, 1920, 1080}, false},
      {{1920, 1080}, "Width=1921\n", designed, false},
      {{1920, 1080}, "Height=1081\n", designed, false},
      {{0, 0}, "", designed, false},
  };
  for (const Case& c : cases) {
    const AppSettings s = ReadText(std::string("[Interface]\n") + c.keys, {c.screen, "ENU", 1252});
    EXPECT_EQ(s.bounds, c.expected) << c.screen.width << "x" << c.screen.height << " " << c.keys;
    EXPECT_EQ(s.maximized, c.maximized) << c.keys;
  }
}

TEST(AppSettingsTest, MaximizedExitKeepsTheLastNormalBounds) {
  const std::string before =
      "[Interface]\nLeft=100\nTop = 50\nWidth=1000\nHeight=700\nMaximized=0\n";
  AppSettings s = ReadText(before);
  s.maximized = true;
  s.bounds = {0, 0, 1920, 1050};
  const std::string after = WrittenText(s, before);
  EXPECT_EQ(after.substr(0, before.size() - 12), before.substr(0, before.size() - 12));
  const IniFile written = IniFile::FromBytes(after);
  EXPECT_EQ(written.ReadString("Interface", "Maximized", ""), "1");
  EXPECT_EQ(written.ReadInteger("Interface", "Width", 0), 1000);
  // With nothing stored yet, a maximized exit writes no bounds at all.
  const IniFile fresh = IniFile::FromBytes(WrittenText(s));
  EXPECT_EQ(fresh.ReadString("Interface", "Left", "<absent>"), "<absent>");
}

TEST(AppSettingsTest, OwnReferralsReplaceTheBuiltInOnesOfTheirCoinOnly) {
  const AppSettings s = ReadText(
      "[Ref]\nBitcore=own-bitcore\nPrimecoin=own-primecoin\nPeercoin=own-peercoin\n"
      "Bitcoin=\n");
  for (int c = 0; c < kCoinCount; ++c) {
    const std::string_view name = kCoins[c].name;
    const std::string expected = name == "Bitcore"     ? "own-bitcore"
                                 : name == "Primecoin" ? "own-primecoin"
                                 : name == "Peercoin"  ? "own-peercoin"
                                                       : std::string(DefaultReferral(c));
    EXPECT_EQ(s.effectiveReferrals[c], expected) << name;
  }
  // The empty "Bitcoin" key stays as it was; absent keys stay absent.
  const std::string written = WrittenText(s, "[Ref]\nBitcoin=\n");
  EXPECT_NE(written.find("[Ref]\nBitcoin=\nBitcore=own-bitcore\nPeercoin=own-peercoin\n"
                         "Primecoin=own-primecoin\n"),
            std::string::npos)
      << written;
  EXPECT_EQ(IniFile::FromBytes(written).ReadString("Ref", "Tron", "<absent>"), "<absent>");
}

TEST(AppSettingsTest, BuiltInReferralsArePlaceholdersSafeInUrls) {
  std::vector<std::string_view> seen;
  for (int c = 0; c < kCoinCount; ++c) {
    const std::string_view ref = DefaultReferral(c);
    EXPECT_EQ(ref.rfind("korvane-trelio-", 0), 0u) << ref;
    EXPECT_EQ(ref.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"), std::string::npos);
    EXPECT_EQ(std::find(seen.begin(), seen.end(), ref), seen.end()) << ref;
    seen.push_back(ref);
  }
  EXPECT_EQ(DefaultReferral(kCoinCount), "");
}

TEST(AppSettingsTest, TemplatesAreLowerCasedInTheTextsCodePage) {
  // "ПОЛУЧЕНО" and "получено" in code page 1251.
  const std::string upper = "\xCF\xCE\xCB\xD3\xD7\xC5\xCD\xCE",
                    lower = "\xEF\xEE\xEB\xF3\xF7\xE5\xED\xEE";
  const AppSettings s = ReadAppSettings(
      IniFile::FromBytes("[Parser]\nLeft part of payout template=YOU WIN|" + upper +
                         "\nIgnore field names=Captcha|ADCOPY_RESPONSE\nNo pay template=\n"
                         "No pay intervals=A,B\n"),
      {{1920, 1080}, "RUS", 1251});
  EXPECT_EQ(s.leftPayoutTemplate, "you win|" + lower);
  EXPECT_EQ(s.ignoreFieldNames, "captcha|adcopy_response");
  EXPECT_EQ(s.noPayTemplate, "");  // present and empty: not the default
  EXPECT_EQ(s.noPayIntervals, "A,B");
  EXPECT_EQ(s.rightPayoutTemplate, "was sent|has been added|were accumulated|was added");
  const IniFile written = IniFile::FromBytes(WrittenText(s));
  EXPECT_EQ(written.ReadString("Parser", "Left part of payout template", ""), "you win|" + lower);
}

TEST(AppSettingsTest, UnwritableSettingsFileIsReportedAndKept) {
  ScratchFolder dir;
  EXPECT_FALSE(SaveAppSettings(dir / "missing/settings.ini", ReadText("")).ok());
  std::filesystem::create_directory(dir / "settings.ini");
  EXPECT_FALSE(SaveAppSettings(dir / "settings.ini", ReadText("")).ok());
  EXPECT_TRUE(std::filesystem::is_directory(dir / "settings.ini"));
}

}  // namespace
}  // namespace trelio
