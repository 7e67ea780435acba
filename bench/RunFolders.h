// The window's data, settings and caches go to folders of the benchmark run's
// own, never to the user's.
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace trelio {

inline void UseFoldersOfTheRun(const QTemporaryDir& folders) {
  for (const char* name :
       {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"}) {
    const QString folder = folders.filePath(QString::fromLatin1(name).toLower());
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv(name, QFile::encodeName(folder));
  }
}

}  // namespace trelio
