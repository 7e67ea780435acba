// "Go to URL": the current faucet with its referral, or any other page in the
// active window (or the default web browser) as a new item.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/BrowsingFixture.h"

namespace trelio {
namespace {

using test::BrowsingFixture;

class BrowsingGoToUrlTest : public BrowsingFixture {
 protected:
  void SetUp() override {
    AddRows({{"a"}, {"b"}, {"c"}});
    Rebuild();
    browsing.BrowseNextIncomplete();  // a browsed in WebBrowser1, b preloaded
    view.browsers[0].loads.clear();
  }
  void GoTo(const std::string& typed, const std::string& inputField) {
    view.SetEditText(DetailEdit::Url, typed);
    view.SetEditText(DetailEdit::Input, inputField);
    view.addSaveMode = AddSaveMode::Save;
    browsing.GoToTypedUrl();
  }
};

struct GoToCase {
  const char* name;
  const char* typed;
  const char* inputField;  // Edit8
  const char* shows;       // the active window's page beforehand; empty: the browsed faucet
  const char* load;        // into the active window; empty: none
  const char* opened;      // in the default web browser at once; empty: none
  const char* browsed;
  bool editsCleared;
  AddSaveMode mode;
};

const GoToCase kGoToCases[] = {
    // The current faucet's key inside the text: browsed with its referral.
    {"CurrentKeyInText", "go http://a.example/ now", "", "", "http://a.example/?r=REF", "", "a",
     false, AddSaveMode::Save},
    {"OtherPage", "http://new.example/x", "", "", "http://new.example/x?r=REF", "", "", true,
     AddSaveMode::Add},
    {"OtherPageNoInsertion", "http://new.example/x", "-", "", "http://new.example/x?r=REF", "", "",
     false, AddSaveMode::Add},
    {"OtherPageExternal", "http://new.example/x?ref=1", "*", "", "",
     "http://new.example/x?ref=REF&1", "", false, AddSaveMode::Add},
    // The active window shows that page already: edits and mode stay.
    {"PageAlreadyShown", "http://new.example/x", "", "http://new.example/x?r=REF",
     "http://new.example/x?r=REF", "", "", false, AddSaveMode::Save},
    {"EmptyText", "", "", "", "?r=REF", "", "", true, AddSaveMode::Add},
};

void PrintTo(const GoToCase& c, std::ostream* os) { *os << c.name; }

class BrowsingGoToUrlCases : public BrowsingGoToUrlTest,
                             public ::testing::WithParamInterface<GoToCase> {};

TEST_P(BrowsingGoToUrlCases, LoadsOpensAndResetsAsTheTextSays) {
  const GoToCase& c = GetParam();
  if (*c.shows) view.browsers[0].mainFrameUrl = c.shows;
  view.SetEditText(DetailEdit::Name, "name");
  view.SetEditText(DetailEdit::Interval, "7");
  GoTo(c.typed, c.inputField);

  const std::vector<std::string> loads =
      *c.load ? std::vector<std::string>{c.load} : std::vector<std::string>{};
  EXPECT_EQ(view.browsers[0].loads, loads);
  EXPECT_EQ(view.browsers[1].loads.size(), 1u) << "the preload window is left alone";
  if (*c.opened) {
    ASSERT_EQ(view.externalOpens.size(), 1u);
    EXPECT_EQ(view.externalOpens[0].first, c.opened);
    EXPECT_EQ(view.externalOpens[0].second, ExternalOpen::Now);
  } else {
    EXPECT_TRUE(view.externalOpens.empty());
  }
  EXPECT_EQ(NameOf(browsing.CurrentItem()), "a");
  EXPECT_EQ(NameOf(browsing.BrowsedItem()), c.browsed);
  EXPECT_EQ(NameOf(browsing.PreloadedItem()), *c.browsed ? "b" : "");
  EXPECT_EQ(view.EditText(DetailEdit::Name), c.editsCleared ? "" : "name");
  EXPECT_EQ(view.EditText(DetailEdit::Interval), c.editsCleared ? "" : "7");
  EXPECT_EQ(view.EditText(DetailEdit::Input), c.editsCleared ? "" : c.inputField);
  EXPECT_EQ(view.addSaveMode, c.mode);
  EXPECT_EQ(Shown(), "1");
}

INSTANTIATE_TEST_SUITE_P(Cases, BrowsingGoToUrlCases, ::testing::ValuesIn(kGoToCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrowsingGoToUrlTest, WithoutCurrentItemLoadsIntoTheActiveWindow) {
  browsing.ForgetAllItems();
  Rebuild("litecoin");  // nothing listed
  GoTo("http://new.example/", "");
  EXPECT_EQ(view.browsers[0].loads, std::vector<std::string>{"http://new.example/?r=REF"});
  EXPECT_EQ(Shown(), "1");
  EXPECT_TRUE(view.navEnabled[NavButton::Refresh]);
}

TEST_F(BrowsingGoToUrlTest, EnterInTheUrlEditGoes) {
  view.SetEditText(DetailEdit::Url, "http://new.example/");
  browsing.GoToTypedUrlOnEnter('a');
  EXPECT_TRUE(view.browsers[0].loads.empty());
  browsing.GoToTypedUrlOnEnter('\r');
  EXPECT_EQ(view.browsers[0].loads, std::vector<std::string>{"http://new.example/?r=REF"});
}

}  // namespace
}  // namespace trelio
