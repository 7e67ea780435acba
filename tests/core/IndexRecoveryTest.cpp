#include "app/core/index/IndexRecovery.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/core/claim/ClaimState.h"
#include "app/core/index/IndexLines.h"
#include "app/core/index/IndexMerge.h"
#include "app/core/items/ItemEdits.h"
#include "app/core/list/FaucetList.h"
#include "app/core/payout/PayoutStatistics.h"
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
  recovery.Stored(index, IndexFileText(index, '.'));
  EXPECT_FALSE(recovery.ChangedText(state));

  index.Row(1).Edit(fCompleted) = "1";
  const std::optional<std::string> changed = recovery.ChangedText(state);
  ASSERT_TRUE(changed);
  EXPECT_EQ(*changed, IndexFileText(index, '.'));
  EXPECT_FALSE(recovery.ChangedText(state));

  // Back to what is on disk is a change as well: the recovery file holds the
  // completed row by now.
  index.Row(1).Edit(fCompleted) = "";
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
    LoadedIndexFile loaded;
    LoadIndex(state, Path("index.csv"), ';', &loaded);
    EXPECT_EQ(loaded.bytes, c.file) << c.what;
    IndexRecovery recovery;
    recovery.Loaded(index, std::move(loaded));
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

// The recovery check writes the index out only when its change count moved,
// so every way of changing a row must move it, and looking must not.
TEST_F(IndexRecoveryTest, EveryEditIsHandedOutAndLookingIsNone) {
  Add({"bitcoin", "One", "http://one.example/", "5", "", "1", "", "1700000000", "1"});
  Add({"bitcoin", "Two", "http://two.example/?r=x", "5", "", "", "", "", "2"});
  urlRowMap.SetItem("http://one.example/", 1);
  urlRowMap.SetItem("http://two.example/", 2);
  WriteBytes(Path("other.csv"), kHeaderLine + "litecoin;Three;http://three.example/\r\n");
  WriteBytes(Path("merged.csv"), kHeaderLine + "bitcoin;Renamed;http://two.example/\r\n");
  TemplateLists server, user;
  const struct {
    const char* what;
    std::function<void()> edit;
  } edits[] = {
      {"completed", [&] { CompleteItem(index.Row(2), 1700000100, std::nullopt, ""); }},
      {"made incompleted", [&] { MakeIncompleted(index.Row(2)); }},
      {"a payout", [&] { RecordPayoutResult(index.Row(1), 0.5L, 0, false); }},
      {"expired", [&] { ExpireCompletedItems(index, "1440", 1800000000); }},
      {"hidden", [&] { index.Row(1).Edit(fHidden) = "1"; }},
      {"a new item",
       [&] {
         CheckedItem item;
         item.url = "http://new.example/";
         item.edits.name = "New";
         AppendNewItem(index, "bitcoin", item, false, 1700000200);
       }},
      {"a row assigned", [&] { index.Row(3) = index.Row(1); }},
      {"fields of a line", [&] { SplitIndexLine("dash;Four", ';', index.Row(3)); }},
      {"merged", [&] { MergeIndex(state, Path("merged.csv"), ';', {}, server, user); }},
      {"loaded", [&] { LoadIndex(state, Path("other.csv")); }},
      {"cleared", [&] { index.Clear(); }},
  };
  IndexRecovery recovery;
  recovery.Stored(index, IndexFileText(index, '.'));
  for (const auto& e : edits) {
    e.edit();
    const std::optional<std::string> changed = recovery.ChangedText(state);
    ASSERT_TRUE(changed) << e.what;
    EXPECT_EQ(*changed, IndexFileText(index, '.')) << e.what;

    // What a tick and a repaint do with nothing due reads the rows only.
    const uint64_t count = index.ChangeCount();
    ExpireCompletedItems(index, "1440", 1700000000);
    FaucetListRequest request;
    request.coinKey = "bitcoin";
    request.sort = {2, 1, 1};
    BuildFaucetList(index, request, NameCollator("en_US", 1252));
    for (int r = 1; r < index.RowCount(); ++r) ItemWaitText(index.Row(r), 1700000000);
    IndexFileText(index, '.');
    EXPECT_EQ(index.ChangeCount(), count) << e.what;
    EXPECT_FALSE(recovery.ChangedText(state)) << e.what;
  }
}

// A load tells whether a save would write back the very bytes it read; only
// then may the recovery check skip writing the index out after it.
TEST_F(IndexRecoveryTest, ALoadKnowsWhenASaveWritesTheFileBack) {
  const std::string row =
      "bitcoin;One;http://one.example/;60;;1;;1700000000;1;;0.5;0.5;;;0.5;0.5;1;;";
  const std::string row2 = "dash;Two;http://two.example/?r=1;5;;;;;2;1;;;;;;;0;1;1";
  const struct {
    const char* what;
    std::string file;
    bool writtenAsRead;
  } cases[] = {
      {"as this program saves", kHeaderLine + row + "\r\n" + row2 + "\r\n", true},
      {"the header alone", kHeaderLine, true},
      {"empty", "", false},
      {"no line end at the end", kHeaderLine + row, false},
      {"LF alone", kHeaderLine + row + "\n", false},
      {"CR alone", kHeaderLine + row + "\r", false},
      {"CR CR LF", kHeaderLine + row + "\r\r\n", false},
      {"another header", "Coin;Name\r\n" + row + "\r\n", false},
      {"an empty line", kHeaderLine + "\r\n", false},
      {"a field short", kHeaderLine + row.substr(0, row.size() - 1) + "\r\n", false},
      {"a field more", kHeaderLine + row + ";x\r\n", false},
      {"out of place", kHeaderLine + row2 + "\r\n", false},
      {"payouts not counted", kHeaderLine + "bitcoin;One;;;;;;;1;;;0.5;;;;;;;\r\n", false},
      {"quoted", kHeaderLine + "\"bitcoin\"" + row.substr(7) + "\r\n", false},
      {"quoted twice", kHeaderLine + "\"\"bitcoin\"\"" + row.substr(7) + "\r\n", false},
      {"removed", kHeaderLine + "bitcoin;One;;;;;-;;1;;;;;;;;0;;\r\n", false},
      {"cut by 0x1A", kHeaderLine + row + "\r\n\x1A" + "more", false},
      {"0x1A at the end", kHeaderLine + row + "\r\n\x1A", false},
  };
  for (const char separator : {'.', ','}) {
    state.systemDecimalSeparator = separator;
    for (const auto& c : cases) {
      WriteBytes(Path("index.csv"), c.file);
      LoadedIndexFile loaded;
      LoadIndex(state, Path("index.csv"), ';', &loaded);
      const bool same = IndexFileText(index, separator) == c.file;
      EXPECT_EQ(loaded.writtenAsRead, c.writtenAsRead) << c.what << " " << separator;
      // Never claimed when it is not so.
      if (loaded.writtenAsRead) {
        EXPECT_TRUE(same) << c.what;
      }
    }
  }
  // A payout written with the user's separator is changed by the load.
  state.systemDecimalSeparator = ',';
  WriteBytes(Path("index.csv"), kHeaderLine + "bitcoin;One;;;;;;;1;;0,5;;;;;;1;;\r\n");
  LoadedIndexFile loaded;
  LoadIndex(state, Path("index.csv"), ';', &loaded);
  EXPECT_FALSE(loaded.writtenAsRead);
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
