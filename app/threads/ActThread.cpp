#include "app/threads/ActThread.h"

#include "app/platform/HttpClient.h"

namespace trelio {

void ActThread::Send(std::string url) {
  HttpGlobalInit();
  auto* thread = new ActThread(std::move(url));
  thread->SetFreeOnTerminate(true);
  thread->Start();
}

// Failures are silent: the local edit stands whatever the server says.
void ActThread::Execute() { (void)HttpGet(url_); }

}  // namespace trelio
