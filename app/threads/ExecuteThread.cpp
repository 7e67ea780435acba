#include "app/threads/ExecuteThread.h"

#include <QDesktopServices>
#include <QUrl>

namespace trelio {

void ShellOpenUrl(const QString& url) {
  // The result is not looked at: when nothing opens the URL, nothing shows.
  QDesktopServices::openUrl(QUrl(url));
}

ExecuteThread::ExecuteThread(QString url, ShellOpener open)
    : url_(std::move(url)), open_(std::move(open)) {}

void ExecuteThread::Open(const QString& url, const ShellOpener& open) {
  auto* thread = new ExecuteThread(url, open ? open : ShellOpener(&ShellOpenUrl));
  thread->SetFreeOnTerminate(true);
  thread->Start();
}

void ExecuteThread::Execute() { open_(url_); }

}  // namespace trelio
