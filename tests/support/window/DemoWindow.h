// The main window with real browser windows on the demo server's index, and a
// recorder of one browser window's events. Shared by the real-browser tests
// and the browsing benchmark.
#pragma once

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/browser/WebEngineRuntime.h"
#include "app/platform/HttpClient.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"
#include "tests/support/DemoServerProcess.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/window/EventLoopWait.h"
#include "tests/support/window/Widget.h"

// Readable QStrings in test failures.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace trelio::test {

// What one browser window has raised, in order.
class BrowserRecorder {
 public:
  explicit BrowserRecorder(EmbeddedBrowser& browser) {
    QObject::connect(&browser, &EmbeddedBrowser::LoadStart,
                     [this](int, bool, const QString& url) { loadStarts << url; });
    QObject::connect(&browser, &EmbeddedBrowser::LoadEnd,
                     [this](int, bool, const QString& url, int) { loadEnds << url; });
    QObject::connect(
        &browser, &EmbeddedBrowser::ConsoleMessage,
        [this](int, ConsoleLevel, const QString& line, const QString&, int) { console << line; });
  }

  // Waits until a load whose URL contains part has ended.
  bool WaitForLoadEnd(const QString& part, int timeoutMs = 30000) {
    return WaitUntil([&] { return !loadEnds.filter(part).isEmpty(); }, timeoutMs);
  }

  QStringList loadStarts;
  QStringList loadEnds;
  QStringList console;
};

class DemoWindow {
 public:
  // The address of the Bitcoin tab holds a double quote and a backslash, so
  // every test sees them arrive literally.
  static constexpr const char* kAddress = "1Demo\"Quote\\Addr";

  // A first start in a working folder that holds the demo index.
  DemoWindow() {
    const HttpResult index = HttpGet(demo.Url("/trelio/index.csv"), test::kWholeAnswer);
    if (!index.ok()) throw std::runtime_error("demo index: " + index.error);
    QFile file(folder.filePath(QStringLiteral("index.csv")));
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write index.csv");
    file.write(index.body.data(), static_cast<qint64>(index.body.size()));
    file.close();

    StartupOptions options;
    options.workingFolder = folder.path();
    form = std::make_unique<TForm1>(runtime, std::move(options));
    if (form->Rows().RowCount() < 2) throw std::runtime_error("demo index not imported");
    test::Widget<QTabWidget>(*form, "PageControl1")->setCurrentIndex(0);
    test::AddressEditAt(*form, 0)->setText(QString::fromUtf8(kAddress));
    // The index's own order.
    form->CurrentSettings().sortBy = 0;
    form->CurrentSettings().order = 0;
    form->RebuildList();
    form->resize(1000, 700);
    form->show();
    first = std::make_unique<BrowserRecorder>(*form->WebBrowser1);
    second = std::make_unique<BrowserRecorder>(*form->WebBrowser2);
  }
  ~DemoWindow() {
    runtime.Shutdown();
    form.reset();
  }

  // The list position of the faucet whose page is page ("btc-claim").
  int PositionOf(const std::string& page) const {
    for (int i = 0; i < test::Widget<FaucetListBox>(*form, "ListBox1")->count(); ++i)
      if ((*test::Widget<FaucetListBox>(*form, "ListBox1")->Row(i))[fUrl].find(
              "/demo/" + page + ".html") != std::string::npos)
        return i;
    throw std::runtime_error("no demo faucet " + page);
  }
  FaucetItem& Row(const std::string& page) const {
    return *test::Widget<FaucetListBox>(*form, "ListBox1")->Row(PositionOf(page));
  }

  // Selects the faucet and browses it ("Browse selected item"), with the
  // detail edits filled from its row.
  void Browse(const std::string& page) {
    test::Widget<FaucetListBox>(*form, "ListBox1")->SetItemIndex(PositionOf(page));
    form->ToolButton2Click();
  }

  // Runs script in the window's page and waits for the console line it logs
  // that begins with tag; the rest of that line, or "(none)" on time-out.
  QString Ask(EmbeddedBrowser& browser, BrowserRecorder& recorder, const QString& tag,
              const QString& script) {
    const qsizetype before = recorder.console.size();
    browser.ExecuteJavaScript(script);
    QString answer = QStringLiteral("(none)");
    WaitUntil(
        [&] {
          for (qsizetype i = before; i < recorder.console.size(); ++i)
            if (recorder.console[i].startsWith(tag)) {
              answer = recorder.console[i].mid(tag.size());
              return true;
            }
          return false;
        },
        30000);
    return answer;
  }

  // "name=value" of every text input of the page, joined by "|".
  QString TextInputs(EmbeddedBrowser& browser, BrowserRecorder& recorder) {
    return Ask(browser, recorder, QStringLiteral("KT-INPUTS "),
               QStringLiteral("console.log('KT-INPUTS ' + Array.from(document.querySelectorAll("
                              "'input[type=text]')).map(function (e) { return e.name + '=' + "
                              "e.value; }).join('|'))"));
  }

  DemoServerProcess demo;
  QTemporaryDir folder;
  WebEngineRuntime runtime;
  std::unique_ptr<TForm1> form;
  std::unique_ptr<BrowserRecorder> first;
  std::unique_ptr<BrowserRecorder> second;
};

}  // namespace trelio::test
