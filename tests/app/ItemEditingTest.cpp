#include <QLineEdit>
#include <QToolButton>

#include "app/core/index/IndexFile.h"
#include "app/core/text/TextSplit.h"
#include "app/widgets/PanelStatusBar.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

using ItemEditingTest = WindowFixture;

void TypeEdits(TForm1& form, const char* url, const char* name, const char* interval,
               const char* input = "") {
  test::Widget<QLineEdit>(form, "Edit7")->setText(QString::fromUtf8(url));
  test::Widget<QLineEdit>(form, "Edit5")->setText(QString::fromUtf8(name));
  test::Widget<QLineEdit>(form, "Edit6")->setText(QString::fromUtf8(interval));
  test::Widget<QLineEdit>(form, "Edit8")->setText(QString::fromUtf8(input));
}

TEST_F(ItemEditingTest, AddButtonRefusesWhatCannotBeStored) {
  AddRow("Moon", "http://moon.example/");
  struct Case {
    const char* url;
    const char* name;
    const char* interval;
    const char* errors;
    const char* intervalAfter;
  };
  const Case cases[] = {
      {"", "", "",
       "URL not entered.\n\rName of item not entered.\n\rInterval in minutes not entered.", ""},
      {"http://moon.example/?r=1", "", "", "This URL already exists in the Index.", ""},
      {"http://new.example/", "New", "0", "Interval in minutes not entered.", "0"},
      {"http://new.example/", ";", "5x",
       "Name of item not entered.\n\rInterval in minutes not entered.", ""},
  };
  for (const Case& c : cases) {
    errors.clear();
    TypeEdits(*form, c.url, c.name, c.interval);
    form->ToolButton15Click();
    ASSERT_EQ(errors.size(), 1) << c.url;
    EXPECT_EQ(errors.front().toStdString(), c.errors);
    EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->text().toStdString(), c.intervalAfter);
    EXPECT_EQ(form->Rows().RowCount(), 2);
  }
}

TEST_F(ItemEditingTest, AddStoresTheRowSelectsItAndReportsIt) {
  TypeEdits(*form, "http://coins.example/faucet?r=abc", "Coins & Co=1;", "-5", "2;x");
  form->ToolButton15Click();
  ASSERT_TRUE(errors.isEmpty()) << errors.join(' ').toStdString();
  ASSERT_EQ(form->Rows().RowCount(), 2);
  const FaucetItem& row = form->Rows().Row(1);
  EXPECT_EQ(row[fCurrency], "bitcoin");
  EXPECT_EQ(row[fName], "Coins & Co=1");
  EXPECT_EQ(row[fUrl], "http://coins.example/faucet");  // no "{R}": the key alone
  EXPECT_EQ(row[fInterval], "-5");
  EXPECT_EQ(row[fInput], "2x");
  EXPECT_EQ(row[fPosition], "1");
  EXPECT_FALSE(row[fTimestamp].empty());
  EXPECT_TRUE(row[fLock].empty());
  EXPECT_EQ(form->RowsByUrl().GetItem("http://coins.example/faucet"), 1);

  EXPECT_EQ(ListedNames(), std::vector<std::string>{"Coins & Co=1"});
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->ItemIndex(), 0);
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), &row);
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->text(), "http://coins.example/faucet");
  EXPECT_TRUE(form->AddSaveInSaveMode());
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton15")->isEnabled());

  EXPECT_EQ(Reports(1), std::vector<std::string>{
                            "a=add&c=bitcoin&n=Coins%20%26%20Co%3D1&l=http://coins.example/"
                            "faucet&m=-5&i=2x"});
}

