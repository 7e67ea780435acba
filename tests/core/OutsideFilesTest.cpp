// Each file the program reads from outside, when what lies there is not a
// file: refused at once, in words that say so, and nothing stored changes.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "app/core/index/InOutError.h"
#include "app/core/index/IndexCommands.h"
#include "app/core/settings/AppSettings.h"
#include "app/core/settings/DataFolder.h"
#include "app/core/text/ErrorText.h"
#include "app/platform/IniFile.h"
#include "tests/support/IndexFolderTest.h"
#include "tests/support/NotAFile.h"

namespace trelio {
namespace {

using test::kHeaderLine;
using test::LinkToEndlessDevice;
using test::PipeWithoutWriter;
using test::ReadBytes;
using test::WriteBytes;

class OutsideFilesTest : public test::IndexFolderTest {
 protected:
  // Puts a link to /dev/zero or a pipe at path, runs read, and gives what it
  // threw (empty when nothing).
  std::string Thrown(bool pipe, const std::string& path, const std::function<void()>& read) {
    std::unique_ptr<PipeWithoutWriter> fifo;
    if (pipe) {
      fifo = std::make_unique<PipeWithoutWriter>(path);
      EXPECT_TRUE(fifo->Made());
    } else {
      EXPECT_TRUE(LinkToEndlessDevice(path));
    }
    std::string what;
    try {
      read();
    } catch (const EInOutError& e) {
      what = e.what();
    }
    fifo.reset();
    std::filesystem::remove(path);
    return what;
  }
  static std::string Refusal(const std::string& path) {
    return "Cannot read \"" + path + "\": it is not a regular file";
  }
};

TEST_F(OutsideFilesTest, IndexFilesThatAreNotFilesAreRefused) {
  UpdatingOptions options;
  TemplateLists server, user;
  for (const bool pipe : {false, true}) {
    // As this program saves it, which an update saves again before it reads.
    WriteBytes(state.files.csv, kHeaderLine + "bitcoin;Kept;http://kept.example/\r\n");
    LoadIndex(state, state.files.csv);
    SaveIndex(state, state.files.csv, false);
    const std::string stored = ReadBytes(state.files.csv);
    const std::string chosen = Path("chosen.csv");
    struct Case {
      const char* what;
      std::string path;
      std::function<void()> read;
    };
    const Case cases[] = {
        {"index.csv", Path("other.csv"), [&] { LoadIndex(state, Path("other.csv")); }},
        {"Update Index from file...", chosen,
         [&] { UpdateIndexFromFile(state, chosen, options, server, user); }},
        {"the downloaded index.tmp2", state.files.tmp2,
         [&] { UpdateIndexFromDownload(state, state.files.tmp2, options, server, user); }},
    };
    for (const Case& c : cases) {
      EXPECT_EQ(Thrown(pipe, c.path, c.read), Refusal(c.path)) << c.what << (pipe ? " pipe" : "");
      EXPECT_EQ(index.RowCount(), 2) << c.what;
      EXPECT_EQ(index.Row(1)[fName], "Kept") << c.what;
      EXPECT_EQ(ReadBytes(state.files.csv), stored) << c.what;
    }
  }
}

TEST_F(OutsideFilesTest, ARecoveryFileThatIsNotAFileIsPassedOver) {
  const DataFiles files = DataFilesIn(folder);
  WriteBytes(files.index.csv, kHeaderLine);
  for (const bool pipe : {false, true}) {
    StartupIndex start;
    EXPECT_EQ(
        Thrown(pipe, files.index.recovery, [&] { start = ChooseStartupIndex(files, folder); }), "");
    EXPECT_EQ(start.loadPath, files.index.csv) << pipe;
  }
}

TEST_F(OutsideFilesTest, SettingsThatAreNotAFileReadAsDefaultsAndStay) {
  const std::string settings = DataFilesIn(folder).settings;
  for (const bool pipe : {false, true}) {
    Outcome saved;
    EXPECT_EQ(Thrown(pipe, settings,
                     [&] {
                       const IniFile ini = IniFile::Load(settings);
                       ASSERT_TRUE(ini.LoadError().file);
                       EXPECT_EQ(ini.LoadError().file->refusal, FileRefusal::kNotRegular);
                       EXPECT_EQ(ReadAppSettings(ini, {}).sortBy, 4);  // the default
                       saved = SaveAppSettings(settings, AppSettings());
                       EXPECT_TRUE(pipe ? std::filesystem::is_fifo(settings)
                                        : std::filesystem::is_symlink(settings));
                     }),
              "");
    EXPECT_EQ(ErrorText(saved), Refusal(settings) + "; the file was left as it is") << pipe;
  }
}

}  // namespace
}  // namespace trelio
