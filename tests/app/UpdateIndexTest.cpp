// "Update Index" and its dialog against the demo server over real HTTP.

#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <set>

#include "app/core/index/IndexDownload.h"
#include "app/platform/HttpClient.h"
#include "app/threads/UpdThread.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/window/Unit3.h"
#include "tests/support/DemoServerProcess.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/window/ModalScript.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kDemoBitcoinFaucets = {
    "Demo Bitcoin Faucet", "Demo Bitcoin Satoshi", "Demo Bitcoin Referral",
    "Demo Bitcoin Hourly", "Demo Bitcoin Delayed", "Demo Bitcoin Pop-up"};

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

// The demo server as the maker's server, and its index download switched by
// the test.
class DemoIndexServer {
 public:
  void Mode(const std::string& mode) {
    const HttpResult r = HttpGet(demo.Url("/demo/index-mode?m=" + mode), test::kWholeAnswer);
    ASSERT_TRUE(r.ok()) << r.error;
  }
  // Lets the oldest "silent" request be answered, as the mode now says.
  void Release() { ASSERT_TRUE(HttpGet(demo.Url("/demo/index-release"), test::kWholeAnswer).ok()); }
  // Every index request the server received, each as its request line and
  // headers.
  std::vector<std::string> Requests() const {
    const std::string log = HttpGet(demo.Url("/demo/index-requests"), test::kWholeAnswer).body;
    std::vector<std::string> requests;
    for (size_t from = 0, end; (end = log.find("\n\n", from)) != std::string::npos; from = end + 2)
      requests.push_back(log.substr(from, end - from + 1));
    return requests;
  }
  std::string Index() const {
    return HttpGet(demo.Url("/trelio/index.csv"), test::kWholeAnswer).body;
  }

  DemoServerProcess demo;
};

class UpdateIndexTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    env.Set(kMakerServerVariable, server.demo.Host().c_str());
    dialog = std::make_unique<TOKBottomDlg>(*form);
  }
  void TearDown() override {
    dialog.reset();
    WindowFixture::TearDown();
  }

  std::string Tmp2() const { return form->IndexAndFiles().files.tmp2; }
  QString Status() const { return test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0); }
  bool RequestsArrived(size_t n) const { return server.Requests().size() >= n; }
  // Shows the dialog and clicks "Cancel" once the server has had n index
  // requests; the download goes on.
  UpdThread* CancelOnRequest(size_t n) {
    ModalScript cancel;
    cancel.Then([&] { return RequestsArrived(n) && dialog->isVisible(); },
                [&] { dialog->Button1->click(); });
    dialog->exec();
    return dialog->DownloadThread;
  }

  DemoIndexServer server;
  std::unique_ptr<TOKBottomDlg> dialog;
};

TEST_F(UpdateIndexTest, DialogLayout) {
  EXPECT_EQ(dialog->objectName(), "OKBottomDlg");
  EXPECT_EQ(dialog->windowTitle(), "Update Progress");
  EXPECT_EQ(dialog->size(), QSize(400, 81));
  EXPECT_EQ(dialog->ProgressBar1->objectName(), "ProgressBar1");
  EXPECT_EQ(dialog->ProgressBar1->geometry(), QRect(8, 8, 384, 24));
  EXPECT_EQ(dialog->Button1->objectName(), "Button1");
  EXPECT_EQ(dialog->Button1->geometry(), QRect(160, 48, 75, 25));
  EXPECT_EQ(dialog->Button1->text(), "Cancel");
  EXPECT_EQ(dialog->TranslatedLang, "");
  EXPECT_TRUE(test::Widget<QAction>(*form, "Updateindex1")->isEnabled());
}