// A ";" typed into the URL or the input field cannot split a line of
// index.csv; the lock set before adding stays with the new row.
TEST_F(ItemEditingTest, SemicolonsNeverReachTheIndexFileAsSeparators) {
  TypeEdits(*form, "http://x.example/a;b?r={R}", "X", "30", "first;field");
  form->SpeedButton5Click();
  ASSERT_TRUE(form->LockForUpdate);
  form->ToolButton15Click();
  ASSERT_TRUE(errors.isEmpty());
  const FaucetItem& row = form->Rows().Row(1);
  EXPECT_EQ(row[fUrl], "http://x.example/a%3Bb?r={R}");
  EXPECT_EQ(row[fInput], "firstfield");
  EXPECT_EQ(row[fLock], "1");
  EXPECT_EQ(form->RowsByUrl().GetItem("http://x.example/a%3Bb"), 1);

  SaveIndex(form->IndexAndFiles(), form->IndexAndFiles().files.csv, false);
  const std::vector<std::string> lines =
      SplitText("\r\n", test::ReadBytes(form->IndexAndFiles().files.csv));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(SplitText(";", lines[1]).size(), size_t(kFaucetFieldCount));
  EXPECT_EQ(Reports(1).front(), "a=add&c=bitcoin&n=X&l=http://x.example/a%253Bb&m=30&i=firstfield");
}

TEST_F(ItemEditingTest, SaveModeStoresTheEditsOfTheCurrentRowWithoutReport) {
  FaucetItem& row = AddRow("Moon", "http://moon.example/?r={R}");
  form->RebuildList();
  Select(0);
  ASSERT_TRUE(form->AddSaveInSaveMode());
  TypeEdits(*form, "http://typed.example/", "New;Moon", "abc", "a;b");
  form->ToolButton15Click();
  ASSERT_EQ(errors, QStringList{"Interval in minutes not entered."});
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit6")->text().isEmpty());
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->text(),
            "http://moon.example/");  // the row's key, not the typed URL
  EXPECT_EQ(row[fName], "Moon");

  test::Widget<QLineEdit>(*form, "Edit6")->setText("15");
  form->ToolButton15Click();
  EXPECT_EQ(errors.size(), 1);
  EXPECT_EQ(row[fName], "NewMoon");
  EXPECT_EQ(row[fInterval], "15");
  EXPECT_EQ(row[fInput], "ab");
  EXPECT_EQ(row[fUrl], "http://moon.example/?r={R}");
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->item(0)->text(), "NewMoon");
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton15")->isEnabled());

  form->Hide1Click();  // the next report is the first one
  EXPECT_EQ(Reports(1), std::vector<std::string>{"a=hide&l=http://moon.example/"});
}

TEST_F(ItemEditingTest, RemoveAsksThenDropsTheRowAndEveryReference) {
  FaucetItem& moon = AddRow("Moon \"A\"", "http://moon.example/");
  AddRow("Sun", "http://sun.example/");
  form->RebuildList();
  Select(PositionOf(moon));
  form->ListBox1DblClick();
  ASSERT_EQ(form->BrowsingControl().BrowsedItem(), &moon);

  answerYes = false;
  form->Remove1Click();
  EXPECT_EQ(questions, QStringList{"Are you sure you want to remove item \"Moon \"A\"\"?"});
  EXPECT_TRUE(moon[fHidden].empty());

  answerYes = true;
  form->Remove1Click();
  EXPECT_EQ(moon[fHidden], "-");
  EXPECT_FALSE(form->RowsByUrl().Exists("http://moon.example/"));
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"Sun"});
  EXPECT_EQ(form->BrowsingControl().CurrentItem(), nullptr);
  EXPECT_EQ(form->BrowsingControl().BrowsedItem(), nullptr);
  EXPECT_EQ(form->BrowsingControl().PreloadedItem(), nullptr);
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit7")->text().isEmpty());
  EXPECT_FALSE(form->WebBrowser1->IsVisible());
  EXPECT_EQ(Reports(1), std::vector<std::string>{"a=remove&l=http://moon.example/"});

  // The key is free again at once.
  TypeEdits(*form, "http://moon.example/", "Moon again", "5");
  form->ToolButton15Click();
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ItemEditingTest, HideShowAndFavouritesToggleAndReport) {
  FaucetItem& row = AddRow("Moon", "http://moon.example/?r=1");
  form->RebuildList();
  form->Hide1Click();  // no current item: nothing
  Select(0);
  form->Hide1Click();
  EXPECT_EQ(row[fHidden], "1");
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->count(),
            1);  // listed until the next rebuild
  form->Hide1Click();
  EXPECT_TRUE(row[fHidden].empty());
  form->Addtofavorites1Click();
  EXPECT_EQ(row[fFavorite], "1");
  form->Addtofavorites1Click();
  EXPECT_TRUE(row[fFavorite].empty());
  EXPECT_EQ(Reports(4), (std::vector<std::string>{
                            "a=fauadd&l=http://moon.example/", "a=faudel&l=http://moon.example/",
                            "a=hide&l=http://moon.example/", "a=show&l=http://moon.example/"}));
}

