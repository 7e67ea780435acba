#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

#include "app/threads/VerThread.h"
#include "app/window/Unit2.h"
#include "tests/support/ResidentMemory.h"
#include "tests/support/window/MouseRelease.h"
#include "tests/support/window/OpenedUrls.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio {
namespace {

using test::WaitUntil;

// A port on 127.0.0.1 that takes connections into its backlog and never
// answers them, or, unlistened, refuses them.
class SilentPort {
 public:
  explicit SilentPort(bool listening) {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    EXPECT_EQ(bind(fd_, reinterpret_cast<sockaddr*>(&address), size), 0);
    EXPECT_EQ(getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size), 0);
    port_ = ntohs(address.sin_port);
    if (listening) {
      EXPECT_EQ(listen(fd_, 8), 0);
    } else {
      close(fd_);
      fd_ = -1;
    }
  }
  ~SilentPort() {
    if (fd_ >= 0) close(fd_);
  }
  std::string Host() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  int fd_ = -1;
  int port_ = 0;
};

class AboutBoxTest : public test::WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    box = std::make_unique<TAboutBox>(*form);
  }
  void TearDown() override {
    box.reset();
    WindowFixture::TearDown();
  }

  // Shows the box as the menu does, without waiting for it to be closed,
  // and waits for its check to end.
  void ShowAndWait() {
    box->show();
    ASSERT_NE(box->VersionThread, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return box->VersionThread->Finished(); }));
  }
  QString Status() const { return box->Label4->text(); }
  bool StatusShown() const { return box->Label4->isVisibleTo(box->Panel1); }
  bool ButtonShown() const { return box->SpeedButton3->isVisibleTo(box->Panel1); }

  std::unique_ptr<TAboutBox> box;
};

TEST_F(AboutBoxTest, ShowsWhatTheServerSays) {
  const QString upToDate = QStringLiteral("Korvane Trelio is up to date.");
  const QString checking = QStringLiteral("Checking for new version...");
  struct Case {
    const char* body;
    int status;
    QString label;   // Label4, shown when button is empty
    QString button;  // SpeedButton3, shown instead of the label
  } const cases[] = {
      {"101", 200, upToDate, {}},
      {"102\r\n", 200, {}, QStringLiteral("Korvane Trelio version 1.02 available!")},
      {"1000", 200, {}, QStringLiteral("Korvane Trelio version 10.00 available!")},
      {"abc", 200, upToDate, {}},
      {"-5", 200, upToDate, {}},
      {"", 200, checking, {}},
      {"103", 500, checking + QStringLiteral(" failed"), {}},
      {"103", 404, checking + QStringLiteral(" failed"), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.body + std::string(" ") + std::to_string(c.status));
    server.Serve("/trelio/version.txt", c.body, c.status, "text/plain");
    ShowAndWait();
    EXPECT_EQ(box->Label1->text(), QStringLiteral("version 1.01"));
    EXPECT_EQ(StatusShown(), c.button.isEmpty());
    EXPECT_EQ(ButtonShown(), !c.button.isEmpty());
    if (c.button.isEmpty())
      EXPECT_EQ(Status(), c.label);
    else
      EXPECT_EQ(box->SpeedButton3->text(), c.button);
    box->hide();
  }
  const std::vector<test::RecordedRequest> requests = server.Requests();
  ASSERT_FALSE(requests.empty());
  const test::RecordedRequest& r = requests.back();
  EXPECT_EQ(r.method, "GET");
  EXPECT_EQ(r.version, "HTTP/1.1");
  EXPECT_EQ(r.Header("User-Agent"), "Mozilla/3.0 (compatible; Indy Library)");
  EXPECT_EQ(r.Header("Accept"), "text/html, */*");
}

TEST_F(AboutBoxTest, NoConnectionAddsFailedOnceAndEachShowingStartsAfresh) {
  const SilentPort refusing(false);
  env.Set(kMakerServerVariable, refusing.Host().c_str());
  for (int showing = 1; showing <= 2; ++showing) {
    ShowAndWait();
    EXPECT_EQ(Status(), QStringLiteral("Checking for new version... failed")) << showing;
    EXPECT_TRUE(StatusShown());
    EXPECT_FALSE(ButtonShown());
    box->hide();
  }
  // After a newer version was found, the next showing checks again.
  env.Set(kMakerServerVariable, server.Host().c_str());
  server.Serve("/trelio/version.txt", "102");
  ShowAndWait();
  EXPECT_TRUE(ButtonShown());
  box->hide();
  server.Serve("/trelio/version.txt", "102", 500);
  box->show();
  EXPECT_EQ(Status(), QStringLiteral("Checking for new version..."));
  EXPECT_TRUE(StatusShown());
  EXPECT_FALSE(ButtonShown());
}

