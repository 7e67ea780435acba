// A window benchmark's process: offscreen unless the command's environment
// names a platform, and the window's data, settings and caches in folders of
// the run's own, never the user's, for as long as it lives.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace trelio {

class RunFolders {
 public:
  RunFolders() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const char* name :
         {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
      const QString folder = folders_.filePath(QString::fromLatin1(name).toLower());
      QDir().mkpath(folder);
      QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
      qputenv(name, QFile::encodeName(folder));
    }
  }
  RunFolders(const RunFolders&) = delete;
  RunFolders& operator=(const RunFolders&) = delete;

 private:
  QTemporaryDir folders_;
};

}  // namespace trelio
