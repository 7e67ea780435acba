// Opens one URL in the user's default web browser on a thread of its own, so
// the window does not wait for the shell.
#pragma once

#include <QString>
#include <functional>

#include "app/threads/WorkerThread.h"

namespace trelio {

// How a URL is handed to the desktop; QDesktopServices::openUrl unless set.
using ShellOpener = std::function<void(const QString& url)>;
void ShellOpenUrl(const QString& url);

class ExecuteThread : public WorkerThread {
 public:
  // url is set before the thread starts; nothing waits for the result.
  ExecuteThread(QString url, ShellOpener open);

  // Starts one thread that frees itself when done.
  static void Open(const QString& url, const ShellOpener& open);

 protected:
  void Execute() override;

 private:
  QString url_;
  ShellOpener open_;
};

}  // namespace trelio
