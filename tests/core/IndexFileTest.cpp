#include "app/core/index/IndexFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>

#include "app/core/index/InOutError.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/IndexFolderTest.h"

namespace trelio {
namespace {

using test::kHeaderLine;
using test::ReadBytes;
using test::WriteBytes;

class IndexFileTest : public test::IndexFolderTest {
 protected:
  void Load(const std::string& bytes) {
    WriteBytes(Path("in.csv"), bytes);
    LoadIndex(state, Path("in.csv"));
  }
  std::string SaveText() {
    SaveIndex(state, Path("out.csv"), false);
    return ReadBytes(Path("out.csv"));
  }
};

TEST_F(IndexFileTest, EmptyFilesLoadAsAnEmptyIndexAndItSavesAsTheHeader) {
  for (const std::string& bytes : {std::string(), kHeaderLine, std::string("other header")}) {
    Add({"bitcoin", "stale", "http://stale.example/"});
    urlRowMap.SetItem("http://stale.example/", 1);
    Load(bytes);
    EXPECT_EQ(index.RowCount(), 1);
    EXPECT_FALSE(urlRowMap.Exists("http://stale.example/"));
    EXPECT_EQ(index.Row(0)[fFavorite], "Favorite");
    EXPECT_EQ(SaveText(), kHeaderLine);
  }
}

TEST_F(IndexFileTest, RoundTripsAFileByteForByte) {
  const std::string original = ReadBytes(KT_TEST_DATA "/index/roundtrip.csv");
  ASSERT_FALSE(original.empty());
  Load(original);
  EXPECT_EQ(index.RowCount(), 6);
  EXPECT_EQ(index.Row(3)[fName], "\"Quoted\"");
  EXPECT_EQ(index.Row(4)[fInput], "\"\"");
  EXPECT_EQ(SaveText(), original);
}

TEST_F(IndexFileTest, LoadsShortAndOddLinesPositionally) {
  Load(kHeaderLine +
       "bitcoin;Faucet\r\n"
       "\r\n"
       "dash;\"Q;uoted\";http://q.example/\r\n"
       "litecoin;L;http://l.example/;5;1;;;;99;;7;;;;;;2;;1;extra;fields\r\n");
  ASSERT_EQ(index.RowCount(), 5);
  const FaucetItem& two = index.Row(1);
  EXPECT_EQ(two[fCurrency], "bitcoin");
  EXPECT_EQ(two[fName], "Faucet");
  EXPECT_EQ(two[fUrl], "");
  EXPECT_EQ(two[fPosition], "1");
  EXPECT_EQ(two[fPayoutsCount], "0");
  for (const FaucetField f : {fInterval, fInput, fHidden, fTotalPayout, fNoPay, fFavorite})
    EXPECT_EQ(two[f], "") << f;

  const FaucetItem& empty = index.Row(2);
  EXPECT_EQ(empty[fPosition], "2");
  EXPECT_EQ(empty[fPayoutsCount], "0");
  EXPECT_EQ(empty[fCurrency], "");

  EXPECT_EQ(index.Row(3)[fName], "\"Q");
  EXPECT_EQ(index.Row(3)[fUrl], "uoted\"");
  EXPECT_EQ(index.Row(4)[fPosition], "4");  // rewritten, not read
  EXPECT_EQ(index.Row(4)[fTotalPayout], "7");
  EXPECT_EQ(index.Row(4)[fFavorite], "1");

  EXPECT_EQ(urlRowMap.GetItem("uoted\""), 3);
  EXPECT_EQ(urlRowMap.GetItem("http://l.example/"), 4);
}

TEST_F(IndexFileTest, MigratesRowsWithoutPayoutsCount) {
  const struct {
    const char* payouts;  // Total;Last;Last2;Last3;Moving;Average;Count
    const char* loaded;
  } cases[] = {
      {"9;0.5;;;;;", "0.5;0.5;;;0.5;0.5;1"},
      {"9;;;;3;4;", ";;;;3;4;0"},
      {"9;0.5;;;3;4;2", "9;0.5;;;3;4;2"},
      {"9;0.5;;;3;4;0", "9;0.5;;;3;4;0"},
  };
  for (const auto& c : cases) {
    Load(kHeaderLine + "bitcoin;N;http://a.example/;5;;;;;1;;" + c.payouts + ";;\r\n");
    const FaucetItem& item = index.Row(1);
    std::string got;
    for (int f = fTotalPayout; f <= fPayoutsCount; ++f)
      got += (f > fTotalPayout ? ";" : "") + std::string(item.Fields()[f]);
    EXPECT_EQ(got, c.loaded) << c.payouts;
  }
}

TEST_F(IndexFileTest, PayoutFieldsTakeThePointForTheSystemSeparator) {
  state.systemDecimalSeparator = ',';
  Load(kHeaderLine + "bitcoin;A,B;http://a.example/,x;5,5;;;;;1;;1,5;0,5;0,25;;0,375;0,5;3;;\r\n");
  const FaucetItem& item = index.Row(1);
  EXPECT_EQ(item[fTotalPayout], "1.5");
  EXPECT_EQ(item[fLastPayout2], "0.25");
  EXPECT_EQ(item[fName], "A,B");
  EXPECT_EQ(item[fUrl], "http://a.example/,x");
  EXPECT_EQ(item[fInterval], "5,5");

  index.Row(1).Edit(fAveragePayout) = "1,25";
  index.Row(1).Edit(fNoPay) = "1,2";
  EXPECT_EQ(SaveText(), kHeaderLine +
                            "bitcoin;A,B;http://a.example/,x;5,5;;;;;1;;1.5;0.5;0.25;;0.375;1.25;"
                            "3;1,2;\r\n");
}

TEST_F(IndexFileTest, TheLaterOfTwoRowsWithOneKeyIsMapped) {
  Load(kHeaderLine +
       "bitcoin;First;http://a.example/?r=1\r\n"
       "bitcoin;Second;http://a.example/?r=2\r\n"
       "bitcoin;Empty;?r=3\r\n");
  EXPECT_EQ(index.RowCount(), 4);
  EXPECT_EQ(urlRowMap.GetItem("http://a.example/"), 2);
  EXPECT_EQ(urlRowMap.ValueCount(), 1);
}

TEST_F(IndexFileTest, RemovedRowsAreLeftOutOfTheFile) {
  Add({"bitcoin", "Removed", "http://r.example/", "", "", "", "-"});
  Add({"bitcoin", "Merging", "http://m.example/", "", "", "", "-1"});
  Add({"bitcoin", "Hidden", "http://h.example/", "", "", "", "1"});
  Add({"bitcoin", "Odd", "http://o.example/", "", "", "", "--"});
  const std::string text = SaveText();
  EXPECT_EQ(text.find("Removed"), std::string::npos);
  EXPECT_EQ(text, kHeaderLine + "bitcoin;Merging;http://m.example/;;;;-1;;;;;;;;;;;;\r\n" +
                      "bitcoin;Hidden;http://h.example/;;;;1;;;;;;;;;;;;\r\n" +
                      "bitcoin;Odd;http://o.example/;;;;--;;;;;;;;;;;;\r\n");
}

TEST_F(IndexFileTest, FieldsWithSeparatorsOrLineBreaksStillWriteOneLinePerRow) {
  Add({"bitcoin", "Na;me\r\n", "http://a.example/?a=1;b=2\n", "5;", "fi\reld;", "", "", "", "", "",
       "0;5"});
  Add({"dash", "\"Quoted\"", "http://b.example/"});
  const std::string text = SaveText();
  EXPECT_EQ(text, kHeaderLine +
                      "bitcoin;Name;http://a.example/?a=1%3Bb=2;5;field;;;;;;05;;;;;;;;\r\n"
                      "dash;\"\"Quoted\"\";http://b.example/;;;;;;;;;;;;;;;;\r\n");
  LoadIndex(state, Path("out.csv"));
  ASSERT_EQ(index.RowCount(), 3);
  EXPECT_EQ(index.Row(1)[fUrl], "http://a.example/?a=1%3Bb=2");
  EXPECT_EQ(index.Row(1)[fInput], "field");
  EXPECT_EQ(index.Row(2)[fName], "\"Quoted\"");
  EXPECT_EQ(index.Row(2)[fCurrency], "dash");
}

TEST_F(IndexFileTest, AnyBytesLoadWithoutACrash) {
  std::mt19937 random(7);
  std::string garbage(200000, '\0');
  for (char& c : garbage) c = static_cast<char>(random());
  std::string longLine = kHeaderLine + "bitcoin;" + std::string(10 << 20, 'x') + "\r\n";
  std::string separators = kHeaderLine + std::string(1 << 20, ';') + "\r\n";
  std::string quotes = kHeaderLine + "\";\"\";\"\"\";\"\"\"\";\"a\"b\";\"\r\n\"\r\n";
  for (const std::string* bytes : {&garbage, &longLine, &separators, &quotes}) {
    Load(*bytes);
    EXPECT_GE(index.RowCount(), 1);
    for (int r = 1; r < index.RowCount(); ++r)
      EXPECT_EQ(index.Row(r)[fPosition], std::to_string(r));
    // Whatever was read saves as a file that reads back as the same rows.
    SaveText();
    const int rows = index.RowCount();
    LoadIndex(state, Path("out.csv"));
    EXPECT_EQ(index.RowCount(), rows);
  }
  Load(longLine);
  EXPECT_EQ(index.Row(1)[fName].size(), size_t(10 << 20));
}

TEST_F(IndexFileTest, AFailedLoadKeepsTheIndexAndTheFileIntact) {
  Add({"bitcoin", "Kept", "http://kept.example/"});
  urlRowMap.SetItem("http://kept.example/", 1);
  SaveIndex(state, state.files.csv, false);
  const std::string stored = ReadBytes(state.files.csv);

  std::filesystem::create_directory(Path("folder.csv"));  // opens, then fails to read
  for (const std::string& bad : {Path("missing.csv"), Path("folder.csv")}) {
    try {
      LoadIndex(state, bad);
      ADD_FAILURE() << "no error for " << bad;
    } catch (const EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find("\"" + bad + "\""), std::string::npos) << e.what();
      EXPECT_EQ(e.Path(), bad);
    }
    ASSERT_EQ(index.RowCount(), 2);
    EXPECT_EQ(index.Row(1)[fName], "Kept");
    EXPECT_EQ(urlRowMap.GetItem("http://kept.example/"), 1);
  }
  // The save that follows (at shutdown) writes the index that was there.
  SaveIndex(state, state.files.csv, true);
  EXPECT_EQ(ReadBytes(state.files.csv), stored);
}

TEST_F(IndexFileTest, SavesWithBackupShiftTheBackupsDown) {
  const std::string& csv = state.files.csv;
  WriteBytes(csv, "before\r\n");
  Add({"bitcoin", "One"});
  SaveIndex(state, csv, true);
  const std::string first = ReadBytes(csv);
  EXPECT_EQ(ReadBytes(state.files.bak), "before\r\n");
  EXPECT_FALSE(std::filesystem::exists(state.files.bak2));

  Add({"bitcoin", "Two"});
  SaveIndex(state, csv, true);
  EXPECT_EQ(ReadBytes(state.files.bak2), "before\r\n");
  EXPECT_EQ(ReadBytes(state.files.bak), first);

  // Without the flag no backup moves; with it, another path still rotates
  // the data folder's backups.
  SaveIndex(state, csv, false);
  EXPECT_EQ(ReadBytes(state.files.bak), first);
  WriteBytes(Path("elsewhere.csv"), "elsewhere\r\n");
  SaveIndex(state, Path("elsewhere.csv"), true);
  EXPECT_EQ(ReadBytes(state.files.bak2), first);
  EXPECT_EQ(ReadBytes(state.files.bak), "elsewhere\r\n");
}

TEST_F(IndexFileTest, AFailedSaveLeavesTheFileAsItWas) {
  // The target is a folder: the new content cannot take its place.
  std::filesystem::create_directory(Path("busy.csv"));
  WriteBytes(Path("busy.csv/inside"), "x");
  Add({"bitcoin", "One"});
  try {
    SaveIndex(state, Path("busy.csv"), false);
    ADD_FAILURE() << "no error";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Path(), Path("busy.csv"));
  }
  EXPECT_THROW(SaveIndex(state, Path("no/such/folder.csv"), false), EInOutError);
  // Nothing half-written is left beside it.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    ++entries;
    EXPECT_EQ(entry.path().filename(), "busy.csv");
  }
  EXPECT_EQ(entries, 1);
}

