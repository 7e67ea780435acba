// settings.ini and index.csv as the program writes them from fixed inputs,
// compared byte for byte with the files kept in tests/data/stored. A change
// that alters a key, its order, a default, a value's spelling or a field of
// the index shows here, even when every value still reads back the same.
#include <gtest/gtest.h>

#include <string>

#include "app/core/index/IndexFile.h"
#include "app/core/index/IndexMerge.h"
#include "app/core/settings/AppSettings.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/StoredFiles.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

using test::Stored;

TEST(StoredFilesTest, SettingsAreWrittenByteForByteAsBefore) {
  struct Case {
    const char* input;  // the settings.ini found at start; "" = none
    SettingsEnvironment environment;
    const char* expected;
  };
  const Case cases[] = {
      // A file kept from an earlier run: its lines stay, the missing keys are
      // added in the file's order, the values take the adjustments of reading.
      {"settings-input.ini", {{1920, 1080}, "RUS", 1251}, "settings-written.ini"},
      // A first start: every key with its default, in the file's order.
      {"", {{1920, 1080}, "ENU", 1252}, "settings-first-start.ini"},
      // A small screen: the designed bounds instead of the centred default.
      {"", {{800, 600}, "RUS", 1251}, "settings-small-screen.ini"},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string path = folder / "settings.ini";
    if (*c.input) WriteBytes(path, Stored(c.input));
    const AppSettings settings = ReadAppSettings(IniFile::Load(path), c.environment);
    ASSERT_TRUE(SaveAppSettings(path, settings).ok()) << c.expected;
    const std::string expected = Stored(c.expected);
    ASSERT_FALSE(expected.empty()) << c.expected;
    EXPECT_EQ(ReadBytes(path), expected) << c.expected;
  }
}

TEST(StoredFilesTest, IndexIsWrittenByteForByteAsBefore) {
  ScratchFolder folder;
  FaucetIndex index;
  TIntegerHash urlRowMap;
  IndexState state{index, urlRowMap, IndexFilePaths::InFolder(folder.path()), ','};
  LoadIndex(state, KT_TEST_DATA "/stored/index-input.csv");
  TemplateLists server;
  TemplateLists user{"was sent", "", "adcopy_response", ""};
  MergeIndex(state, KT_TEST_DATA "/stored/index-server.csv", ';', UpdatingOptions{1, 1, 0}, server,
             user);
  SaveIndex(state, state.files.csv, false);

  const std::string expected = Stored("index-written.csv");
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(ReadBytes(state.files.csv), expected);
  EXPECT_EQ(user.rightPart, "was sent|has been sent");
  EXPECT_EQ(user.noPay, "try again later");
}

}  // namespace
}  // namespace trelio
