#include <QLineEdit>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <filesystem>

#include "app/core/index/InOutError.h"
#include "app/core/index/IndexExport.h"
#include "app/threads/WorkerThread.h"
#include "app/widgets/PanelStatusBar.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

constexpr const char* kMergedFile =
    "Currency;Name;Url;Interval;Input\r\n"
    "bitcoin;Sun;http://sun.example/;30;\r\n"
    "*No pay template;too early\r\n";

class IndexCommandsWindowTest : public WindowFixture {
 protected:
  // A row is current and browsed, so a command must let go of both.
  FaucetItem& BrowseMoon() {
    FaucetItem& moon = AddRow("Moon", "http://moon.example/");
    form->RebuildList();
    Select(0);
    form->ListBox1DblClick();
    return moon;
  }
};

TEST_F(IndexCommandsWindowTest, UpdateFromFileAsksOnlyWithItemsAndMerges) {
  const std::string file = data / "chosen.csv";
  test::WriteBytes(file, kMergedFile);
  form->Load2Click();  // the dialog cancelled
  EXPECT_EQ(offered.size(), 1);
  EXPECT_TRUE(questions.isEmpty());

  chosenFile = QString::fromStdString(file);
  form->CurrentSettings().noPayTemplate = "insufficient funds";
  form->Load2Click();  // an empty index: no question
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"Sun"});
  EXPECT_EQ(form->CurrentSettings().noPayTemplate, "insufficient funds|too early");
  EXPECT_TRUE(std::filesystem::exists(form->IndexAndFiles().files.csv));

  BrowseMoon();
  answerYes = false;
  form->Load2Click();
  EXPECT_EQ(questions, QStringList{"Are you sure you want to update Index?"});
  EXPECT_NE(form->BrowsingControl().BrowsedItem(), nullptr);

  answerYes = true;
  form->Load2Click();
  EXPECT_EQ(form->BrowsingControl().BrowsedItem(), nullptr);
  EXPECT_EQ(form->Rows().RowCount(), 3);  // Sun once, Moon kept
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0).toStdString(),
            "2 items sorted in descending order by last payout");
  EXPECT_EQ(test::ReadBytes(file), kMergedFile);
}

TEST_F(IndexCommandsWindowTest, UpdateFromAMissingFileOnlyResetsTheEditor) {
  FaucetItem& moon = BrowseMoon();
  chosenFile = QString::fromStdString(data / "gone.csv");
  form->Load2Click();
  EXPECT_EQ(questions.size(), 1);
  EXPECT_EQ(form->BrowsingControl().BrowsedItem(), nullptr);
  EXPECT_TRUE(test::Widget<QLineEdit>(*form, "Edit7")->text().isEmpty());
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->Row(0), &moon);
  EXPECT_FALSE(std::filesystem::exists(form->IndexAndFiles().files.csv));
}

// Merged with "Clearing before updating" on, a file that is no index would
// remove every unlocked faucet.
TEST_F(IndexCommandsWindowTest, UpdateFromAFileThatIsNoIndexSaysSoAndChangesNothing) {
  FaucetItem& moon = BrowseMoon();
  form->CurrentSettings().clearingBeforeUpdating = 1;
  const std::string file = data / "notes.csv";
  test::WriteBytes(file, "{\"status\":\"maintenance\"}");
  chosenFile = QString::fromStdString(file);
  form->Load2Click();
  EXPECT_EQ(errors, QStringList{"The file does not begin with the header line of an index."});
  EXPECT_EQ(form->Rows().RowCount(), 2);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->Row(0), &moon);
  EXPECT_EQ(moon[fHidden], "");
  EXPECT_FALSE(std::filesystem::exists(form->IndexAndFiles().files.csv));
  EXPECT_FALSE(std::filesystem::exists(form->IndexAndFiles().files.bak));
}

// A worker's call to the window thread (the minute tick's way in), made
// before the update starts.
class WaitingCall : public WorkerThread {
 public:
  explicit WaitingCall(std::function<void()> call) : call_(std::move(call)) {
    Start();
    while (SyncGate::PendingCalls() == 0) QThread::yieldCurrentThread();
  }
  ~WaitingCall() override { WaitFor(); }

 protected:
  void Execute() override { Synchronize(call_); }

 private:
  std::function<void()> call_;
};

// The update lets the window repaint between its steps; what else waits
// for the window thread must meet the rows before or after, never half-way.
TEST_F(IndexCommandsWindowTest, ATickOrTimerDueDuringAnUpdateRunsAfterItOnTheMergedIndex) {
  BrowseMoon();
  const std::string file = data / "chosen.csv";
  test::WriteBytes(file, kMergedFile);
  chosenFile = QString::fromStdString(file);
  int rowsSeen = 0;
  std::vector<std::string> listSeen;
  WaitingCall tick([&] {
    rowsSeen = form->Rows().RowCount();
    listSeen = ListedNames();
  });
  int rowsAtTimeout = 0;
  QTimer due;
  due.setSingleShot(true);
  QObject::connect(&due, &QTimer::timeout, [&] { rowsAtTimeout = form->Rows().RowCount(); });
  due.start(0);
  form->Load2Click();
  ASSERT_TRUE(test::WaitUntil([&] { return tick.Finished() && rowsAtTimeout > 0; }));
  EXPECT_EQ(rowsSeen, 3);
  EXPECT_EQ(listSeen, (std::vector<std::string>{"Sun", "Moon"}));
  EXPECT_EQ(rowsAtTimeout, 3);
}

