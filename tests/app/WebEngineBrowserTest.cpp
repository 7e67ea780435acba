#include "app/browser/WebEngineRuntime.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <QWidget>
#include <QtTest/QTest>

#include "app/browser/EmbeddedBrowser.h"
#include "tests/support/window/EventLoopWait.h"

namespace trelio {
namespace {

// The real engine, offscreen, on a page from a temporary folder.
class WebEngineBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WebEngineRuntime::MissingRuntime().isEmpty())
        << WebEngineRuntime::MissingRuntime().toStdString();
    QFile page(folder.filePath(QStringLiteral("page.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(
        "<html><head><title>Faucet</title></head><body>"
        "<form><input type=text name=address></form><p>You got 0.00012 BTC</p>"
        "<script>console.log('page script ran');</script></body></html>");
    page.close();
    url = QUrl::fromLocalFile(page.fileName()).toString();

    browser = runtime.MakeBrowser();
    host.resize(400, 300);
    ASSERT_TRUE(browser->CreateBrowser(&host));
    const int id = browser->Identifier();
    auto note = [this, id](int browserId, const QString& what) {
      EXPECT_EQ(browserId, id);
      events << what;
    };
    QObject::connect(browser.get(), &EmbeddedBrowser::LoadStart,
                     [=](int b, bool main, const QString&) { note(b, main ? "start" : "sub"); });
    QObject::connect(browser.get(), &EmbeddedBrowser::LoadEnd,
                     [=, this](int b, bool, const QString& u, int status) {
                       note(b, QStringLiteral("end %1").arg(status));
                       endUrl = u;
                     });
    QObject::connect(
        browser.get(), &EmbeddedBrowser::LoadingStateChange,
        [=](int b, bool loading, bool, bool) { note(b, loading ? "loading" : "idle"); });
    QObject::connect(browser.get(), &EmbeddedBrowser::DocumentAvailableInMainFrame,
                     [=](int b) { note(b, "document"); });
    QObject::connect(browser.get(), &EmbeddedBrowser::ConsoleMessage,
                     [=](int b, ConsoleLevel, const QString& m, const QString&, int) {
                       note(b, "console " + m);
                     });
    QObject::connect(browser.get(), &EmbeddedBrowser::TextResultAvailable,
                     [=, this](int b, quint64 request, const QString& text) {
                       note(b, QStringLiteral("text %1").arg(request));
                       pageText = text;
                     });
  }
  void TearDown() override {
    runtime.Shutdown();
    browser.reset();
  }

  bool WaitFor(const QString& event) {
    return test::WaitUntil([&] { return events.contains(event); }, 30000);
  }

  QTemporaryDir folder;
  QString url;
  WebEngineRuntime runtime;
  QWidget host;
  std::unique_ptr<EmbeddedBrowser> browser;
  QStringList events;
  QString endUrl;
  QString pageText;
};

TEST_F(WebEngineBrowserTest, LoadsAPageRunsScriptsAndGivesItsText) {
  // The view comes at once; the engine starts with the first request.
  EXPECT_NE(browser->View(), nullptr);
  EXPECT_FALSE(runtime.EngineStarted());
  EXPECT_TRUE(browser->MainFrameUrl().isEmpty());
  EXPECT_FALSE(runtime.EngineStarted());
  browser->LoadUrl(url);
  EXPECT_TRUE(runtime.EngineStarted());
  ASSERT_TRUE(WaitFor("idle")) << events.join(" | ").toStdString();
  EXPECT_EQ(endUrl, url);
  EXPECT_EQ(browser->MainFrameUrl(), url);
  const qsizetype loading = events.indexOf("loading"), start = events.indexOf("start"),
                  document = events.indexOf("document"), end = events.indexOf("end 200"),
                  idle = events.indexOf("idle");
  EXPECT_TRUE(loading >= 0 && loading < start) << events.join(" | ").toStdString();
  EXPECT_TRUE(start < document && document < end && end < idle) << events.join(" | ").toStdString();
  // The document is available before the page's own scripts run.
  EXPECT_LT(document, events.indexOf("console page script ran"))
      << events.join(" | ").toStdString();
  // The document marker is an event of its own, never a console line.
  for (const QString& e : events) EXPECT_FALSE(e.contains("korvane-trelio")) << e.toStdString();

  browser->ExecuteJavaScript(QStringLiteral("console.log('title ' + document.title)"));
  EXPECT_TRUE(WaitFor("console title Faucet"));
  browser->RetrieveText(7);
  ASSERT_TRUE(WaitFor("text 7"));
  EXPECT_TRUE(pageText.contains("You got 0.00012 BTC")) << pageText.toStdString();
  EXPECT_FALSE(browser->CanGoBack());
}

// The event comes once per main-frame document, from our own world with a
// marker the page cannot know: a page that logs a look-alike line, replaces
// console.log and holds a frame raises it once all the same.
TEST_F(WebEngineBrowserTest, APageCanNeitherFakeNorHideTheDocumentEvent) {
  QFile page(folder.filePath(QStringLiteral("hostile.html")));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write(
      "<html><head><script>var log = console.log;"
      "log('korvane-trelio-document-available:00000000-0000-0000-0000-000000000000');"
      "console.log = function () {};</script></head>"
      "<body><iframe srcdoc='<p>frame</p>'></iframe></body></html>");
  page.close();
  browser->LoadUrl(QUrl::fromLocalFile(page.fileName()).toString());
  ASSERT_TRUE(WaitFor("idle")) << events.join(" | ").toStdString();
  EXPECT_EQ(events.count("document"), 1) << events.join(" | ").toStdString();
  EXPECT_EQ(
      events.filter("console korvane-trelio-document-available:00000000-0000-0000-0000").size(), 1);
}

TEST_F(WebEngineBrowserTest, PopupDecisionCancelsOrOpens) {
  QStringList asked;
  bool cancel = true;
  browser->SetBeforePopup([&](const QString& target) {
    asked << target;
    return cancel;
  });
  browser->LoadUrl(url);
  ASSERT_TRUE(WaitFor("idle"));
  const int windows = QApplication::topLevelWidgets().size();
  browser->ExecuteJavaScript(
      QStringLiteral("console.log('opened ' + (window.open('about:blank#one') !== null))"));
  ASSERT_TRUE(test::WaitUntil(
      [&] { return events.filter(QStringLiteral("console opened")).size() == 1; }, 30000));
  EXPECT_EQ(asked, QStringList({"about:blank#one"}));
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windows);