TEST_F(UpdateIndexTest, TheServerSeesOneGetWithTheFixedHeadersAndNoRedirectIsFollowed) {
  form->Updateindex1Click();  // an empty index: no question
  EXPECT_TRUE(questions.isEmpty());
  EXPECT_EQ(Sorted(ListedNames()), Sorted(kDemoBitcoinFaucets));

  std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  const std::string& r = requests[0];
  EXPECT_TRUE(r.starts_with("GET /trelio/index.csv HTTP/1.1\n")) << r;
  for (const char* header : {"\nAccept: text/html, */*\n", "\nContent-Type: text/html\n",
                             "\nUser-Agent: Mozilla/3.0 (compatible; Indy Library)\n"})
    EXPECT_NE(r.find(header), std::string::npos) << header << " in\n" << r;

  server.Mode("redirect");
  const int rows = form->Rows().RowCount();
  form->Updateindex1Click();
  EXPECT_EQ(questions, QStringList{"Are you sure you want to update Index?"});
  requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);  // the redirect's target was never asked
  EXPECT_TRUE(requests[1].starts_with("GET /trelio/index.csv ")) << requests[1];
  EXPECT_TRUE(Status().startsWith("HTTP/1.1 302 Found | ")) << Status().toStdString();
  EXPECT_EQ(form->Rows().RowCount(), rows);
  EXPECT_FALSE(fs::exists(Tmp2()));
}

// The announced length becomes the bar's maximum and the bar ends at the
// last count; a slow server moves it in steps; without a length the maximum
// is the 0 the client reports.
TEST_F(UpdateIndexTest, ProgressReachesTheDialog) {
  server.Mode("large");
  const std::string large = server.Index();
  server.Mode("normal");
  const std::string normal = server.Index();
  struct Case {
    const char* mode;
    const std::string& body;
    bool lengthAnnounced;
  };
  for (const Case& c :
       {Case{"large", large, true}, Case{"slow", normal, true}, Case{"chunked", normal, false}}) {
    server.Mode(c.mode);
    const std::string& body = c.body;
    dialog->ProgressBar1->setRange(0, 100);
    std::set<int> positions;
    ModalScript sample;
    sample.Then(
        [&] {
          positions.insert(dialog->ProgressBar1->value());
          return !dialog->isVisible();
        },
        [] {});
    dialog->exec();
    EXPECT_EQ(dialog->ProgressBar1->maximum(), c.lengthAnnounced ? int(body.size()) : 0) << c.mode;
    if (c.lengthAnnounced) {
      EXPECT_EQ(dialog->ProgressBar1->value(), int(body.size())) << c.mode;
    }
    if (std::string(c.mode) == "slow") {
      positions.erase(0);
      positions.erase(int(body.size()));
      EXPECT_GE(positions.size(), 3u) << "the bar did not move in steps";
    }
    const std::string stored = ReadBytes(Tmp2());
    EXPECT_TRUE(stored == body) << c.mode << ": " << stored.size() << " of " << body.size();
  }
}

TEST_F(UpdateIndexTest, CancelClosesAtOnceAndTheTransferEndingLaterWritesNothing) {
  server.Mode("silent");
  bool openAfterKeys = false;
  ModalScript script;
  script
      .Then([&] { return RequestsArrived(1) && dialog->isVisible(); },
            [&] {
              // Neither a default nor a cancel button: Enter and Escape do nothing.
              QTest::keyClick(dialog.get(), Qt::Key_Escape);
              QTest::keyClick(dialog->Button1, Qt::Key_Return);
              openAfterKeys = dialog->isVisible();
            })
      .Then([&] { dialog->Button1->click(); });
  form->Updateindex1Click();  // returns while the server still says nothing
  EXPECT_TRUE(script.Done());
  EXPECT_TRUE(openAfterKeys);
  EXPECT_FALSE(dialog->isVisible());
  UpdThread* first = dialog->DownloadThread;
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(first->Finished());
  const QString status = Status();

  server.Release();  // now it answers with the whole index
  ASSERT_TRUE(WaitUntil([&] { return first->Finished(); }));
  QCoreApplication::processEvents();
  EXPECT_FALSE(fs::exists(Tmp2()));
  EXPECT_EQ(Status(), status);
  EXPECT_EQ(form->Rows().RowCount(), 1);

  // A transfer that fails after "Cancel" still tells so.
  server.Mode("silent");
  UpdThread* second = CancelOnRequest(2);
  server.Mode("500");
  server.Release();
  ASSERT_TRUE(WaitUntil([&] { return second->Finished(); }));
  QCoreApplication::processEvents();
  EXPECT_EQ(Status(), "HTTP/1.1 500 Internal Server Error | " + status);
  EXPECT_FALSE(fs::exists(Tmp2()));
}

