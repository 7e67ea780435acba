// "Update Index" against answers that are no index, or no end, from a test
// server of our own: the index and its files stay as they were, memory stays
// bounded and the window goes on painting.
#include <QPaintEvent>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>

#include "app/threads/UpdThread.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/window/Unit3.h"
#include "tests/support/ResidentMemory.h"
#include "tests/support/window/ModalScript.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

namespace fs = std::filesystem;

// Far above the 64 MiB the index may take, far below what an answer without
// end reaches in a few seconds. AddressSanitizer keeps up to 256 MiB of freed
// blocks resident in its quarantine, on top.
#if defined(__SANITIZE_ADDRESS__)
constexpr int64_t kIndexMemoryBound = int64_t(200 + 256 + 64) << 20;
#else
constexpr int64_t kIndexMemoryBound = int64_t(200) << 20;
#endif

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Counts the paint events a widget receives.
class PaintCount : public QObject {
 public:
  explicit PaintCount(QWidget* w) { w->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count;
    return false;
  }
};

class IndexDownloadAnswersTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    dialog = std::make_unique<TOKBottomDlg>(*form);
  }
  void TearDown() override {
    dialog.reset();
    WindowFixture::TearDown();
  }

  // Two unlocked faucets, saved as index.csv.
  void StartWithTwoFaucets() {
    AddRow("Moon", "http://moon.example/");
    AddRow("Sun", "http://sun.example/");
    SaveIndex(form->IndexAndFiles(), form->IndexAndFiles().files.csv, false);
    form->RebuildList();
    onDisk = FileBytes(form->IndexAndFiles().files.csv);
  }
  // The index and its files as StartWithTwoFaucets left them.
  void ExpectIndexAsItWas() {
    std::vector<std::string> listed = ListedNames();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"Moon", "Sun"}));
    EXPECT_EQ(form->Rows().RowCount(), 3);
    EXPECT_TRUE(FileBytes(form->IndexAndFiles().files.csv) == onDisk);
    EXPECT_FALSE(fs::exists(form->IndexAndFiles().files.bak));
    EXPECT_FALSE(fs::exists(form->IndexAndFiles().files.bak2));
    EXPECT_FALSE(fs::exists(form->IndexAndFiles().files.tmp2));
  }
  QString Status() const { return test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0); }

  std::unique_ptr<TOKBottomDlg> dialog;
  std::string onDisk;
};

// With "Clearing before updating" on, merging any of these would remove every
// unlocked faucet (or add rows of junk): each is refused with its reason in
// front of the status text.
TEST_F(IndexDownloadAnswersTest, AnAnswerThatIsNoIndexIsRefusedBeforeAnythingIsWritten) {
  std::string binary(5 << 20, '\0');
  uint32_t x = 99;
  for (char& c : binary) c = char((x = x * 1103515245 + 12345) >> 24);
  const struct {
    std::string body;
    QString reason;
  } cases[] = {
      {"", "The server's answer is not an index"},
      {"{\"status\":\"maintenance\"}", "The server's answer is not an index"},
      {binary, "The server's answer is not an index"},
      {"<html><body>Sign in; here</body></html>\r\n", "Received a web page, not an index"},
  };
  StartWithTwoFaucets();
  form->CurrentSettings().clearingBeforeUpdating = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body.substr(0, 30));
    server.Serve("/trelio/index.csv", c.body, 200, "text/csv");
    form->Updateindex1Click();
    EXPECT_TRUE(Status().startsWith(c.reason + " | ")) << Status().toStdString();
    ExpectIndexAsItWas();
  }
}

// A download whose merge could not finish left its index.tmp2 behind; a later
// update whose download fails must neither merge it nor hide its error.
TEST_F(IndexDownloadAnswersTest, AFailedDownloadNeverMergesALeftoverFile) {
  StartWithTwoFaucets();
  std::ofstream(form->IndexAndFiles().files.tmp2, std::ios::binary)
      << "Currency;Name;Url;Interval;Input\r\nbitcoin;Stale;http://stale.example/;5;\r\n";
  form->Updateindex1Click();  // the server has no index: 404
  EXPECT_TRUE(Status().startsWith("HTTP/1.1 404 Not Found | ")) << Status().toStdString();
  ExpectIndexAsItWas();
}

// An index without end: refused once past the limit, with the window painting
// all along, and memory bounded whether the dialog waits for it or is
// cancelled; a new showing ends a cancelled download still running.
TEST_F(IndexDownloadAnswersTest, AnIndexWithoutEndIsRefusedPastItsLimitWithMemoryBounded) {
  StartWithTwoFaucets();
  server.ServeEndless("/trelio/index.csv");
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "cancelled" : "waited for");
    const ResidentMemoryWatch memory;
    const PaintCount paints(dialog->ProgressBar1);
    ModalScript script;
    script.Then(
        [&] { return (cancel && server.RequestCount() > 0) || memory.Grown() > kIndexMemoryBound; },
        [&] { dialog->Button1->click(); });
    form->Updateindex1Click();
    UpdThread* download = dialog->DownloadThread;
    ASSERT_TRUE(WaitUntil(
        [&] { return download->Finished() || memory.Grown() > kIndexMemoryBound; }, 120000));
    EXPECT_TRUE(download->Finished());
    EXPECT_LT(memory.PeakGrowth(), kIndexMemoryBound);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Status().startsWith("The server's index is larger than 64 MiB | "))
        << Status().toStdString();
    if (!cancel) {
      EXPECT_GT(paints.count, 2);
    }
    ExpectIndexAsItWas();
  }
}

TEST_F(IndexDownloadAnswersTest, ANewShowingEndsTheCancelledDownloadNobodyWaitsFor) {
  server.ServeStream("/trelio/index.csv", {"Currency;", "Name"}, false);
  server.HoldStreams();
  ModalScript cancel;
  cancel.Then([&] { return server.RequestCount() == 1 && dialog->isVisible(); },
              [&] { dialog->Button1->click(); });
  dialog->exec();
  UpdThread* first = dialog->DownloadThread;
  ASSERT_FALSE(first->Finished());  // it runs on: a failure would still be news

  bool firstEnded = false;
  ModalScript next;
  next.Then([&] { return server.RequestCount() == 2 && dialog->isVisible(); },
            [&] {
              firstEnded = WaitUntil([&] { return first->Finished(); }, 10000);
              dialog->Button1->click();
            });
  dialog->exec();
  EXPECT_TRUE(next.Done());
  EXPECT_TRUE(firstEnded);
  server.ReleaseStreams();
}

class LeftoverDownloadTest : public StartedWindowTest {};

TEST_F(LeftoverDownloadTest, AStartRemovesADownloadAnEarlierRunLeft) {
  Write(Data("index.csv"), "Currency;Name;Url;Interval\r\nbitcoin;Moon;http://moon.example/;5\r\n");
  Write(Data("index.tmp2"),
        "Currency;Name;Url;Interval;Input\r\nbitcoin;Stale;http://s.example/;5;\r\n");
  Start();
  EXPECT_FALSE(QFile::exists(Data("index.tmp2")));
  EXPECT_EQ(ListedNames(*form), std::vector<std::string>{"Moon"});
  Stop();
}

}  // namespace
}  // namespace trelio::test