  cancel = false;
  browser->ExecuteJavaScript(
      QStringLiteral("console.log('second ' + (window.open('about:blank#two') !== null))"));
  ASSERT_TRUE(WaitFor("console second true"));
  EXPECT_EQ(QApplication::topLevelWidgets().size(), windows + 1);
}

// Started ahead of any request, the engine gives the views their pages, the
// document script included, so the first request finds them ready.
TEST_F(WebEngineBrowserTest, AStartedEngineGivesEveryViewItsPage) {
  auto second = runtime.MakeBrowser();
  ASSERT_TRUE(second->CreateBrowser(&host));
  runtime.StartEngine();
  ASSERT_TRUE(runtime.EngineStarted());
  for (EmbeddedBrowser* b : {browser.get(), second.get()}) {
    auto* view = qobject_cast<QWebEngineView*>(b->View());
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->page(), nullptr);
    EXPECT_FALSE(view->page()
                     ->scripts()
                     .find(QStringLiteral("korvane-trelio-document-available"))
                     .isEmpty());
  }
  browser->LoadUrl(url);
  EXPECT_TRUE(WaitFor("document"));
}

TEST_F(WebEngineBrowserTest, AfterShutdownRequestsDoNothing) {
  runtime.Shutdown();
  EXPECT_FALSE(browser->Initialized());
  EXPECT_EQ(browser->View(), nullptr);
  browser->LoadUrl(url);
  browser->RetrieveText(1);
  browser->Show();
  EXPECT_FALSE(browser->IsVisible());
  EXPECT_TRUE(browser->MainFrameUrl().isEmpty());
  // A window asked for after the engine has gone cannot be created.
  auto late = runtime.MakeBrowser();
  EXPECT_FALSE(late->CreateBrowser(&host));
}

}  // namespace
}  // namespace trelio