// A cancelled download that ends while the dialog is shown again neither
// closes that showing nor leaves a file for it.
TEST_F(UpdateIndexTest, ALateEndOfACancelledDownloadLeavesTheNextShowingAlone) {
  server.Mode("silent");
  UpdThread* cancelled = CancelOnRequest(1);

  bool openAfterItEnded = false;
  bool fileAfterItEnded = true;
  ModalScript next;
  next.Then([&] { return RequestsArrived(2) && dialog->isVisible(); },
            [&] { server.Release(); })  // the cancelled one's request is the older
      .Then([&] { return cancelled->Finished(); },
            [&] {
              QCoreApplication::processEvents();
              openAfterItEnded = dialog->isVisible();
              fileAfterItEnded = fs::exists(Tmp2());
              server.Release();
            });
  dialog->exec();
  EXPECT_TRUE(next.Done());
  EXPECT_TRUE(openAfterItEnded);
  EXPECT_FALSE(fileAfterItEnded);
  server.Mode("normal");
  EXPECT_EQ(ReadBytes(Tmp2()), server.Index());  // the second one's
}

TEST_F(UpdateIndexTest, FailuresGoInFrontOfTheStatusTextAndLeaveNoFile) {
  struct Case {
    const char* mode;
    std::string error;
  };
  const Case cases[] = {
      {"404", "HTTP/1.1 404 Not Found"},
      {"500", "HTTP/1.1 500 Internal Server Error"},
      {"html", "Received a web page, not an index"},
      {"empty", "The server's answer is not an index"},
  };
  for (const Case& c : cases) {
    server.Mode(c.mode);
    for (const QString& before : {QStringLiteral("3 items sorted"), QString()}) {
      test::Widget<PanelStatusBar>(*form, "StatusBar2")->SetPanelText(0, before);
      dialog->exec();
      EXPECT_EQ(Status().toStdString(), c.error + " | " + before.toStdString());
      EXPECT_FALSE(fs::exists(Tmp2())) << c.mode;
    }
  }

  // A server that is not there, and a file that cannot be written.
  server.Mode("normal");
  env.Set(kMakerServerVariable, "127.0.0.1:1");
  test::Widget<PanelStatusBar>(*form, "StatusBar2")->SetPanelText(0, "before");
  dialog->exec();
  EXPECT_TRUE(Status().endsWith(" | before")) << Status().toStdString();
  EXPECT_GT(Status().size(), QString(" | before").size());

  env.Set(kMakerServerVariable, server.demo.Host().c_str());
  form->IndexAndFiles().files.tmp2 = data / "missing/index.tmp2";
  test::Widget<PanelStatusBar>(*form, "StatusBar2")->SetPanelText(0, "before");
  dialog->exec();
  EXPECT_TRUE(Status().startsWith("Cannot create a file in")) << Status().toStdString();
  EXPECT_TRUE(Status().endsWith(" | before"));
}

// A web page sent with status 200 in place of the index adds no rows.
TEST_F(UpdateIndexTest, AWebPageInPlaceOfTheIndexChangesNothing) {
  AddRow("Moon", "http://moon.example/");
  server.Mode("html");
  form->Updateindex1Click();
  EXPECT_EQ(form->Rows().RowCount(), 2);
  EXPECT_FALSE(fs::exists(form->IndexAndFiles().files.csv));
  EXPECT_TRUE(Status().startsWith("Received a web page, not an index | "))
      << Status().toStdString();
}

// A write that fails half-way (here: a file size limit) leaves the earlier
// download whole, and no piece of the new one.
TEST_F(UpdateIndexTest, TheDownloadFileIsWrittenWholeOrNotAtAll) {
  WriteBytes(Tmp2(), "earlier download");
  server.Mode("large");
  {
    const FileSizeLimit limit(100000);
    ASSERT_TRUE(limit.Set());
    test::Widget<PanelStatusBar>(*form, "StatusBar2")->SetPanelText(0, "before");
    dialog->exec();
  }

  const std::string words = "Cannot write \"" + Tmp2() + "\": File too large";
  EXPECT_TRUE(Status().startsWith(QString::fromStdString(words))) << Status().toStdString();
  const std::string stored = ReadBytes(Tmp2());
  EXPECT_TRUE(stored == "earlier download") << stored.size() << " bytes";
  EXPECT_EQ(std::distance(fs::directory_iterator(data.path()), {}), 1);
}

