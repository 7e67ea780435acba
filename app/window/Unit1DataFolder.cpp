// The data folder while the program runs: held by one program at a time, and
// settings.ini kept on disk as the settings change.
#include <QFile>
#include <cstdio>

#include "app/core/text/Messages.h"
#include "app/program/Application.h"
#include "app/program/RunningInstance.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"

namespace trelio {

bool TForm1::HoldDataFolder(const DataFiles& files) {
  const QString folder = QFile::decodeName(QByteArray::fromStdString(files.folder));
  FolderLockAttempt attempt = LockFile(files.lock);
  if (attempt.takenByAnother) {
    DataFolderTaken = true;
    takenFolder_ = folder;
    return false;
  }
  // A folder that cannot be locked (a file system without locks) is still
  // used: the lock guards against a second start, not against this one.
  if (!attempt.ok()) std::fprintf(stderr, "Korvane Trelio: %s\n", attempt.error.c_str());
  folderLock_ = std::move(attempt.lock);
  new RunningInstance(
      folder, [this] { BringToFront(); }, this);
  return true;
}

void TForm1::TellDataFolderTaken() {
  CallRunningInstance(takenFolder_);
  ShowErrorBox(MessageQString(msgAlreadyRunning) + QStringLiteral(" \"") + takenFolder_ +
               QStringLiteral("\"."));
}

void TForm1::BringToFront() {
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void TForm1::KeepSettingsOnDisk() {
  if (!settingsWriter_ || !settingsRestored_) return;
  // The bytes are made here, where the settings live; the disk is the
  // writer's, which writes into the file as it is then, as the exit does.
  AppSettings now = WindowSettings();
  std::string bytes = SettingsFileBytes(settingsWritten_, now);
  if (bytes == settingsWritten_) return;
  settingsWritten_ = std::move(bytes);
  settingsWriter_->Post(
      [path = Files.settings, now = std::move(now)] { return SaveAppSettings(path, now); });
}

}  // namespace trelio
