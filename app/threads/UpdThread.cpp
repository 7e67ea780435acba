#include "app/threads/UpdThread.h"

#include <QObject>

#include "app/core/index/FileBytes.h"
#include "app/core/index/IndexDownload.h"
#include "app/core/text/ErrorText.h"
#include "app/platform/AtomicFile.h"
#include "app/platform/HttpClient.h"

namespace trelio {

// The progress on its way to the window thread. Shared with the queued calls,
// so a call that runs after the thread object has gone still finds it.
struct UpdThread::Progress {
  Progress(QObject* r, Handlers h) : receiver(r), handlers(std::move(h)) {}

  QObject* const receiver;
  const Handlers handlers;
  std::atomic<int64_t> latest{0};
  std::atomic<bool> posted{false};

  static void WorkBegin(const std::shared_ptr<Progress>& p, int64_t expected) {
    QMetaObject::invokeMethod(
        p->receiver,
        [p, expected] {
          if (p->handlers.workBegin) p->handlers.workBegin(expected);
        },
        Qt::QueuedConnection);
  }

  // At most one call waits at a time; it shows the newest count.
  static void Work(const std::shared_ptr<Progress>& p, int64_t countSoFar) {
    p->latest = countSoFar;
    if (p->posted.exchange(true)) return;
    QMetaObject::invokeMethod(
        p->receiver,
        [p] {
          p->posted = false;
          if (p->handlers.work) p->handlers.work(p->latest);
        },
        Qt::QueuedConnection);
  }
};

UpdThread::UpdThread(std::string url, std::string savePath, QObject* receiver, Handlers handlers)
    : url_(std::move(url)),
      savePath_(std::move(savePath)),
      progress_(std::make_shared<Progress>(receiver, std::move(handlers))) {}

// Waits here, while the object is still whole: a thread that has only just
// started would otherwise run its body on an object already half taken down.
UpdThread::~UpdThread() {
  Abandon();
  WaitFor();
}

void UpdThread::Abandon() {
  Cancelled = true;
  Terminate();
}

void UpdThread::Execute() {
  HttpProgress progress;
  const std::shared_ptr<Progress> p = progress_;
  progress.workBegin = [p](int64_t expected) { Progress::WorkBegin(p, expected); };
  progress.work = [p](int64_t count) { Progress::Work(p, count); };
  progress.cancel = &TerminatedFlag();
  const HttpResult result = HttpGet(url_, {kMaxIndexFileBytes, true}, progress);
  if (Terminated()) return;

  const DownloadFailure failure = result.ok() ? Store(result.body) : IndexTransferFailure(result);
  if (failure.failed()) {
    ErrorMessage = failure;
    if (!Terminated()) Synchronize([this] { ShowError(); });
  }
  if (!Terminated()) Synchronize([this] { CloseProgress(); });
}

DownloadFailure UpdThread::Store(const std::string& body) {
  if (Cancelled) return {};
  if (const auto refused = IndexBodyRefusalMessage(CheckIndexBody(body))) return {refused, {}};
  // Written whole beside the target first, so no half-written file is ever
  // there to be merged.
  StagedFile file;
  Outcome stored = file.Write(savePath_, body);
  if (!stored.ok()) return {std::nullopt, ErrorText(stored)};
  // It takes its place on the window thread, where the showing closes: once
  // the dialog has gone, its download never leaves a file behind.
  Synchronize([&] {
    if (Cancelled) return;
    stored = file.Commit();
    if (stored.ok() && progress_->handlers.stored) progress_->handlers.stored();
  });
  return {std::nullopt, ErrorText(stored)};
}

void UpdThread::ShowError() {
  if (progress_->handlers.showError) progress_->handlers.showError(ErrorMessage);
}

void UpdThread::CloseProgress() {
  if (progress_->handlers.closeProgress) progress_->handlers.closeProgress();
}

}  // namespace trelio
