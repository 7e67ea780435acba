// Every save of the program under a file size limit (ulimit -f), as on a full
// disk: it fails with its words, and the file it would replace stays whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/core/index/InOutError.h"
#include "app/core/index/IndexExport.h"
#include "app/core/index/IndexRecovery.h"
#include "app/core/settings/AppSettings.h"
#include "app/core/settings/DataFolder.h"
#include "app/core/text/ErrorText.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/IndexFolderTest.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class FileSizeLimitTest : public test::IndexFolderTest {};

TEST_F(FileSizeLimitTest, EverySaveFailsWithItsWordsAndKeepsTheOldFile) {
  for (int r = 0; r < 2000; ++r) Add({"bitcoin", "Row " + std::to_string(r), "http://r/"});
  AppSettings settings;
  for (std::string& address : settings.addresses) address.assign(2000, 'a');
  const DataFiles files = DataFilesIn(folder);
  const std::string exported = Path("Korvane Trelio Index.csv");

  // Each save gives its error text, from what it threw or returned.
  struct Case {
    const char* what;
    std::string path;
    std::function<std::string()> save;
  };
  const auto thrown = [](const std::function<void()>& save) {
    try {
      save();
    } catch (const EInOutError& e) {
      return std::string(e.what());
    }
    return std::string();
  };
  const Case cases[] = {
      {"index.csv", state.files.csv,
       [&] { return thrown([&] { SaveIndex(state, state.files.csv, true); }); }},
      {"settings.ini", files.settings,
       [&] { return ErrorText(SaveAppSettings(files.settings, settings)); }},
      {"index.recovery", state.files.recovery,
       [&] { return ErrorText(WriteRecoveryFile(state.files, IndexFileText(index, '.'))); }},
      {"the full export", Path("full.csv"),
       [&] { return thrown([&] { SaveIndex(state, Path("full.csv"), false); }); }},
      {"the five-field export", exported,
       [&] { return thrown([&] { ExportIndexFields(index, exported, true); }); }},
  };
  for (const Case& c : cases) {
    WriteBytes(c.path, "as it was\r\n");
    std::string error;
    {
      const test::FileSizeLimit limit(16 * 1024);
      ASSERT_TRUE(limit.Set());
      error = c.save();
    }
    EXPECT_EQ(error, "Cannot write \"" + c.path + "\": File too large") << c.what;
    EXPECT_EQ(ReadBytes(c.path), "as it was\r\n") << c.what;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      EXPECT_EQ(entry.path().filename().string().find(".~"), std::string::npos) << entry.path();
  }
}

}  // namespace
}  // namespace trelio
