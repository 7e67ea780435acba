#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "app/core/text/Messages.h"
#include "app/platform/CodePage.h"
#include "localisation/LcUnit.h"
#include "tests/localisation/LcfTestSupport.h"
#include "tests/support/ScopedEnv.h"

namespace trelio {
namespace {

using test::BuildModule;
using test::Bytes;
using test::HeaderRecord;
using test::ScratchFolder;
using test::StringTable;

const std::u16string kWaitRu = u"\u0436\u0434\u0430\u0442\u044C";  // "ждать"

// A module file with English and Russian and two messages, the Russian
// 65094 holding a character code page 1251 lacks.
class LanguageEngine : public ::testing::Test {
 protected:
  void SetUp() override {
    const Bytes module =
        BuildModule({{"LCHEADER", HeaderRecord({1033, 1049})},
                     {"65093", StringTable({{u"wait"}, {kWaitRu}})},
                     {"65094", StringTable({{u"min."}, {u"\u043C\u0438\u043D\u4E2D"}})}});
    test::WriteBytes(path_, std::string(module.begin(), module.end()));
  }
  void TearDown() override { LcReleaseLanguage(); }

  ScratchFolder folder_;
  const std::string path_ = folder_ / "korvane-trelio.lcf";
};

TEST_F(LanguageEngine, LoadResultsAndWhatAnswersTheMessages) {
  struct Step {
    const char* what;
    std::string file;
    int32_t lcid;
    int32_t result;
    std::u16string wait;
  };
  const Step steps[] = {
      {"Russian", path_, 1049, 1, kWaitRu},
      {"a module that lacks the LCID", path_, 1031, 0, u"wait"},
      {"Russian again", path_, 1049, 1, kWaitRu},
      {"no module: the previous language is gone too", folder_ / "none.lcf", 1049, -1, u"wait"},
      {"a folder is no module", folder_.path(), 1049, -1, u"wait"},
      {"English", path_, 1033, 1, u"wait"},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(LcLoadLanguage(s.file, s.lcid, nullptr, 0), s.result) << s.what;
    EXPECT_EQ(MessageText(msgWait), s.wait) << s.what;
    EXPECT_EQ(LcActiveLanguage() != nullptr, s.result == 1) << s.what;
  }
  LcReleaseLanguage();
  EXPECT_EQ(MessageText(msgWait), u"wait");
  EXPECT_FALSE(LcActiveLanguage());
}

TEST_F(LanguageEngine, ActiveLanguageRemembersItsSelection) {
  ASSERT_EQ(LcLoadLanguage(path_, 1049, nullptr, 42), 1);
  const std::shared_ptr<const TLcf> active = LcActiveLanguage();
  ASSERT_TRUE(active);
  EXPECT_EQ(active->SelectedLcid, 1049);
  EXPECT_EQ(active->Column, 1);
  EXPECT_EQ(active->Slot, 1);
  EXPECT_EQ(active->CodePage, 1251);
  EXPECT_EQ(active->UserData, 42);
  EXPECT_TRUE(active->HeaderIsFirstForm);
}

// The screen gets characters: Russian reads as Russian whatever the system
// code page; a character 1251 lacks is its default character.
TEST_F(LanguageEngine, MessageTextIsDecodedWithTheLanguagesCodePage) {
  EXPECT_EQ(MessageText(msgWait), u"wait");
  ASSERT_EQ(LcLoadLanguage(path_, 1049, nullptr, 0), 1);
  EXPECT_EQ(MessageText(msgWait), kWaitRu);
  EXPECT_EQ(MessageText(msgMin), u"\u043C\u0438\u043D?");
  // Without a translation: the built-in text, through the same code page.
  EXPECT_EQ(MessageText(msgHintInputField), BuiltInMessage(msgHintInputField));
}

TEST(LanguageCodePage, OnlyWhatTheCodePageLacksChanges) {
  EXPECT_EQ(LcWideToCodePage(u"\u0416\u00E9\u4E2D\u20AC", 1251), "\xC6??\x88");
  EXPECT_EQ(LcWideToCodePage(u"\u0416\u00E9\u20AC", 1252), "?\xE9\x80");
  EXPECT_EQ(LcWideToCodePage(u"", 1251), "");
}

// The locale data's code page, 0 where there is none to read: an identifier
// that names no locale, and locales written only in Unicode.
TEST(LanguageCodePage, LocaleCodePageIsTheLocalesOwnOrZero) {
  const std::pair<int32_t, int32_t> cases[] = {
      {1049, 1251}, {1033, 1252}, {1041, 932},     {2052, 936},  {4100, 936},  {1028, 950},
      {3076, 950},  {1042, 949},  {3098, 1251},    {2074, 1250}, {1068, 1254}, {2092, 1251},
      {1054, 874},  {1066, 1258}, {0x10407, 1252}, {9999, 0},    {0, 0},       {1081, 0},
      {1067, 0},    {1079, 0},    {0x7F7F, 0},     {-1, 0},
  };
  for (const auto& [lcid, codePage] : cases) EXPECT_EQ(LcLocaleCodePage(lcid), codePage) << lcid;
}

// Each single-byte code page converts as itself, whatever the system's.
TEST(LanguageCodePage, SingleByteCodePagesConvertAsThemselves) {
  test::ScopedEnv env;
  env.Set("LC_ALL", "en_US.UTF-8");
  const struct {
    int32_t codePage;
    std::u16string text;
    std::string bytes;
  } cases[] = {
      {866, u"Привет Ёё", "\x8F\xE0\xA8\xA2\xA5\xE2 \xF0\xF1"},
      {20866, u"Привет Ёё", "\xF0\xD2\xC9\xD7\xC5\xD4 \xB3\xA3"},
      {21866, u"Їжак є", "\xB7\xD6\xC1\xCB \xA4"},
      {28591, u"Café Я", "Caf\xE9 ?"},
      {28595, u"Привет é", "\xBF\xE0\xD8\xD2\xD5\xE2 ?"},
      {28605, u"€ Я", "\xA4 ?"},
      {10007, u"Привет", "\x8F\xF0\xE8\xE2\xE5\xF2"},
      {1251, u"Привет é", "\xCF\xF0\xE8\xE2\xE5\xF2 ?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LcWideToCodePage(c.text, c.codePage), c.bytes) << c.codePage;
  }
  for (const int codePage : {866, 20866})
    EXPECT_EQ(AnsiToUtf16(LcWideToCodePage(u"Привет", codePage), codePage), u"Привет") << codePage;
}

// A module whose second-form header names the code page: the messages come in
// it, and read back as what was written.
TEST(LanguageCodePage, MessagesComeInTheCodePageTheHeaderNames) {
  ScratchFolder folder;
  const std::string path = folder / "korvane-trelio.lcf";
  const Bytes module = BuildModule(
      {{"LCHEADE2", HeaderRecord({1049}, 0, {866})}, {"65093", StringTable({{kWaitRu}})}});
  test::WriteBytes(path, std::string(module.begin(), module.end()));
  ASSERT_EQ(LcLoadLanguage(path, 1049, nullptr, 0), 1);
  EXPECT_EQ(LcActiveLanguage()->TranslateResString(msgWait), "\xA6\xA4\xA0\xE2\xEC");
  EXPECT_EQ(MessageText(msgWait), kWaitRu);
  LcReleaseLanguage();
}

TEST(LanguageModulePath, ReplacesTheExtension) {
  const std::pair<const char*, const char*> cases[] = {
      {"/usr/bin/korvane-trelio", "/usr/bin/korvane-trelio.lcf"},
      {"/opt/kt/Project1.exe", "/opt/kt/Project1.lcf"},
      {"/opt/k.t/program", "/opt/k.t/program.lcf"},
      {"program.x.y", "program.x.lcf"},
  };
  for (const auto& [program, module] : cases) EXPECT_EQ(LcModulePathFor(program), module);
}

// Lookups on several threads while the window thread switches languages:
// each lookup finishes with the old or the new language, never a closed one.
TEST_F(LanguageEngine, SwitchingIsSafeAgainstLookupsInFlight) {
  std::atomic<bool> stop{false};
  std::atomic<int> lookups{0};
  std::atomic<int> wrong{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 4; ++t)
    readers.emplace_back([&] {
      while (!stop.load()) {
        const std::u16string wait = MessageText(msgWait);
        const std::u16string min = MessageText(msgMin);
        if (wait != u"wait" && wait != kWaitRu) ++wrong;
        if (min != u"min." && min != u"\u043C\u0438\u043D?") ++wrong;
        ++lookups;
      }
    });
  const std::string missing = folder_ / "missing.lcf";
  for (int i = 0; i < 300; ++i) {
    LcLoadLanguage(i % 3 == 2 ? missing : path_, i % 2 ? 1033 : 1049, nullptr, 0);
    // Let the readers run between switches, without deciding on time.
    const int seen = lookups.load();
    while (lookups.load() < seen + 4) std::this_thread::yield();
  }
  stop = true;
  for (std::thread& t : readers) t.join();
  EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
}  // namespace trelio
