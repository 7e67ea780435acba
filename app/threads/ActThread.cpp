#include "app/threads/ActThread.h"

#include "app/platform/HttpClient.h"

namespace trelio {

void ActThread::Send(std::string url) {
  auto* thread = new ActThread(std::move(url));
  thread->SetFreeOnTerminate(true);
  thread->Start();
}

namespace {

// Nobody reads the answer, so none of it is kept, and an answer that goes on
// past this ends the transfer.
constexpr HttpBodyLimit kAnswerRead{64 << 10, false};

}  // namespace

// Failures are silent: the local edit stands whatever the server says.
void ActThread::Execute() { (void)HttpGet(url_, kAnswerRead); }

}  // namespace trelio
