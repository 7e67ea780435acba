// The window tests run inside one QApplication on the offscreen platform,
// with their runtime and cache folders in a temporary place. Each test gets
// data and config folders of its own, so no window reads what another one
// wrote at its exit, and none touches the user's.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStyleFactory>
#include <QTemporaryDir>

#include "app/browser/WebEngineRuntime.h"
#include "app/program/Application.h"
#include "app/widgets/Fonts.h"
#include "app/widgets/Pictures.h"

namespace {

class FreshUserFolders : public ::testing::EmptyTestEventListener {
 public:
  explicit FreshUserFolders(QString root) : root_(std::move(root)) {}

  void OnTestStart(const ::testing::TestInfo&) override {
    const QString base = root_ + QStringLiteral("/test-%1").arg(++count_);
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
      const QString folder = base + QLatin1Char('/') + QString::fromLatin1(name).toLower();
      QDir().mkpath(folder);
      qputenv(name, QFile::encodeName(folder));
    }
  }

 private:
  QString root_;
  int count_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  trelio::WebEngineRuntime::PrepareProcess();
  QTemporaryDir folders;
  const QString runtime = folders.path() + QStringLiteral("/runtime");
  const QString cache = folders.path() + QStringLiteral("/cache");
  QDir().mkpath(runtime);
  QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
  qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());
  ::testing::UnitTest::GetInstance()->listeners().Append(
      new FreshUserFolders(folders.path() + QStringLiteral("/users")));

  trelio::Application app(argc, argv);
  trelio::Application::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  trelio::InstallFontSubstitutes();
  trelio::Application::setFont(trelio::SansSerifFont(12));
  trelio::InitPictures();
  return RUN_ALL_TESTS();
}
