#include "app/program/SessionEndSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace trelio {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int wakeFds[2] = {-1, -1};
struct sigaction previous[3];

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] ssize_t n = write(wakeFds[0], &byte, 1);
  errno = saved;
}

}  // namespace

SessionEndSignals::SessionEndSignals(std::function<void()> onSignal, QObject* parent)
    : QObject(parent), onSignal_(std::move(onSignal)) {
  if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0) {
    wakeFds[0] = wakeFds[1] = -1;
    return;
  }
  notifier_ = new QSocketNotifier(wakeFds[1], QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &SessionEndSignals::OnReadable);
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &action, &previous[i]);
}

SessionEndSignals::~SessionEndSignals() {
  if (wakeFds[0] < 0) return;
  for (int i = 0; i < 3; ++i) sigaction(kSignals[i], &previous[i], nullptr);
  delete notifier_;
  close(wakeFds[0]);
  close(wakeFds[1]);
  wakeFds[0] = wakeFds[1] = -1;
}

void SessionEndSignals::OnReadable() {
  char bytes[64];
  bool any = false;
  while (read(wakeFds[1], bytes, sizeof bytes) > 0) any = true;
  if (any && onSignal_) onSignal_();
}

}  // namespace trelio