TEST_F(IndexCommandsWindowTest, ACloseDuringAnUpdateClosesOnceTheUpdateIsSaved) {
  BrowseMoon();
  const std::string file = data / "chosen.csv";
  test::WriteBytes(file, kMergedFile);
  chosenFile = QString::fromStdString(file);
  std::string savedAtClose;
  QObject::connect(form.get(), &TForm1::Closed,
                   [&] { savedAtClose = test::ReadBytes(form->IndexAndFiles().files.csv); });
  QMetaObject::invokeMethod(form.get(), &TForm1::close, Qt::QueuedConnection);
  form->Load2Click();
  EXPECT_TRUE(test::WaitUntil([&] { return !form->isVisible(); }));
  EXPECT_NE(savedAtClose.find("Sun"), std::string::npos);
}

// The list lets go of its rows while the update works: a failure on the way
// must still give it rows back.
TEST_F(IndexCommandsWindowTest, AnUpdateFailingHalfWayStillRefillsTheList) {
  FaucetItem& moon = BrowseMoon();
  const std::string file = data / "chosen.csv";
  test::WriteBytes(file, kMergedFile);
  chosenFile = QString::fromStdString(file);
  QMetaObject::invokeMethod(
      form.get(), [&] { form->IndexAndFiles().files = IndexFilePaths::InFolder(data / "missing"); },
      Qt::QueuedConnection);
  EXPECT_THROW(form->Load2Click(), EInOutError);
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"Moon"});
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->Row(0), &moon);
  EXPECT_TRUE(test::Widget<FaucetListBox>(*form, "ListBox1")->updatesEnabled());
}

TEST_F(IndexCommandsWindowTest, ClearAsksEvenWhenEmptyAndSavesTheEmptyIndex) {
  answerYes = false;
  form->ClearIndex1Click();
  EXPECT_EQ(questions, QStringList{"Are you sure you want to clear Index?"});
  EXPECT_FALSE(std::filesystem::exists(form->IndexAndFiles().files.csv));

  BrowseMoon();
  answerYes = true;
  form->ClearIndex1Click();
  EXPECT_EQ(form->Rows().RowCount(), 1);
  EXPECT_FALSE(form->RowsByUrl().Exists("http://moon.example/"));
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->count(), 0);
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0), "0 items");
  EXPECT_EQ(form->BrowsingControl().BrowsedItem(), nullptr);
  EXPECT_EQ(test::ReadBytes(form->IndexAndFiles().files.csv).find("Moon"), std::string::npos);
}

// The rows are gone before the save fails: the list must not keep them.
TEST_F(IndexCommandsWindowTest, FailedClearStillRefillsTheList) {
  BrowseMoon();
  form->IndexAndFiles().files = IndexFilePaths::InFolder(data / "missing");
  EXPECT_THROW(form->ClearIndex1Click(), EInOutError);
  EXPECT_EQ(form->Rows().RowCount(), 1);
  EXPECT_EQ(test::Widget<FaucetListBox>(*form, "ListBox1")->count(), 0);
}

TEST_F(IndexCommandsWindowTest, ExportsOfferTheirNamesThenTheLastChosen) {
  AddRow("Moon", "http://moon.example/");
  AddRow("Sun", "http://sun.example/", "litecoin").Edit(fHidden) = "1";
  AddRow("Gone", "http://gone.example/").Edit(fHidden) = "-";
  const std::string five = data / "five.csv";
  const std::string full = data / "full.csv";

  form->Save1Click();  // cancelled
  chosenFile = QString::fromStdString(five);
  form->Save1Click();
  EXPECT_EQ(test::ReadBytes(five),
            "Currency;Name;Url;Interval;Input\r\nbitcoin;Moon;http://moon.example/;60;\r\n");
  test::Widget<QToolButton>(*form, "ToolButton1")->click();  // hidden rows too
  form->Save1Click();
  EXPECT_NE(test::ReadBytes(five).find("litecoin;Sun;"), std::string::npos);

  chosenFile = QString::fromStdString(full);
  form->SaveFullIndextofile1Click();
  const std::string fullText = test::ReadBytes(full);
  EXPECT_NE(fullText.find("Moon"), std::string::npos);
  EXPECT_EQ(fullText.find("Gone"), std::string::npos);
  EXPECT_EQ(offered, QStringList({kIndexExportFileName, kIndexExportFileName, "five.csv",
                                  kFullIndexExportFileName}));
}

class FirstShowTest : public WindowFixture {
 protected:
  void SetUp() override {}
};

TEST_F(FirstShowTest, WithoutIndexLoadsTheExportOfTheWorkingFolderOnce) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(data.path());
  test::WriteBytes(data / kIndexExportFileName,
                   "Currency;Name;Url;Interval;Input\r\nbitcoin;Moon;http://moon.example/;5;\r\n");
  WindowFixture::SetUp();  // shows the window
  std::filesystem::current_path(before);
  EXPECT_FALSE(form->FirstShow);
  EXPECT_EQ(ListedNames(), std::vector<std::string>{"Moon"});
  EXPECT_EQ(form->Rows().Row(1)[fPayoutsCount], "0");
  EXPECT_TRUE(std::filesystem::exists(form->IndexAndFiles().files.csv));

  form->ClearIndex1Click();
  form->hide();
  form->show();  // a later showing loads nothing
  EXPECT_EQ(form->Rows().RowCount(), 1);
}

}  // namespace
}  // namespace trelio::test
