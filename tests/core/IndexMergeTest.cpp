#include "app/core/index/IndexMerge.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/core/index/InOutError.h"
#include "app/core/text/TextSplit.h"
#include "tests/support/IndexFolderTest.h"

namespace trelio {
namespace {

using test::kHeaderLine;
using test::WriteBytes;

class IndexMergeTest : public test::IndexFolderTest {
 protected:
  void Start(const std::string& lines) {
    WriteBytes(Path("start.csv"), kHeaderLine + lines);
    LoadIndex(state, Path("start.csv"));
  }
  void Merge(const std::string& lines, const UpdatingOptions& options = {}) {
    WriteBytes(Path("merge.csv"), kHeaderLine + lines);
    MergeIndex(state, Path("merge.csv"), ';', options, server, user);
  }
  std::string HiddenStates() const {
    std::string text;
    for (int r = 1; r < index.RowCount(); ++r)
      text += (r > 1 ? "," : "") + std::string(index.Row(r)[fHidden]);
    return text;
  }

  TemplateLists server;
  TemplateLists user;
};

// Fields: Currency;Name;Url;Interval;Input;Completed;Hidden;Timestamp;Position;Lock;
// six payouts;Payouts count;No pay;Favorite.
TEST_F(IndexMergeTest, AListedFaucetTakesTheFilesSettingsAndKeepsItsOwnState) {
  state.systemDecimalSeparator = ',';
  Start("bitcoin;Old;http://a.example?r=old;5;1;1;;1700;1;;1,5;0,5;;;0,5;0,5;3;2;1\r\n");
  index.Row(1).Edit(fAveragePayout) = "0,75";
  Merge("litecoin;New;http://a.example/ref/new;60;address;;1;9;9;1;9;9;9;9;9;9;9;9;\r\n");
  ASSERT_EQ(index.RowCount(), 2);
  const FaucetItem& row = index.Row(1);
  const std::string expected[kFaucetFieldCount] = {"bitcoin", "New",     "http://a.example/ref/new",
                                                   "60",      "address", "1",
                                                   "",        "1700",    "1",
                                                   "",        "1.5",     "0.5",
                                                   "",        "",        "0.5",
                                                   "0.75",    "3",       "2",
                                                   "1"};
  for (int f = 0; f < kFaucetFieldCount; ++f) EXPECT_EQ(row.Fields()[f], expected[f]) << f;
  EXPECT_EQ(urlRowMap.GetItem("http://a.example"), 1);
}

// A file that lists a faucet as it stands leaves the index unedited, so that
// nothing counts as changed; one field that differs is still taken.
TEST_F(IndexMergeTest, OnlyWhatTheFileChangesCountsAsAnEdit) {
  const std::string line = "bitcoin;Same;http://a.example/?r=1;5;2;;1;;1;\r\n";
  const struct {
    const char* listed;
    bool edited;
    const char* name;
    const char* hidden;
  } cases[] = {
      {"bitcoin;Same;http://a.example/?r=1;5;2\r\n", false, "Same", "1"},
      {"bitcoin;Other;http://a.example/?r=1;5;2\r\n", true, "Other", "1"},
      {"bitcoin;Same;http://a.example/?r=1;5;\r\n", true, "Same", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.listed);
    Start(line);
    const uint64_t before = index.ChangeCount();
    Merge(c.listed);
    EXPECT_EQ(index.ChangeCount() != before, c.edited);
    EXPECT_EQ(index.Row(1)[fName], c.name);
    EXPECT_EQ(index.Row(1)[fHidden], c.hidden);
  }
  // Shown again: the Hidden field changes.
  Start(line);
  const uint64_t before = index.ChangeCount();
  Merge("bitcoin;Same;http://a.example/?r=1;5;2\r\n", {1, 0, 0});
  EXPECT_NE(index.ChangeCount(), before);
  EXPECT_EQ(index.Row(1)[fHidden], "");
}

TEST_F(IndexMergeTest, ALockedFaucetTakesOnlyTheUrl) {
  for (const char* lock : {"1", "yes"}) {
    Start(std::string("bitcoin;Mine;http://a.example/?r=me;5;2;;1;;1;") + lock + "\r\n");
    Merge("bitcoin;Theirs;http://a.example/?r=them;60;3\r\n", {1, 0, 0});
    const FaucetItem& row = index.Row(1);
    EXPECT_EQ(row[fUrl], "http://a.example/?r=them") << lock;
    EXPECT_EQ(row[fName], "Mine") << lock;
    EXPECT_EQ(row[fInterval], "5") << lock;
    EXPECT_EQ(row[fInput], "2") << lock;
    EXPECT_EQ(row[fHidden], "1") << lock;
  }
}

TEST_F(IndexMergeTest, TheOptionsDecideWhatBecomesOfListedAndUnlistedFaucets) {
  // Rows: shown unlisted, hidden unlisted, shown listed, hidden listed, then
  // locked: hidden unlisted, hidden listed, shown unlisted; a new one is appended.
  const std::string start =
      "bitcoin;1;http://1.example/\r\n"
      "bitcoin;2;http://2.example/;;;;1\r\n"
      "bitcoin;3;http://3.example/\r\n"
      "bitcoin;4;http://4.example/;;;;1\r\n"
      "bitcoin;5;http://5.example/;;;;1;;;1\r\n"
      "bitcoin;6;http://6.example/;;;;1;;;1\r\n"
      "bitcoin;7;http://7.example/;;;;;;;1\r\n";
  const std::string file =
      "bitcoin;3;http://3.example/\r\n"
      "bitcoin;4;http://4.example/\r\n"
      "bitcoin;6;http://6.example/\r\n"
      "bitcoin;8;http://8.example/\r\n";
  const struct {
    UpdatingOptions options;
    const char* hidden;  // rows 1 to 8
  } cases[] = {
      {{0, 0, 0}, ",1,,1,1,1,,"},   {{1, 0, 0}, ",1,,,1,1,,"},   {{1, 1, 0}, "1,1,,,1,1,,"},
      {{0, 1, 0}, "1,1,1,1,1,1,,"}, {{0, 0, 1}, "-,-,,1,1,1,,"}, {{1, 0, 1}, "-,-,,,1,1,,"},
      {{0, 1, 1}, "1,1,1,1,1,1,,"},  // hiding wins over clearing
  };
  for (const auto& c : cases) {
    Start(start);
    Merge(file, c.options);
    const UpdatingOptions& o = c.options;
    const std::string label =
        std::to_string(o.showingHidden) + std::to_string(o.hiding) + std::to_string(o.clearing);
    EXPECT_EQ(HiddenStates(), c.hidden) << label;
    for (int r = 1; r <= 8; ++r) {
      const bool removed = index.Row(r)[fHidden] == "-";
      EXPECT_EQ(urlRowMap.Exists("http://" + std::to_string(r) + ".example/"), !removed)
          << label << " row " << r;
    }
    EXPECT_EQ(index.Row(8)[fPosition], "8");
    EXPECT_EQ(urlRowMap.GetItem("http://8.example/"), 8);
  }
}

TEST_F(IndexMergeTest, OnlyLockOneIsSparedByThePrePass) {
  // Any other lock text is unlocked for the marks but locked for the update,
  // so with clearing it stays removed even though the file lists it.
  Start("bitcoin;Mine;http://a.example/;;;;;;;x\r\n");
  Merge("bitcoin;Theirs;http://a.example/\r\n", {0, 0, 1});
  EXPECT_EQ(index.Row(1)[fHidden], "-");
  EXPECT_EQ(index.Row(1)[fName], "Mine");
  EXPECT_FALSE(urlRowMap.Exists("http://a.example/"));
}

TEST_F(IndexMergeTest, AppendsEachNewFaucetOnceAndDropsRowsWithoutKey) {
  Start("bitcoin;Known;http://k.example/\r\n");
  Merge(
      "dash;First;http://n.example/?r=1;5;;;1\r\n"
      "dash;Second;http://n.example/?r=2;6\r\n"
      "dash;No url\r\n"
      "dash;Query only;?r=3\r\n"
      "\r\n");
  ASSERT_EQ(index.RowCount(), 3);
  const FaucetItem& added = index.Row(2);
  EXPECT_EQ(added[fName], "Second");
  EXPECT_EQ(added[fUrl], "http://n.example/?r=2");
  EXPECT_EQ(added[fInterval], "6");
  EXPECT_EQ(added[fHidden], "1");  // as the first line gave it
  EXPECT_EQ(added[fPosition], "2");
  EXPECT_EQ(urlRowMap.GetItem("http://n.example/"), 2);
}

TEST_F(IndexMergeTest, ARemovedDuplicateDoesNotTakeTheKeyOfTheRowThatStays) {
  Start(
      "bitcoin;Old copy;http://a.example/?r=1\r\n"
      "bitcoin;Kept;http://a.example/?r=2\r\n");
  Merge("bitcoin;Kept;http://a.example/?r=3\r\n", {0, 0, 1});
  EXPECT_EQ(HiddenStates(), "-,");
  EXPECT_EQ(urlRowMap.GetItem("http://a.example/"), 2);
}

TEST_F(IndexMergeTest, TemplateRowsSetTheServerTemplatesAndExtendTheUserLists) {
  server.leftPart = "from an earlier merge";
  user = {"sat", "", "captcha", "wait"};
  Start("");
  Merge(
      "*No pay template;first\r\n"
      "*No pay template;You have to wait;again\r\n"
      "*Right part of payout template;satoshi|sat\r\n"
      "*Ignore field names;captcha|email|\r\n"
      "*Other template;zzz\r\n"
      ";*No pay template;not a template row\r\n");
  EXPECT_EQ(server.noPay, "You have to wait;again");
  EXPECT_EQ(server.rightPart, "satoshi|sat");
  EXPECT_EQ(server.ignoreFieldNames, "captcha|email|");
  EXPECT_EQ(server.leftPart, "from an earlier merge");
  EXPECT_EQ(user.rightPart, "sat|satoshi");
  EXPECT_EQ(user.leftPart, "from an earlier merge");
  EXPECT_EQ(user.ignoreFieldNames, "captcha|email");
  EXPECT_EQ(user.noPay, "wait|You have to wait;again");
}

TEST_F(IndexMergeTest, MergeTemplateListAppendsOnlyMissingElements) {
  const struct {
    const char* user;
    const char* server;
    const char* merged;
  } cases[] = {
      {"", "a|b", "a|b"},   {"a|b", "", "a|b"},  {"a|b", "b|c", "a|b|c"}, {"a|b", "a|b", "a|b"},
      {"xab", "ab", "xab"}, {"a", "|b|", "a|b"}, {"a", "c|c", "a|c"},     {"ab|c", "a", "ab|c|a"},
      {"A", "a", "A|a"},    {"a|", "b", "a||b"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MergeTemplateList(c.user, c.server), c.merged) << c.user << " + " << c.server;
}

// The rule as written: each server element, followed by "|", is looked for
// in the list grown so far, followed by "|".
std::string MergeTemplateListByTheRule(std::string_view userList, std::string_view serverList) {
  if (serverList.empty()) return std::string(userList);
  if (userList.empty()) return std::string(serverList);
  std::string merged(userList);
  for (const std::string& element : SplitText("|", serverList))
    if ((merged + '|').find(element + '|') == std::string::npos) merged += '|' + element;
  return merged;
}

TEST_F(IndexMergeTest, MergeTemplateListGivesWhatTheRuleGivesForRandomLists) {
  std::mt19937 random(64000);
  // Few letters and short elements, so that elements often end one another.
  const auto list = [&](int maxElements) {
    std::string text;
    for (int n = random() % (maxElements + 1); n > 0; --n) {
      if (!text.empty() || random() % 4 == 0) text += '|';
      for (int c = random() % 4; c > 0; --c) text += "abA|"[random() % (random() % 5 ? 3 : 4)];
    }
    return text;
  };
  for (int round = 0; round < 20000; ++round) {
    const std::string user = list(6), server = list(6);
    ASSERT_EQ(MergeTemplateList(user, server), MergeTemplateListByTheRule(user, server))
        << "\"" << user << "\" + \"" << server << "\"";
  }
}

TEST_F(IndexMergeTest, AFileThatCannotBeReadChangesNothing) {
  Start(
      "bitcoin;Shown;http://s.example/\r\n"
      "bitcoin;Hidden;http://h.example/;;;;1\r\n");
  server.noPay = "server";
  user.noPay = "user";
  const FaucetItem before1 = index.Row(1);
  const FaucetItem before2 = index.Row(2);
  std::filesystem::create_directory(Path("folder.csv"));
  for (const std::string& bad :
       {Path("missing.csv"), Path("folder.csv"), std::string("/proc/self/mem")}) {
    for (const UpdatingOptions options : {UpdatingOptions{0, 0, 1}, UpdatingOptions{1, 1, 0}}) {
      EXPECT_THROW(MergeIndex(state, bad, ';', options, server, user), EInOutError) << bad;
      ASSERT_EQ(index.RowCount(), 3);
      EXPECT_EQ(index.Row(1).Fields(), before1.Fields()) << bad;
      EXPECT_EQ(index.Row(2).Fields(), before2.Fields()) << bad;
      EXPECT_EQ(urlRowMap.GetItem("http://s.example/"), 1);
      EXPECT_EQ(urlRowMap.GetItem("http://h.example/"), 2);
      EXPECT_EQ(server.noPay, "server");
      EXPECT_EQ(user.noPay, "user");
    }
  }
}

}  // namespace
}  // namespace trelio