TEST_F(ItemEditingTest, ReportStillLeavesWhenTheWindowCloses) {
  AddRow("Moon", "http://moon.example/");
  form->RebuildList();
  Select(0);
  form->Addtofavorites1Click();
  form.reset();
  EXPECT_EQ(Reports(1), std::vector<std::string>{"a=fauadd&l=http://moon.example/"});
}

TEST_F(ItemEditingTest, LockButtonAndEditsFollowTheCurrentRow) {
  FaucetItem& row = AddRow("Moon", "http://moon.example/");
  const qint64 locked = form->ImageList2.Image(0).cacheKey();
  const qint64 unlocked = form->ImageList2.Image(1).cacheKey();

  test::Widget<QLineEdit>(*form, "Edit5")
      ->setText("typed");  // no current item: the button stays off
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton15")->isEnabled());
  form->SpeedButton5Click();
  EXPECT_TRUE(form->LockForUpdate);
  EXPECT_EQ(test::Widget<QToolButton>(*form, "SpeedButton5")->icon().cacheKey(), locked);
  test::Widget<QLineEdit>(*form, "Edit7")
      ->setText("http://other.example/");  // a typed URL starts unlocked
  EXPECT_FALSE(form->LockForUpdate);
  EXPECT_EQ(test::Widget<QToolButton>(*form, "SpeedButton5")->icon().cacheKey(), unlocked);
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "ToolButton15")->isEnabled());
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "ToolButton6")->isEnabled());
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "SpeedButton5")->isEnabled());

  form->RebuildList();
  Select(0);
  EXPECT_FALSE(test::Widget<QToolButton>(*form, "ToolButton15")->isEnabled());
  test::Widget<QLineEdit>(*form, "Edit6")->setText("61");
  EXPECT_TRUE(test::Widget<QToolButton>(*form, "ToolButton15")->isEnabled());
  form->SpeedButton5Click();
  EXPECT_EQ(row[fLock], "1");
  form->SpeedButton5Click();
  EXPECT_TRUE(row[fLock].empty());
  EXPECT_EQ(test::Widget<QToolButton>(*form, "SpeedButton5")->icon().cacheKey(), unlocked);
}

TEST_F(ItemEditingTest, NewItemAsksForTheUrlAndBrowsesIt) {
  test::Widget<QTabWidget>(*form, "PageControl1")->setCurrentIndex(1);
  form->NewItem1Click();  // cancelled
  EXPECT_EQ(inputs, QStringList{"New Litecoin item | Please input the URL below"});
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit7")->text().isEmpty());

  struct Case {
    const char* answer;
    const char* url;
  };
  for (const Case c : {Case{"moon.example/x", "http://moon.example/x"},
                       Case{"see https://sun.example/", "see https://sun.example/"}}) {
    test::Widget<QLineEdit>(*form, "Edit5")->setText("old");
    inputAnswer = QString::fromUtf8(c.answer);
    form->NewItem1Click();
    EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->text(), c.url);
    EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit5")->text().isEmpty());
    EXPECT_FALSE(form->AddSaveInSaveMode());
    EXPECT_EQ(test::Widget<QToolButton>(*form, "ToolButton15")->toolTip(), "Add new item");
    // The referral of the coin goes into the loaded URL.
    EXPECT_TRUE(browsers.made[0]->requests.last().startsWith(QStringLiteral("LoadUrl ") + c.url))
        << browsers.made[0]->requests.last().toStdString();
  }
}

}  // namespace
}  // namespace trelio::test
