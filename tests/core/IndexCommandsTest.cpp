#include "app/core/index/IndexCommands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/core/index/InOutError.h"
#include "app/core/index/IndexExport.h"
#include "app/core/index/UrlKey.h"
#include "tests/support/IndexFolderTest.h"

namespace trelio {
namespace {

using test::kHeaderLine;
using test::ReadBytes;
using test::WriteBytes;

class IndexCommandsTest : public test::IndexFolderTest {
 protected:
  // An index.csv on disk, loaded, then changed in memory since.
  void StartWith(const std::string& lines) {
    WriteBytes(state.files.csv, kHeaderLine + lines);
    LoadIndex(state, state.files.csv);
    onDisk = ReadBytes(state.files.csv);
    Add({"bitcoin", "Added since", "http://since.example/"});
    urlRowMap.SetItem("http://since.example/", index.RowCount() - 1);
  }
  std::string HiddenOf(int r) const { return std::string(index.Row(r)[fHidden]); }
  bool Exists(const std::string& path) const { return std::filesystem::exists(path); }

  std::string onDisk;
  UpdatingOptions options;
  TemplateLists server;
  TemplateLists user;
};

TEST_F(IndexCommandsTest, CompactionDropsRemovedRowsAndRenumbers) {
  StartWith(
      "bitcoin;Gone;http://gone.example/;;;;-\r\n"
      "bitcoin;Stays;http://stays.example/\r\n");
  CompactIndex(state);
  ASSERT_EQ(index.RowCount(), 3);
  EXPECT_EQ(index.Row(1)[fName], "Stays");
  EXPECT_EQ(index.Row(1)[fPosition], "1");
  EXPECT_EQ(index.Row(2)[fPosition], "2");
  EXPECT_FALSE(urlRowMap.Exists("http://gone.example/"));
  EXPECT_EQ(urlRowMap.GetItem("http://since.example/"), 2);
  EXPECT_FALSE(Exists(state.files.tmp));
}

// The compaction works in memory; it must leave exactly what writing
// index.tmp and reading it back would.
TEST_F(IndexCommandsTest, CompactionLeavesWhatASaveAndALoadWould) {
  const std::vector<std::vector<std::string>> rows = {
      {"bitcoin", "Plain", "http://plain.example/?r=1"},
      {"bitcoin", "Removed", "http://removed.example/", "", "", "", "-"},
      {"dash", "Semi;colon\r\nname", "http://semi.example/a;b", "5\x1A"},
      {"dash", "\"Quoted\"", "\"http://quoted.example/\"", "\"\""},
      {"ltc", "Hidden soon", "http://hidden.example/", "", "", "", "-\n"},
      {"ltc", "Commas", "http://commas.example/ref/x", "", "", "", "", "", "", "", "1,5", "0,25",
       "", "", "2,5", "3,0", "", ""},
      {"ltc", "Counted", "http://plain.example/", "", "", "", "", "", "", "", "1,5", "1,5", "", "",
       "1,5", "1,5", "7"},
      {"doge", "No key", ""},
      {"doge", "Long", std::string(300, 'x'), "", "", "", "", "", "", "1"},
  };
  for (const char separator : {'.', ','}) {
    SCOPED_TRACE(separator);
    state.systemDecimalSeparator = separator;
    FaucetIndex expected;
    TIntegerHash expectedKeys;
    IndexState reference{expected, expectedKeys, state.files, separator};
    index.Clear();
    urlRowMap.Clear();
    urlRowMap.SetItem("http://stale.example/", 1);
    for (const auto& fields : rows) {
      FaucetItem& item = Add({});
      {
        FaucetItem::FieldFiller filler(item);
        for (const auto& text : fields) filler.Append(text);
      }
      FaucetItem& copy = expected.Append();
      copy = item;
    }
    SaveIndex(reference, Path("reference.csv"), false);
    LoadIndex(reference, Path("reference.csv"));

    const uint64_t before = index.ChangeCount();
    CompactIndex(state);
    EXPECT_NE(index.ChangeCount(), before);
    ASSERT_EQ(index.RowCount(), expected.RowCount());
    for (int r = 0; r < index.RowCount(); ++r)
      EXPECT_EQ(index.Row(r).Fields(), expected.Row(r).Fields()) << "row " << r;
    EXPECT_EQ(urlRowMap.ValueCount(), expectedKeys.ValueCount());
    EXPECT_FALSE(urlRowMap.Exists("http://stale.example/"));
    for (int r = 1; r < expected.RowCount(); ++r) {
      const std::string key(expected.Row(r)[fUrl].substr(0, expected.Row(r)[fUrl].find('?')));
      if (key.empty() || !expectedKeys.Exists(key)) continue;
      ASSERT_TRUE(urlRowMap.Exists(key)) << key;
      EXPECT_EQ(urlRowMap.GetItem(key), expectedKeys.GetItem(key)) << key;
    }
    EXPECT_EQ(IndexFileText(index, separator), IndexFileText(expected, separator));
    EXPECT_EQ(index.RowsOfCoin("ltc"), expected.RowsOfCoin("ltc"));
  }
}

TEST_F(IndexCommandsTest, AnUpdateWithoutADownloadChangesNothing) {
  StartWith("bitcoin;One;http://one.example/\r\n");
  EXPECT_EQ(UpdateIndexFromDownload(state, state.files.tmp2, options, server, user),
            IndexUpdate::missing);
  EXPECT_EQ(UpdateIndexFromFile(state, Path("vanished.csv"), options, server, user),
            IndexUpdate::missing);
  EXPECT_EQ(index.RowCount(), 3);
  EXPECT_EQ(ReadBytes(state.files.csv), onDisk);
  EXPECT_FALSE(Exists(state.files.bak));
}

TEST_F(IndexCommandsTest, AnUpdateRotatesTheBackupsAroundTheMerge) {
  StartWith("bitcoin;One;http://one.example/;;;;-\r\n");
  WriteBytes(state.files.tmp2, kHeaderLine + "dash;Server;http://server.example/\r\n");
  const std::string beforeMerge = IndexFileText(index, '.');

  ASSERT_EQ(UpdateIndexFromDownload(state, state.files.tmp2, options, server, user),
            IndexUpdate::merged);
  EXPECT_EQ(ReadBytes(state.files.bak2), onDisk);
  EXPECT_EQ(ReadBytes(state.files.bak), beforeMerge);
  EXPECT_EQ(ReadBytes(state.files.csv), IndexFileText(index, '.'));
  EXPECT_FALSE(Exists(state.files.tmp2));
  EXPECT_FALSE(Exists(state.files.tmp));
  ASSERT_EQ(index.RowCount(), 3);  // the removed row went with the compaction
  EXPECT_EQ(index.Row(1)[fName], "Added since");
  EXPECT_EQ(index.Row(2)[fName], "Server");
}

// Whoever runs between the steps meets rows and URL keys that agree: none
// dropped by the compaction is still named, none appended is yet unnamed.
TEST_F(IndexCommandsTest, EveryPauseOfAnUpdateSeesAWholeIndex) {
  StartWith("bitcoin;One;http://one.example/;;;;-\r\nbitcoin;Two;http://two.example/\r\n");
  WriteBytes(state.files.tmp2, kHeaderLine + "dash;Server;http://server.example/\r\n");
  std::vector<int> rowCounts;
  const std::string keys[] = {"http://one.example/", "http://two.example/", "http://since.example/",
                              "http://server.example/"};
  const auto check = [&] {
    rowCounts.push_back(index.RowCount());
    for (const std::string& key : keys) {
      const std::optional<int32_t> r = urlRowMap.Find(key);
      if (!r) continue;
      ASSERT_LT(*r, index.RowCount()) << key;
      EXPECT_EQ(StripReferral(index.Row(*r)[fUrl]), key);
    }
    for (int r = 1; r < index.RowCount(); ++r) {
      if (index.Row(r)[fHidden] != "-") {
        EXPECT_EQ(urlRowMap.Find(StripReferral(index.Row(r)[fUrl])), r);
      }
    }
  };
  ASSERT_EQ(UpdateIndexFromDownload(state, state.files.tmp2, options, server, user, check),
            IndexUpdate::merged);
  // read, saved, compacted, merged, saved
  EXPECT_EQ(rowCounts, (std::vector<int>{4, 4, 3, 4, 4}));

  rowCounts.clear();
  EXPECT_EQ(UpdateIndexFromDownload(state, state.files.tmp2, options, server, user, check),
            IndexUpdate::missing);
  WriteBytes(state.files.tmp2, "<html></html>");
  EXPECT_EQ(UpdateIndexFromDownload(state, state.files.tmp2, options, server, user, check),
            IndexUpdate::refused);
  EXPECT_TRUE(rowCounts.empty());
}

TEST_F(IndexCommandsTest, AnUpdateFromAFileLeavesThatFileAlone) {
  StartWith("bitcoin;One;http://one.example/\r\n");
  const std::string chosen = Path("chosen.csv");
  WriteBytes(chosen, kHeaderLine + "bitcoin;Renamed;http://one.example/\r\n");
  const std::string chosenBytes = ReadBytes(chosen);
  ASSERT_EQ(UpdateIndexFromFile(state, chosen, options, server, user), IndexUpdate::merged);
  EXPECT_EQ(ReadBytes(chosen), chosenBytes);
  EXPECT_EQ(index.Row(1)[fName], "Renamed");
  EXPECT_EQ(ReadBytes(state.files.bak2), onDisk);
}

// The file is read before anything is saved: a file that cannot be read
// stops the update with the index and its files as they were.
TEST_F(IndexCommandsTest, AFileThatCannotBeReadStopsTheUpdateBeforeAnythingIsWritten) {
  StartWith("bitcoin;One;http://one.example/\r\n");
  options.clearing = 1;
  const std::string inMemory = IndexFileText(index, '.');
  EXPECT_THROW(UpdateIndexFromFile(state, "/proc/self/mem", options, server, user), EInOutError);
  EXPECT_EQ(IndexFileText(index, '.'), inMemory);
  EXPECT_EQ(HiddenOf(1) + HiddenOf(2), "");
  EXPECT_EQ(ReadBytes(state.files.csv), onDisk);
  EXPECT_FALSE(Exists(state.files.bak));
}

// With "Clearing before updating" on, a body without the index's header would
// remove every unlocked faucet, and its lines would become rows.
TEST_F(IndexCommandsTest, AFileThatIsNotAnIndexIsRefusedBeforeAnythingIsWritten) {
  std::string binary(5 << 20, '\0');
  uint32_t x = 12345;
  for (char& c : binary) c = char((x = x * 1103515245 + 12345) >> 24);
  const std::string bodies[] = {"", "{\"status\":\"maintenance\"}", binary,
                                "<html><body>Sign in; please</body></html>"};
  StartWith("bitcoin;One;http://one.example/\r\n");
  options.clearing = 1;
  const std::string inMemory = IndexFileText(index, '.');
  const std::string chosen = Path("chosen.csv");
  for (const std::string& body : bodies) {
    SCOPED_TRACE(body.substr(0, 30));
    WriteBytes(chosen, body);
    EXPECT_EQ(UpdateIndexFromFile(state, chosen, options, server, user), IndexUpdate::refused);
    EXPECT_TRUE(ReadBytes(chosen) == body);
    WriteBytes(state.files.tmp2, body);
    EXPECT_EQ(UpdateIndexFromDownload(state, state.files.tmp2, options, server, user),
              IndexUpdate::refused);
    EXPECT_FALSE(Exists(state.files.tmp2));
    EXPECT_EQ(IndexFileText(index, '.'), inMemory);
    EXPECT_EQ(ReadBytes(state.files.csv), onDisk);
    EXPECT_FALSE(Exists(state.files.bak));
  }
}

TEST_F(IndexCommandsTest, ClearingEmptiesTheIndexAndStillRotatesTheBackups) {
  StartWith("bitcoin;One;http://one.example/\r\n");
  ClearIndex(state);
  EXPECT_EQ(index.RowCount(), 1);
  EXPECT_FALSE(urlRowMap.Exists("http://one.example/"));
  EXPECT_EQ(ReadBytes(state.files.csv), kHeaderLine);
  EXPECT_EQ(ReadBytes(state.files.bak), onDisk);
  ClearIndex(state);
  EXPECT_EQ(ReadBytes(state.files.bak2), onDisk);
  EXPECT_EQ(ReadBytes(state.files.bak), kHeaderLine);
}

// Without a data folder there is no index.csv to keep the result in: the
// commands leave the rows and every file alone instead of saving to nowhere.
TEST_F(IndexCommandsTest, WithoutADataFolderTheCommandsChangeNothing) {
  StartWith("bitcoin;One;http://one.example/\r\n");
  const std::string chosen = Path("chosen.csv");
  WriteBytes(chosen, kHeaderLine + "bitcoin;Renamed;http://one.example/\r\n");
  WriteBytes(state.files.tmp2, kHeaderLine + "bitcoin;Renamed;http://one.example/\r\n");
  const std::string downloaded = state.files.tmp2;
  const std::string inMemory = IndexFileText(index, '.');
  state.files = IndexFilePaths();
  EXPECT_FALSE(IndexHasDataFolder(state));
  EXPECT_EQ(UpdateIndexFromFile(state, chosen, options, server, user), IndexUpdate::noDataFolder);
  EXPECT_EQ(UpdateIndexFromDownload(state, downloaded, options, server, user),
            IndexUpdate::noDataFolder);
  EXPECT_FALSE(ClearIndex(state));
  EXPECT_EQ(IndexFileText(index, '.'), inMemory);
  EXPECT_TRUE(urlRowMap.Exists("http://one.example/"));
  EXPECT_TRUE(Exists(downloaded));
  EXPECT_EQ(ReadBytes(Path("index.csv")), onDisk);
}

TEST_F(IndexCommandsTest, ADownloadLeftUnmergedIsDropped) {
  WriteBytes(state.files.tmp2, kHeaderLine + "bitcoin;One;http://one.example/\r\n");
  DropUnmergedDownload(state);
  EXPECT_FALSE(Exists(state.files.tmp2));
  DropUnmergedDownload(state);  // none left: nothing to do
  state.files = IndexFilePaths();
  DropUnmergedDownload(state);  // no data folder: nothing to do
}

TEST_F(IndexCommandsTest, FirstShowFallsBackToTheExportInTheWorkingFolder) {
  const std::string fallback = Path(kIndexExportFileName);
  WriteBytes(fallback,
             "Currency;Name;Url;Interval;Input\r\n"
             "bitcoin;Exported;http://e.example/;5;1\r\n");
  int updates = 0;
  EXPECT_TRUE(FirstShowIndex(
      state, [&] { ++updates; }, fallback));
  EXPECT_EQ(updates, 1);
  ASSERT_EQ(index.RowCount(), 2);
  EXPECT_EQ(index.Row(1)[fPayoutsCount], "0");
  EXPECT_EQ(urlRowMap.GetItem("http://e.example/"), 1);
  EXPECT_EQ(ReadBytes(state.files.csv), IndexFileText(index, '.'));

  // With an index.csv, neither the update nor the fallback runs.
  EXPECT_FALSE(FirstShowIndex(
      state, [&] { ++updates; }, fallback));
  EXPECT_EQ(updates, 1);
}

TEST_F(IndexCommandsTest, FirstShowUsesTheDownloadWhenItArrives) {
  const std::string fallback = Path(kIndexExportFileName);
  WriteBytes(fallback, kHeaderLine + "bitcoin;Exported;http://e.example/\r\n");
  const auto update = [&] { WriteBytes(state.files.csv, kHeaderLine); };
  EXPECT_FALSE(FirstShowIndex(state, update, fallback));
  EXPECT_EQ(index.RowCount(), 1);
  EXPECT_FALSE(FirstShowIndex(
      state, [] {}, Path("none.csv")));
}

// Rows recovered after a crash stand in for the missing index.csv.
TEST_F(IndexCommandsTest, FirstShowLeavesRowsWithoutIndexFileAlone) {
  const std::string fallback = Path(kIndexExportFileName);
  WriteBytes(fallback, kHeaderLine + "bitcoin;Exported;http://e.example/\r\n");
  Add({"bitcoin", "Recovered", "http://r.example/"});
  int updates = 0;
  EXPECT_FALSE(FirstShowIndex(
      state, [&] { ++updates; }, fallback));
  EXPECT_EQ(updates, 0);
  ASSERT_EQ(index.RowCount(), 2);
  EXPECT_EQ(index.Row(1)[fName], "Recovered");
}

TEST_F(IndexCommandsTest, TheFiveFieldExportListsShownRowsOrAllButRemoved) {
  Add({"bitcoin", "Shown", "http://s.example/?a=1;b", "5", "1", "1", "", "17", "1"});
  Add({"dash", "Hidden", "http://h.example/", "6", "", "", "1"});
  Add({"tron", "Removed", "http://r.example/", "7", "", "", "-"});
  Add({"tron", "Merging", "http://m.example/", "8", "", "", "-1"});
  const std::string header = "Currency;Name;Url;Interval;Input\r\n";
  const std::string shown = "bitcoin;Shown;http://s.example/?a=1%3Bb;5;1\r\n";
  const struct {
    bool showHidden;
    std::string bytes;
  } cases[] = {
      {false, header + shown},
      {true, header + shown +
                 "dash;Hidden;http://h.example/;6;\r\ntron;Merging;http://m.example/;8;\r\n"},
  };
  for (const auto& c : cases) {
    ExportIndexFields(index, Path("export.csv"), c.showHidden);
    EXPECT_EQ(ReadBytes(Path("export.csv")), c.bytes) << c.showHidden;
  }
  EXPECT_THROW(ExportIndexFields(index, Path("no/folder/export.csv"), false), EInOutError);
}

}  // namespace
}  // namespace trelio
