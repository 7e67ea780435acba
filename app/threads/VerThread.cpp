#include "app/threads/VerThread.h"

#include "app/core/about/VersionCheck.h"
#include "app/platform/HttpClient.h"

namespace trelio {

VerThread::VerThread(std::string url, std::function<void(VerThread&)> showResult,
                     std::function<void(VerThread&)> showFailure)
    : url_(std::move(url)),
      showResult_(std::move(showResult)),
      showFailure_(std::move(showFailure)) {}

VerThread::~VerThread() {
  Terminate();
  WaitFor();
}

void VerThread::Execute() {
  HttpProgress progress;
  // A server that never answers must not hold up the box's end or the
  // program's exit: the stop flag abandons the transfer.
  progress.cancel = &TerminatedFlag();
  bool failed = false;
  try {
    const HttpResult answer = HttpGet(url_, {kVersionTextLimit, true}, progress);
    if (Terminated()) return;
    if (!answer.ok()) {
      failed = true;
    } else if (!answer.body.empty()) {
      ServerVersion = ReadServerVersion(answer.body);
      Synchronize([this] { ShowResult(); });
    }
  } catch (...) {
    failed = true;
  }
  if (failed && !Terminated()) Synchronize([this] { showFailure_(*this); });
}

void VerThread::ShowResult() { showResult_(*this); }

}  // namespace trelio