// A save that cannot write its file moves no backup: however often it fails,
// index.csv, index.bak and index.bak2 keep three different generations.
TEST_F(IndexFileTest, AFailedSaveMovesNoBackup) {
  const IndexFilePaths& f = state.files;
  for (int r = 0; r < 2000; ++r) Add({"bitcoin", "Row " + std::to_string(r), "http://r/"});

  // A file size limit stands in for a full disk: the backups are small, the
  // index is not.
  const auto underFileSizeLimit = [&] {
    const test::FileSizeLimit limit(16 * 1024);
    ASSERT_TRUE(limit.Set());
    SaveIndex(state, f.csv, true);
  };
  const auto folderInTheWay = [&] {
    std::filesystem::remove(f.csv);
    std::filesystem::create_directory(f.csv);
    SaveIndex(state, f.csv, true);
  };
  for (const auto& failingSave :
       std::initializer_list<std::function<void()>>{underFileSizeLimit, folderInTheWay}) {
    std::filesystem::remove_all(f.csv);
    WriteBytes(f.csv, "current\r\n");
    WriteBytes(f.bak, "previous\r\n");
    WriteBytes(f.bak2, "oldest\r\n");
    for (int attempt = 0; attempt < 2; ++attempt) EXPECT_THROW(failingSave(), EInOutError);
    if (!std::filesystem::is_directory(f.csv)) {
      EXPECT_EQ(ReadBytes(f.csv), "current\r\n");
    }
    EXPECT_EQ(ReadBytes(f.bak), "previous\r\n");
    EXPECT_EQ(ReadBytes(f.bak2), "oldest\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      EXPECT_EQ(entry.path().filename().string().find(".index.csv.~"), std::string::npos)
          << entry.path();
  }
}

TEST_F(IndexFileTest, AProcessThatDiesWhileSavingLeavesTheOldFileWhole) {
  const std::string& csv = state.files.csv;
  WriteBytes(csv, kHeaderLine + "bitcoin;Old;http://old.example/\r\n");
  const std::string stored = ReadBytes(csv);
  for (int r = 0; r < 5000; ++r) Add({"bitcoin", "New " + std::to_string(r), "http://new/"});

  // The file size limit kills the saving process in the middle of its write
  // (the death test forks, so the child sees this folder and index).
  const auto saveUnderLimit = [&] {
    const rlimit limit{64 * 1024, 64 * 1024};
    setrlimit(RLIMIT_FSIZE, &limit);
    SaveIndex(state, csv, false);
    std::exit(0);
  };
  EXPECT_EXIT(saveUnderLimit(), ::testing::KilledBySignal(SIGXFSZ), "");
  EXPECT_EQ(ReadBytes(csv), stored);
  SaveIndex(state, csv, false);
  EXPECT_GT(ReadBytes(csv).size(), size_t(64 * 1024));
}

TEST_F(IndexFileTest, AReplacedFileKeepsItsPermissions) {
  const std::string& csv = state.files.csv;
  WriteBytes(csv, "old\r\n");
  chmod(csv.c_str(), 0640);
  SaveIndex(state, csv, false);
  struct stat st;
  ASSERT_EQ(stat(csv.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(ReadBytes(csv), kHeaderLine);
}

}  // namespace
}  // namespace trelio
