// The built program, started as a user starts it, says nothing of the
// engine's sandbox: as root the program turns it off itself, so the engine's
// "disabled by user" would be wrong.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

namespace trelio {
namespace {

constexpr int kStartTimeoutMs = 120000;

TEST(EngineSandboxWebEngineTest, TheEngineStartsWithoutAWordAboutItsSandbox) {
  QTemporaryDir work;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  // This test program prepared its own engine; the program prepares its own.
  env.remove(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"));
  env.remove(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"));
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("KORVANE_TRELIO_SERVER"), QStringLiteral("127.0.0.1:1"));
  env.insert(QStringLiteral("KORVANE_TRELIO_EXIT_ON_ENGINE_START"), QStringLiteral("1"));
  QProcess program;
  program.setProcessEnvironment(env);
  program.setWorkingDirectory(work.path());
  program.start(QStringLiteral(KT_PROGRAM), {});
  ASSERT_TRUE(program.waitForFinished(kStartTimeoutMs));
  const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
  const QString err = QString::fromLocal8Bit(program.readAllStandardError());
  ASSERT_TRUE(out.contains(QStringLiteral("engine started"))) << out.toStdString();
  EXPECT_FALSE(err.contains(QStringLiteral("andbox"))) << err.toStdString();
}

}  // namespace
}  // namespace trelio