TEST_F(UpdateIndexTest, ASuccessfulUpdateRotatesTheBackupsTwiceAndListsTheFaucets) {
  const std::string onDisk = "Currency;Name;Url\r\nbitcoin;Moon;http://moon.example/\r\n";
  WriteBytes(form->IndexAndFiles().files.csv, onDisk);
  AddRow("Moon", "http://moon.example/");
  AddRow("Sun", "http://sun.example/");
  form->RebuildList();
  Select(0);
  form->ListBox1DblClick();
  ASSERT_NE(form->BrowsingControl().BrowsedItem(), nullptr);

  form->Updateindex1Click();
  EXPECT_EQ(questions, QStringList{"Are you sure you want to update Index?"});
  EXPECT_EQ(form->BrowsingControl().BrowsedItem(), nullptr);
  EXPECT_EQ(ReadBytes(form->IndexAndFiles().files.bak2), onDisk);
  const std::string beforeMerge = ReadBytes(form->IndexAndFiles().files.bak);
  EXPECT_NE(beforeMerge.find("bitcoin;Sun;"), std::string::npos);
  EXPECT_EQ(beforeMerge.find("Demo Bitcoin"), std::string::npos);
  EXPECT_NE(ReadBytes(form->IndexAndFiles().files.csv).find("Demo Bitcoin Faucet"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(Tmp2()));

  std::vector<std::string> expected = kDemoBitcoinFaucets;
  expected.push_back("Moon");
  expected.push_back("Sun");
  EXPECT_EQ(Sorted(ListedNames()), Sorted(expected));
  EXPECT_NE(form->CurrentSettings().noPayTemplate.find("the faucet is dry"), std::string::npos);
}

// A first start: an empty data folder, no index anywhere, the demo server.
class FirstStartTest : public StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    env.Set(kMakerServerVariable, server.demo.Host().c_str());
  }
  void TearDown() override {
    dialog.reset();
    StartedWindowTest::TearDown();
  }

  // Shows the window with the update dialog already there: the first show
  // downloads the index.
  void StartWithDialog() {
    form = std::make_unique<TForm1>(browsers, options);
    dialog = std::make_unique<TOKBottomDlg>(*form);
    form->show();
  }
  std::string DataFile(const char* name) const { return Data(name).toStdString(); }

  ScopedEnv env;
  DemoIndexServer server;
  std::unique_ptr<TOKBottomDlg> dialog;
};

TEST_F(FirstStartTest, DownloadsAndListsTheDemoFaucetsWithTheDialogOnScreen) {
  server.Mode("silent");
  bool shownWhileDownloading = false;
  ModalScript script;
  script.Then([&] { return dialog && dialog->isVisible() && server.Requests().size() == 1; },
              [&] {
                shownWhileDownloading = form->isVisible();
                server.Release();
              });
  StartWithDialog();
  ASSERT_TRUE(WaitUntil([&] { return !form->FirstShow && !dialog->isVisible(); }));
  EXPECT_TRUE(shownWhileDownloading);
  EXPECT_EQ(Sorted(ListedNames(*form)), Sorted(kDemoBitcoinFaucets));
  EXPECT_NE(ReadBytes(DataFile("index.csv")).find("Demo Litecoin Faucet"), std::string::npos);
  EXPECT_FALSE(fs::exists(DataFile("index.tmp2")));
}

// The program closes while the server never answers: the transfer is
// abandoned, and the shutdown saves as always.
TEST_F(FirstStartTest, ClosingWhileTheServerNeverAnswersEndsAndSaves) {
  Write(Data("index.csv"), "Currency;Name;Url;Interval\r\nbitcoin;Moon;http://moon.example/;5\r\n");
  StartWithDialog();
  ASSERT_TRUE(WaitUntil([&] { return !form->FirstShow; }));
  server.Mode("silent");
  form->UserPrompts().confirm = [](QWidget*, const QString&) { return true; };
  ModalScript script;
  script.Then([&] { return dialog->isVisible() && server.Requests().size() == 1; },
              [&] { dialog->Button1->click(); });
  form->Updateindex1Click();
  ASSERT_FALSE(dialog->DownloadThread->Finished());

  form->close();
  dialog.reset();  // would wait for the silent server for ever
  form.reset();
  EXPECT_NE(ReadBytes(DataFile("index.csv")).find("bitcoin;Moon;"), std::string::npos);
  EXPECT_TRUE(fs::exists(DataFile("settings.ini")));
  EXPECT_FALSE(fs::exists(DataFile("index.tmp2")));
}

}  // namespace
}  // namespace trelio::test
