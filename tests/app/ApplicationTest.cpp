#include "app/program/Application.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QTimer>
#include <stdexcept>

#include "app/browser/WebEngineRuntime.h"
#include "app/core/index/InOutError.h"
#include "app/program/SessionEndSignals.h"
#include "localisation/LcUnit.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/window/EventLoopWait.h"

namespace trelio {
namespace {

Application& App() { return *static_cast<Application*>(QCoreApplication::instance()); }

TEST(ApplicationTest, ErrorBoxTextEndsInAFullStop) {
  const std::pair<const char*, const char*> cases[] = {
      {"Cannot open file", "Cannot open file."},
      {"Done.", "Done."},
      {"Really!", "Really!"},  // "!" comes before "."
      {"(code 5)", "(code 5)"},
      {"", ""},
  };
  for (const auto& [error, shown] : cases)
    EXPECT_EQ(Application::ErrorBoxText(QString::fromLatin1(error)), QString::fromLatin1(shown));
}

TEST(ApplicationTest, AnErrorInAnEventHandlerIsShownAndTheLoopGoesOn) {
  QStringList shown;
  App().SetErrorBox([&](const QString& text) { shown << text; });
  bool later = false;
  QTimer::singleShot(0, [] { throw std::runtime_error("Index file is damaged"); });
  QTimer::singleShot(0, [] { throw 7; });
  QTimer::singleShot(1, [&] { later = true; });
  EXPECT_TRUE(test::WaitUntil([&] { return later; }));
  EXPECT_EQ(shown, QStringList({"Index file is damaged.", "Unknown error."}));
  App().SetErrorBox({});
}

// The program's own texts come from the language: an error without words of
// its own, and the browser's missing helper.
TEST(ApplicationTest, ProgramTextsAreInTheActiveLanguage) {
  ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, 1049, nullptr, 0), 1);
  QStringList shown;
  App().SetErrorBox([&](const QString& text) { shown << text; });
  bool later = false;
  QTimer::singleShot(0, [] { throw 7; });
  QTimer::singleShot(1, [&] { later = true; });
  EXPECT_TRUE(test::WaitUntil([&] { return later; }));
  App().SetErrorBox({});
  test::ScopedEnv env;
  env.Set("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
  const QString missing = WebEngineRuntime::MissingRuntime();
  LcReleaseLanguage();
  EXPECT_EQ(shown, QStringList({QString::fromUtf8("Неизвестная ошибка.")}));
  EXPECT_EQ(missing, QString::fromUtf8("Встроенный браузер не может запуститься: нет его "
                                       "вспомогательной программы "
                                       "\"/nonexistent/QtWebEngineProcess\"."));
}

// A file's error names its path, and paths are UTF-8: so are its words.
TEST(ApplicationTest, AFileErrorIsShownAsUtf8) {
  QStringList shown;
  App().SetErrorBox([&](const QString& text) { shown << text; });
  const std::string path = "/home/\xD0\xBF\xD1\x91/index.csv";
  QTimer::singleShot(0,
                     [&] { throw EInOutError("Cannot write \"" + path + "\": Disk full", path); });
  EXPECT_TRUE(test::WaitUntil([&] { return !shown.isEmpty(); }));
  EXPECT_EQ(shown, QStringList({QString::fromUtf8(
                       "Cannot write \"/home/\u043F\u0451/index.csv\": Disk full.")}));
  App().SetErrorBox({});
}

// Also where an error is caught outside an event handler, as during the
// main window's creation.
TEST(ApplicationTest, ExceptionTextReadsAFileErrorAsUtf8) {
  const std::string path = "/home/\xD0\xBF\xD1\x91/index.csv";
  EXPECT_EQ(ExceptionText(EInOutError("Cannot read \"" + path + "\": Not found", path)),
            QString::fromUtf8("Cannot read \"/home/\u043F\u0451/index.csv\": Not found"));
  EXPECT_EQ(ExceptionText(std::runtime_error("Index file is damaged")),
            QStringLiteral("Index file is damaged"));
}

TEST(SessionEndSignalsTest, EachSignalRunsTheActionOnTheWindowThread) {
  int runs = 0;
  SessionEndSignals watcher([&] { ++runs; });
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    const int before = runs;
    raise(sig);
    EXPECT_TRUE(test::WaitUntil([&] { return runs > before; })) << sig;
  }
  EXPECT_EQ(runs, 3);
}

TEST(SessionEndSignalsTest, OldHandlersComeBackWhenItGoes) {
  struct sigaction before = {};
  sigaction(SIGHUP, nullptr, &before);
  {
    SessionEndSignals watcher([] {});
  }
  struct sigaction after = {};
  sigaction(SIGHUP, nullptr, &after);
  EXPECT_EQ(before.sa_handler, after.sa_handler);
}

}  // namespace
}  // namespace trelio
