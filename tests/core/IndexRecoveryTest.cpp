#include "app/core/index/IndexRecovery.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "app/core/settings/DataFolder.h"
#include "tests/support/IndexFolderTest.h"

namespace trelio {
namespace {

using test::kHeaderLine;
using test::ReadBytes;
using test::WriteBytes;

class IndexRecoveryTest : public test::IndexFolderTest {
 protected:
  // Sets the file's modification time to `seconds` after an arbitrary start.
  static void Age(const std::string& path, long seconds, long nanoseconds = 0) {
    const timespec when[2] = {{1700000000 + seconds, nanoseconds},
                              {1700000000 + seconds, nanoseconds}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), when, 0), 0) << path;
  }
};

TEST_F(IndexRecoveryTest, OnlyAChangedIndexIsHandedOutAndOnce) {
  Add({"bitcoin", "One", "http://one.example/"});
  IndexRecovery recovery;
  recovery.Stored(IndexFileText(index, '.'));
  EXPECT_FALSE(recovery.ChangedText(state));

  index.Row(1)[fCompleted] = "1";
  const std::optional<std::string> changed = recovery.ChangedText(state);
  ASSERT_TRUE(changed);
  EXPECT_EQ(*changed, IndexFileText(index, '.'));
  EXPECT_FALSE(recovery.ChangedText(state));

  // Back to what is on disk is a change as well: the recovery file holds the
  // completed row by now.
  index.Row(1)[fCompleted] = "";
  EXPECT_TRUE(recovery.ChangedText(state));
}

// A start keeps the bytes it loaded as what is on disk, without writing the
// index out again. A file this program saved needs no copy; one that the load
// changed gets a copy once, and that copy loads to the same rows.
TEST_F(IndexRecoveryTest, TheLoadedBytesStandForTheIndexOnDisk) {
  // A row as this program writes it, with its place in the file.
  const auto line = [](const std::string& name, int position, const char* end = "\r\n") {
    return "bitcoin;" + name + ";http://" + name + ".example/;60;;;;1700000000;" +
           std::to_string(position) + ";;0.5;0.5;;;0.5;0.5;1;;" + end;
  };
  const std::string lfHeader = kHeaderLine.substr(0, kHeaderLine.size() - 2) + "\n";
  const struct {
    const char* what;
    std::string file;
    bool copied;
  } cases[] = {
      {"saved by this program", kHeaderLine + line("one", 1) + line("two", 2), false},
      {"lines ended by LF alone", lfHeader + line("one", 1, "\n"), true},
      // A removed row is not written; the rows after it keep their numbers
      // until the next load gives them their places.
      {"saved after a removal", kHeaderLine + line("one", 1) + line("three", 3), true},
  };
  for (const auto& c : cases) {
    WriteBytes(Path("index.csv"), c.file);
    std::string loaded;
    LoadIndex(state, Path("index.csv"), ';', &loaded);
    EXPECT_EQ(loaded, c.file) << c.what;
    IndexRecovery recovery;
    recovery.Stored(std::move(loaded));
    const std::optional<std::string> copy = recovery.ChangedText(state);
    EXPECT_EQ(copy.has_value(), c.copied) << c.what;
    EXPECT_FALSE(recovery.ChangedText(state)) << c.what;
    if (!copy) continue;
    EXPECT_EQ(*copy, IndexFileText(index, '.')) << c.what;
    WriteBytes(Path("copy.csv"), *copy);
    FaucetIndex again;
    TIntegerHash againKeys;
    IndexState reloaded{again, againKeys, {}, '.'};
    LoadIndex(reloaded, Path("copy.csv"));
    EXPECT_EQ(IndexFileText(again, '.'), *copy) << c.what;
  }
}

TEST_F(IndexRecoveryTest, WritingTheRecoveryFileMovesNoBackup) {
  const IndexFilePaths& f = state.files;
  WriteBytes(f.csv, "current\r\n");
  WriteBytes(f.bak, "previous\r\n");
  WriteBytes(f.bak2, "oldest\r\n");
  ASSERT_TRUE(WriteRecoveryFile(f, "kept\r\n").ok());
  ASSERT_TRUE(WriteRecoveryFile(f, "kept later\r\n").ok());
  EXPECT_EQ(ReadBytes(f.recovery), "kept later\r\n");
  EXPECT_EQ(ReadBytes(f.csv), "current\r\n");
  EXPECT_EQ(ReadBytes(f.bak), "previous\r\n");
  EXPECT_EQ(ReadBytes(f.bak2), "oldest\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 4);
  RemoveRecoveryFile(f);
  EXPECT_FALSE(std::filesystem::exists(f.recovery));
}

TEST_F(IndexRecoveryTest, AStartLoadsTheRecoveryFileOnlyWhenItIsNewer) {
  const DataFiles files = DataFilesIn(folder);
  const IndexFilePaths& f = files.index;
  const struct {
    bool csv, recovery;
    long csvAge, recoveryAge, recoveryNanoseconds;
    bool sameContent, fromRecovery;
  } cases[] = {
      {true, true, 10, 20, 0, false, true},   // a crash after the last save
      {true, true, 10, 10, 1, false, true},   // even by a nanosecond
      {true, true, 20, 10, 0, false, false},  // saved after it: a stale file
      {true, true, 10, 10, 0, false, false},  // no newer
      {true, true, 10, 20, 0, true, false},   // a copy of what was saved
      {false, true, 0, 10, 0, false, true},   // no index.csv at all
      {true, false, 10, 0, 0, false, false},  // a clean exit
  };
  for (const auto& c : cases) {
    std::filesystem::remove(f.csv);
    std::filesystem::remove(f.recovery);
    if (c.csv) {
      WriteBytes(f.csv, kHeaderLine);
      Age(f.csv, c.csvAge);
    }
    if (c.recovery) {
      WriteBytes(f.recovery, c.sameContent ? kHeaderLine : kHeaderLine + "bitcoin;Kept\r\n");
      Age(f.recovery, c.recoveryAge, c.recoveryNanoseconds);
    }
    const StartupIndex start = ChooseStartupIndex(files, Path("nowhere"));
    EXPECT_EQ(start.loadPath, c.fromRecovery ? f.recovery : f.csv)
        << c.csvAge << " " << c.recoveryAge;
    EXPECT_FALSE(start.saveToDataFolder);
  }
}

}  // namespace
}  // namespace trelio
