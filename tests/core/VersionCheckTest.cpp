#include "app/core/about/VersionCheck.h"

#include <gtest/gtest.h>

#include "app/core/text/Messages.h"

namespace trelio {
namespace {

TEST(VersionCheckTest, ReadsTheNumberAtTheStartOfTheBody) {
  const std::pair<std::string_view, int32_t> cases[] = {
      {"101", 101},
      {"102\r\n", 102},
      {"102\nrelease notes 103", 102},
      {"1000", 1000},
      {"  205 beta", 205},
      {"+103", 103},
      {"-5", -5},
      {"abc", 0},
      {"", 0},
      {"\n102", 0},                // a line break is not a blank
      {"$66", 0},                  // decimal only, unlike other whole numbers
      {"0x66", 0},                 // the "0" is read, the rest ignored
      {"99999999999", 999999999},  // digits beyond the 32-bit range are not taken
  };
  for (const auto& [body, version] : cases) EXPECT_EQ(ReadServerVersion(body), version) << body;
}

TEST(VersionCheckTest, NewerVersionIsAnnouncedOthersAreUpToDate) {
  struct Case {
    int32_t server;
    bool newer;
    const char16_t* text;
  } const cases[] = {
      {101, false, u"Korvane Trelio is up to date."},
      {0, false, u"Korvane Trelio is up to date."},
      {-5, false, u"Korvane Trelio is up to date."},
      {102, true, u"Korvane Trelio version 1.02 available!"},
      {1000, true, u"Korvane Trelio version 10.00 available!"},
  };
  for (const Case& c : cases) {
    const VersionCheckResult r = VersionCheckResultFor(c.server);
    EXPECT_EQ(r.newer, c.newer) << c.server;
    EXPECT_EQ(c.newer ? r.buttonText : r.statusText, c.text) << c.server;
  }
  EXPECT_EQ(VersionLabelText(), u"version 1.01");
}

TEST(VersionCheckTest, TextsComeFromTheActiveLanguage) {
  SetMessageLookup([](uint16_t id) { return EncodedText{"<" + std::to_string(id) + ">", 0}; });
  EXPECT_EQ(VersionCheckResultFor(102).buttonText, u"Korvane Trelio <65134> 1.02 <65135>!");
  EXPECT_EQ(VersionCheckResultFor(101).statusText, u"Korvane Trelio <65104>.");
  EXPECT_EQ(VersionLabelText(), u"<65131> 1.01");
  SetMessageLookup({});
}

}  // namespace
}  // namespace trelio
