#include "app/core/settings/DataFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/core/text/Messages.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

TEST(DataFolderTest, PortableMarkerRule) {
  struct Case {
    std::string bytes;
    bool portable;
  };
  const Case cases[] = {
      {"1", true},
      {"1\r\n", true},
      {"1\n", true},
      {"1\r", true},
      {"1\r\n\r\n\n", true},
      {"\r\n1", true},
      {"\n\n1\n\n", true},
      {" 1", false},
      {"1 ", false},
      {"0", false},
      {"", false},
      {"11", false},
      {"1\n1", false},
      {"\xEF\xBB\xBF"
       "1",
       false},
      {std::string("1\0", 2), false},
      {"1" + std::string(100000, '\n') + "x", false},
  };
  ScratchFolder dir;
  const std::string program = dir / "program";
  fs::create_directory(program);
  for (const Case& c : cases) {
    WriteBytes(program + "/portable", c.bytes);
    const DataFolderChoice choice = ChooseDataFolder(program, dir / "share");
    EXPECT_EQ(choice.error, "") << c.bytes;
    EXPECT_EQ(choice.portable, c.portable) << c.bytes;
  }
}

TEST(DataFolderTest, ChoosesTheProgramFolderOnlyWhenPortable) {
  ScratchFolder dir;
  const std::string program = dir / "program";
  const std::string appData = dir / "home/.local/share";  // missing on a new account
  fs::create_directory(program);

  DataFolderChoice choice = ChooseDataFolder(program + "/", appData);
  EXPECT_TRUE(choice.ok());
  EXPECT_FALSE(choice.portable);
  EXPECT_EQ(choice.folder, appData + "/Korvane Trelio");
  EXPECT_TRUE(fs::is_directory(choice.folder));

  for (const char* notPortable : {" 1", "1 ", "0", ""}) {
    WriteBytes(program + "/portable", notPortable);
    EXPECT_FALSE(ChooseDataFolder(program, appData).portable) << notPortable;
  }
  WriteBytes(program + "/portable", "\n1\n");
  choice = ChooseDataFolder(program + "/", appData);
  EXPECT_TRUE(choice.ok());
  EXPECT_TRUE(choice.portable);
  EXPECT_EQ(choice.folder, program);

  fs::remove(program + "/portable");
  fs::create_directory(program + "/portable");  // a folder is no marker
  EXPECT_FALSE(ChooseDataFolder(program, appData).portable);
}

TEST(DataFolderTest, UnusableDataFolderIsAnError) {
  ScratchFolder dir;
  DataFolderChoice choice = ChooseDataFolder(dir.path(), "");
  EXPECT_NE(choice.error, "");
  EXPECT_EQ(choice.folder, "");

  WriteBytes(dir / "Korvane Trelio", "a file where the folder should be");
  choice = ChooseDataFolder(dir / "program", dir.path());
  EXPECT_NE(choice.error, "");
  EXPECT_EQ(choice.folder, "");
  EXPECT_EQ(ReadBytes(dir / "Korvane Trelio"), "a file where the folder should be");
}

// The reasons are message texts of the active language, as UTF-8 with the
// path and the system's words.
TEST(DataFolderTest, ReasonsAreInTheActiveLanguage) {
  SetMessageLookup([](uint16_t id) -> EncodedText {
    if (id == msgDataFolderUnknown) return {"\xCD\xE5\xF2", 1251};       // "Нет"
    if (id == msgCannotCreateDataFolder) return {"\xC1\xE5\xE7", 1251};  // "Без"
    return {"?", 1251};
  });
  ScratchFolder dir;
  const DataFolderChoice unknown = ChooseDataFolder(dir.path(), "");
  WriteBytes(dir / "Korvane Trelio", "a file where the folder should be");
  const DataFolderChoice blocked = ChooseDataFolder(dir / "program", dir.path());
  SetMessageLookup({});
  EXPECT_EQ(unknown.error, "Нет");
  EXPECT_EQ(blocked.error.rfind("Без \"" + (dir / "Korvane Trelio") + "\": ", 0), 0u)
      << blocked.error;
  EXPECT_GT(blocked.error.size(), ("Без \"" + (dir / "Korvane Trelio") + "\": ").size());
}

TEST(DataFolderTest, FilePaths) {
  const DataFiles f = DataFilesIn("/data/Korvane Trelio/");
  EXPECT_EQ(f.folder, "/data/Korvane Trelio");
  EXPECT_EQ(f.index.csv, "/data/Korvane Trelio/index.csv");
  EXPECT_EQ(f.index.bak, "/data/Korvane Trelio/index.bak");
  EXPECT_EQ(f.index.bak2, "/data/Korvane Trelio/index.bak2");
  EXPECT_EQ(f.index.tmp, "/data/Korvane Trelio/index.tmp");
  EXPECT_EQ(f.index.tmp2, "/data/Korvane Trelio/index.tmp2");
  EXPECT_EQ(f.index.recovery, "/data/Korvane Trelio/index.recovery");
  EXPECT_EQ(f.settings, "/data/Korvane Trelio/settings.ini");
}

