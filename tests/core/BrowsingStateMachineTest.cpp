// The browsing state machine, scenario by scenario: after each step, the
// three row references, the active window, the windows shown, what each
// window was asked to load, what went to the default web browser, which rows
// are completed and whose page text was asked for.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/BrowsingFixture.h"

namespace trelio {
namespace {

using test::BrowsingFixture;
using test::TestRow;

enum class Act { Next, Click, DoubleClick, Browse, Panel, Tab };

struct Expect {
  const char* current;
  const char* browsed;
  const char* preloaded;
  char active;  // '1' or '2'
  const char* shown;
  const char* loads1;  // faucets loaded into WebBrowser1 during the step
  const char* loads2;
  const char* external;
  const char* completed;
  const char* texts;  // faucets whose page text was asked for during the step
};

struct Step {
  Act act;
  int position;      // Click, DoubleClick
  const char* coin;  // Tab
  Expect expect;
};

struct Scenario {
  const char* name;
  std::vector<TestRow> rows;
  std::vector<Step> steps;
};

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

Step Next(Expect e) { return {Act::Next, -1, nullptr, e}; }
Step Click(int pos, Expect e) { return {Act::Click, pos, nullptr, e}; }
Step DoubleClick(int pos, Expect e) { return {Act::DoubleClick, pos, nullptr, e}; }
Step Browse(Expect e) { return {Act::Browse, -1, nullptr, e}; }
Step Panel(Expect e) { return {Act::Panel, -1, nullptr, e}; }
Step Tab(const char* coin, Expect e) { return {Act::Tab, -1, coin, e}; }

// "http://a.example/?r=REF" -> "a".
std::string FaucetOf(const std::string& url) {
  const size_t from = url.find("//") + 2, to = url.find(".example");
  return to == std::string::npos ? url : url.substr(from, to - from);
}

template <class T, class F>
std::string NamesSince(const std::vector<T>& v, size_t from, F name) {
  std::string s;
  for (size_t i = from; i < v.size(); ++i) s += (s.empty() ? "" : ",") + name(v[i]);
  return s;
}

const Scenario kScenarios[] = {
    {"EmptyListNextDoesNothing", {}, {Next({"", "", "", '1', "", "", "", "", "", ""})}},
    {"PreloadSwapSelfPreloadAndWrap",
     {{"a"}, {"b"}, {"c"}},
     {
         Next({"a", "a", "b", '1', "1", "a", "b", "", "", ""}),
         // The preloaded row is shown by swapping; the old active window
         // preloads the next one; the row left is completed.
         Next({"b", "b", "c", '2', "2", "c", "", "", "a", "a"}),
         // Only the browsed row still qualifies: it is preloaded again.
         Next({"c", "c", "c", '1', "1", "", "c", "", "a,b", "b"}),
         // Completed at the wrap; nothing qualifies; the first entry is
         // current and both windows hidden.
         Next({"a", "", "", '1', "", "", "", "", "a,b,c", "c"}),
     }},
    {"StarRowOpensExternallyAndIsNeverPreloaded",
     {{"a"}, {"b", "*"}, {"c"}},
     {
         Next({"a", "a", "c", '1', "1", "a", "c", "", "", ""}),
         Next({"b", "b", "c", '1', "", "", "c", "b", "a", "a"}),
         // Leaving the external row completes it without a page text.
         Next({"c", "c", "c", '2', "2", "c", "", "", "a,b", ""}),
     }},
    {"HiddenAndCompletedRowsAreSkipped",
     {{"a", "C"}, {"b", "H"}, {"c"}, {"d"}},
     {Next({"c", "c", "d", '1', "1", "c", "d", "", "a", ""})}},
    {"NextStartsAtTheRowTheUserClicked",
     {{"a"}, {"b"}, {"c"}, {"d"}},
     {
         Next({"a", "a", "b", '1', "1", "a", "b", "", "", ""}),
         Click(2, {"c", "a", "b", '1', "", "", "", "", "a", "a"}),
         Next({"c", "c", "d", '1', "1", "c", "d", "", "a", ""}),
     }},
    {"ClickOnThePreloadShowsTheInactiveWindow",
     {{"a"}, {"b"}, {"c"}},
     {
         Next({"a", "a", "b", '1', "1", "a", "b", "", "", ""}),
         Click(1, {"b", "a", "b", '1', "2", "", "", "", "a", "a"}),
         // The preload was left behind with the browsed row: b loads afresh.
         Next({"b", "b", "c", '1', "1", "b", "c", "", "a", ""}),
     }},
    {"DoubleClickReloadsBrowsedRowKeepingPreload",
     {{"a"}, {"b"}, {"c"}},
     {
         Next({"a", "a", "b", '1', "1", "a", "b", "", "", ""}),
         DoubleClick(0, {"a", "a", "b", '1', "1", "a", "", "", "", ""}),
         DoubleClick(2, {"c", "c", "", '1', "1", "c", "", "", "a", "a"}),
     }},
    {"NothingQualifiesFirstEntryAlreadyCurrent",
     {{"a"}, {"b", "C"}},
     {
         Next({"a", "a", "a", '1', "1", "a", "a", "", "b", ""}),
         Next({"a", "", "", '1', "1", "", "", "", "a,b", "a"}),
     }},
    {"NothingQualifiesAnotherEntryCurrent",
     {{"a", "C"}, {"b"}},
     {
         Next({"b", "b", "b", '1', "1", "b", "b", "", "a", ""}),
         Next({"a", "", "", '1', "", "", "", "", "a,b", "b"}),
     }},
    {"CoinTabAwayAndBackShowsBrowsedRowAgain",
     {{"a"}, {"b"}, {"x", "L"}},
     {
         Next({"a", "a", "b", '1', "1", "a", "b", "", "", ""}),
         Tab("litecoin", {"", "a", "b", '1', "", "", "", "", "", ""}),
         Tab("bitcoin", {"a", "a", "b", '1', "1", "", "", "", "", ""}),
         Next({"b", "b", "b", '2', "2", "b", "", "", "a", "a"}),
     }},
    {"PanelClickBrowsesNextThenSelected",
     {{"a"}, {"b"}},
     {
         Panel({"a", "a", "b", '1', "1", "a", "b", "", "", ""}),
         Click(1, {"b", "a", "b", '1', "2", "", "", "", "a", "a"}),
         Panel({"b", "b", "", '1', "1", "b", "", "", "a", ""}),
     }},
    {"BrowseSelectedTakesFirstEntryWhenNoneIsCurrent",
     {{"a"}, {"b"}},
     {Browse({"a", "a", "", '1', "1", "a", "", "", "", ""})}},
    {"BrowseSelectedOnEmptyListDoesNothing",
     {},
     {Browse({"", "", "", '1', "", "", "", "", "", ""})}},
};

class BrowsingStateMachineTest : public BrowsingFixture,
                                 public ::testing::WithParamInterface<Scenario> {};

TEST_P(BrowsingStateMachineTest, FollowsEveryStep) {
  const Scenario& scenario = GetParam();
  for (const TestRow& r : scenario.rows) AddRows({r});
  Rebuild();
  int n = 0;
  for (const Step& step : scenario.steps) {
    SCOPED_TRACE("step " + std::to_string(++n));
    const size_t loads1 = view.browsers[0].loads.size(), loads2 = view.browsers[1].loads.size();
    const size_t texts1 = view.browsers[0].textRequests.size();
    const size_t texts2 = view.browsers[1].textRequests.size();
    const size_t external = view.externalOpens.size();
    switch (step.act) {
      case Act::Next:
        browsing.BrowseNextIncomplete();
        break;
      case Act::Click:
        Click(step.position);
        break;
      case Act::DoubleClick:
        DoubleClick(step.position);
        break;
      case Act::Browse:
        browsing.BrowseSelectedItem();
        break;
      case Act::Panel:
        browsing.BrowseCurrentOrNext();
        break;
      case Act::Tab:
        browsing.ForgetCurrentItem();
        Rebuild(step.coin);
        break;
    }
    const Expect& e = step.expect;
    EXPECT_EQ(NameOf(browsing.CurrentItem()), e.current);
    EXPECT_EQ(NameOf(browsing.BrowsedItem()), e.browsed);
    EXPECT_EQ(NameOf(browsing.PreloadedItem()), e.preloaded);
    EXPECT_EQ(browsing.ActiveBrowserIsFirst(), e.active == '1');
    EXPECT_EQ(Shown(), e.shown);
    EXPECT_EQ(NamesSince(view.browsers[0].loads, loads1, FaucetOf), e.loads1);
    EXPECT_EQ(NamesSince(view.browsers[1].loads, loads2, FaucetOf), e.loads2);
    EXPECT_EQ(NamesSince(view.externalOpens, external,
                         [](const auto& open) { return FaucetOf(open.first); }),
              e.external);
    EXPECT_EQ(Completed(), e.completed);
    const auto textOf = [](const PageTextRequest& r) { return NameOf(r.item); };
    std::string texts = NamesSince(view.browsers[0].textRequests, texts1, textOf);
    const std::string texts2nd = NamesSince(view.browsers[1].textRequests, texts2, textOf);
    texts += (texts.empty() || texts2nd.empty() ? "" : ",") + texts2nd;
    EXPECT_EQ(texts, e.texts);
  }
}

INSTANTIATE_TEST_SUITE_P(Scenarios, BrowsingStateMachineTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace trelio