// The next showing checks afresh, so nobody sees what a check finds once
// the box is closed: closing ends it, also while the server keeps silent.
TEST_F(AboutBoxTest, ClosingTheBoxEndsItsCheck) {
  server.ServeStream("/trelio/version.txt", {"10", "2\n"}, true);
  server.HoldStreams();
  box->show();
  ASSERT_TRUE(WaitUntil([&] { return server.RequestCount() == 1; }));
  box->OKButton->click();
  EXPECT_FALSE(box->isVisible());
  EXPECT_TRUE(WaitUntil([&] { return box->VersionThread->Finished(); }, 10000));
  server.ReleaseStreams();
  QCoreApplication::processEvents();
  EXPECT_FALSE(ButtonShown());
  EXPECT_EQ(Status(), QStringLiteral("Checking for new version..."));
}

// A version text without end is a failed check, however often the box is
// shown, and the memory it may take stays small.
TEST_F(AboutBoxTest, AVersionTextWithoutEndFailsWithMemoryBounded) {
  constexpr int64_t kBound = int64_t(32) << 20;
  server.ServeEndless("/trelio/version.txt", "102\n" + std::string(64 << 10, ' '));
  const test::ResidentMemoryWatch memory;
  for (int showing = 1; showing <= 3; ++showing) {
    box->show();
    VerThread* check = box->VersionThread;
    ASSERT_TRUE(WaitUntil([&] { return check->Finished() || memory.Grown() > kBound; }));
    box->hide();
    EXPECT_TRUE(check->Finished()) << showing;
    EXPECT_EQ(Status(), QStringLiteral("Checking for new version... failed")) << showing;
  }
  EXPECT_LT(memory.PeakGrowth(), kBound);
}

TEST_F(AboutBoxTest, ACheckLeftBehindByANewShowingWritesNothing) {
  const SilentPort silent(true);
  env.Set(kMakerServerVariable, silent.Host().c_str());
  box->show();
  VerThread* const first = box->VersionThread;
  box->hide();
  env.Set(kMakerServerVariable, server.Host().c_str());
  server.Serve("/trelio/version.txt", "101");
  ShowAndWait();
  EXPECT_NE(box->VersionThread, first);
  EXPECT_EQ(Status(), QStringLiteral("Korvane Trelio is up to date."));
  // The first one gives up its transfer; ending it adds no " failed".
  ASSERT_TRUE(WaitUntil([&] { return first->Finished(); }));
  QCoreApplication::processEvents();
  EXPECT_EQ(Status(), QStringLiteral("Korvane Trelio is up to date."));
}

TEST_F(AboutBoxTest, ExitWhileTheServerNeverAnswersEndsTheCheck) {
  const SilentPort silent(true);
  env.Set(kMakerServerVariable, silent.Host().c_str());
  box->show();
  ASSERT_FALSE(box->VersionThread->Finished());
  // The program ends: the windows go in the reverse order of their making.
  // Neither waits for the silent server.
  box.reset();
  EXPECT_EQ(form->AboutBox, nullptr);
  form.reset();
}

TEST_F(AboutBoxTest, ShownFromTheMenuAndClosedWithOk) {
  server.Serve("/trelio/version.txt", "101");
  ASSERT_TRUE(test::Widget<QAction>(*form, "About1")->isEnabled());
  bool shown = false;
  QTimer::singleShot(0, box.get(), [&] {
    shown = box->isVisible() && box->isModal();
    ASSERT_TRUE(WaitUntil([&] { return box->VersionThread->Finished(); }));
    box->OKButton->click();
  });
  test::Widget<QAction>(*form, "About1")->trigger();
  EXPECT_TRUE(shown);
  EXPECT_FALSE(box->isVisible());
  EXPECT_EQ(Status(), QStringLiteral("Korvane Trelio is up to date."));
}

class AboutBoxLinksTest : public AboutBoxTest {
 protected:
  test::OpenedUrls opened;
};

TEST_F(AboutBoxLinksTest, ButtonsAndSiteNameOpenTheMakersPages) {
  const std::pair<QAbstractButton*, const char*> buttons[] = {
      {box->SpeedButton3, "/trelio.php"},   {box->SpeedButton4, "/trelio.php"},
      {box->SpeedButton5, "/mail.php"},     {box->SpeedButton1, "/btc.php"},
      {box->SpeedButton2, "/btc_rate.php"}, {box->SpeedButton6, "/trade.php"},
      {box->SpeedButton7, "/news.php"},
  };
  QStringList expected;
  for (const auto& [button, path] : buttons) {
    button->click();
    expected << QString::fromStdString(server.Url(path));
  }
  test::Release(box->Label3);
  expected << QString::fromStdString(server.Url("/"));
  // The main menu's two open the same pages the same way.
  test::Widget<QAction>(*form, "HomePage1")->trigger();
  test::Widget<QAction>(*form, "Feedback1")->trigger();
  expected << QString::fromStdString(server.Url("/trelio.php"))
           << QString::fromStdString(server.Url("/mail.php"));
  EXPECT_EQ(opened.urls, expected);
  EXPECT_EQ(box->Label3->text(), QString::fromStdString(server.Host()));
}

}  // namespace
}  // namespace trelio