// A save that was killed part-way leaves its temporary file; every file of
// the data folder is written that way.
TEST(DataFolderTest, TemporaryFilesOfInterruptedSavesAreRemoved) {
  ScratchFolder dir;
  const DataFiles f = DataFilesIn(dir.path());
  const pid_t gone = test::EndedProcess();
  std::vector<std::string> leftovers;
  for (const std::string* file : {&f.index.csv, &f.index.bak, &f.index.bak2, &f.index.tmp,
                                  &f.index.tmp2, &f.index.recovery, &f.settings}) {
    const std::string name = fs::path(*file).filename();
    leftovers.push_back(dir / ("." + name + ".~" + std::to_string(gone) + "-0"));
    WriteBytes(leftovers.back(), "part");
    WriteBytes(*file, "whole");
  }
  RemoveInterruptedSaves(f);
  for (const std::string& leftover : leftovers) EXPECT_FALSE(fs::exists(leftover)) << leftover;
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 7);
}

TEST(DataFolderTest, FirstRunCopiesTheSettingsBesideTheProgramOnce) {
  ScratchFolder dir;
  const std::string program = dir / "program";
  fs::create_directory(program);
  WriteBytes(program + "/settings.ini", "[Interface]\nLanguage=ru\n");
  const DataFolderChoice data = ChooseDataFolder(program, dir / "appdata");
  ASSERT_TRUE(data.ok());

  FirstRunCopy copy = CopyFirstRunSettings(data, program);
  EXPECT_TRUE(copy.ok());
  EXPECT_TRUE(copy.copied);
  EXPECT_EQ(ReadBytes(data.folder + "/settings.ini"), "[Interface]\nLanguage=ru\n");

  // Later starts keep the data folder's copy, whatever lies beside the program.
  WriteBytes(program + "/settings.ini", "[Interface]\nLanguage=en\n");
  copy = CopyFirstRunSettings(data, program);
  EXPECT_TRUE(copy.ok());
  EXPECT_FALSE(copy.copied);
  EXPECT_EQ(ReadBytes(data.folder + "/settings.ini"), "[Interface]\nLanguage=ru\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(data.folder), {}), 1);

  WriteBytes(program + "/portable", "1");
  const DataFolderChoice portable = ChooseDataFolder(program, dir / "appdata");
  ASSERT_TRUE(portable.portable);
  EXPECT_FALSE(CopyFirstRunSettings(portable, program).copied);

  const DataFolderChoice other = ChooseDataFolder(dir / "elsewhere", dir / "appdata2");
  copy = CopyFirstRunSettings(other, dir / "elsewhere");
  EXPECT_TRUE(copy.ok());
  EXPECT_FALSE(copy.copied);
  EXPECT_FALSE(fs::exists(other.folder + "/settings.ini"));
}

TEST(DataFolderTest, StartupIndexNeverPassesOverAStoredIndex) {
  ScratchFolder dir;
  const std::string work = dir / "work";
  fs::create_directories(dir / "data");
  fs::create_directories(work);
  const DataFiles files = DataFilesIn(dir / "data");

  StartupIndex start = ChooseStartupIndex(files, work);
  EXPECT_EQ(start.loadPath, "");
  EXPECT_FALSE(start.saveToDataFolder);

  WriteBytes(work + "/index.csv", "from the working folder");
  start = ChooseStartupIndex(files, work);
  EXPECT_EQ(start.loadPath, work + "/index.csv");
  EXPECT_TRUE(start.saveToDataFolder);

  WriteBytes(files.index.csv, "stored");
  start = ChooseStartupIndex(files, work);
  EXPECT_EQ(start.loadPath, files.index.csv);
  EXPECT_FALSE(start.saveToDataFolder);

  // Something at the stored index's path that is not a readable file is still
  // the stored index: loading it gives an error, it is not replaced.
  fs::remove(files.index.csv);
  fs::create_directory(files.index.csv);
  EXPECT_EQ(ChooseStartupIndex(files, work).loadPath, files.index.csv);
  fs::remove(files.index.csv);
  fs::create_symlink("nowhere", files.index.csv);
  EXPECT_EQ(ChooseStartupIndex(files, work).loadPath, files.index.csv);
}

}  // namespace
}  // namespace trelio
