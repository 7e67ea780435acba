#include "tests/support/DemoServerProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

extern char** environ;

namespace trelio::test {
namespace {

constexpr std::string_view kListening = "Listening on 127.0.0.1:";

// The first line the server prints, or "" when it ends or stays silent.
std::string ReadFirstLine(int fd) {
  std::string line;
  while (line.size() < 200) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 20000) <= 0) break;
    char c;
    if (read(fd, &c, 1) != 1 || c == '\n') break;
    line += c;
  }
  return line;
}

}  // namespace

DemoServerProcess::DemoServerProcess() {
  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("demo server: no pipe");
  std::string program = KT_DEMO_SERVER;
  std::string port = "0";
  char* argv[] = {program.data(), port.data(), nullptr};
  const pid_t test = getpid();
  pid_ = fork();
  if (pid_ == 0) {
    // Between fork and exec only calls that are safe in a child of a process
    // with threads. The server dies with the test, even when the test crashes
    // or is killed: else it would keep running, and anything waiting for the
    // test's end with it.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != test) _exit(127);  // the test ended before that took effect
    // It holds nothing of the test's: neither its output pipes, which whoever
    // runs the test reads until every writer has closed them, nor any other
    // descriptor.
    const int null = open("/dev/null", O_RDWR);
    if (null < 0 || dup2(null, STDIN_FILENO) < 0 || dup2(out[1], STDOUT_FILENO) < 0 ||
        dup2(null, STDERR_FILENO) < 0)
      _exit(127);
    if (close_range(3, ~0U, 0) != 0)
      for (int fd = 3; fd < 65536; ++fd) close(fd);
    execve(program.c_str(), argv, environ);
    _exit(127);
  }
  close(out[1]);
  if (pid_ < 0) {
    close(out[0]);
    pid_ = -1;
    throw std::runtime_error("demo server: cannot start " + program);
  }
  // Later output (the item actions) is not read; the server ignores the
  // closed pipe.
  const std::string line = ReadFirstLine(out[0]);
  close(out[0]);
  if (line.starts_with(kListening)) port_ = std::atoi(line.c_str() + kListening.size());
  if (port_ <= 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    throw std::runtime_error("demo server did not start: \"" + line + "\"");
  }
}

DemoServerProcess::~DemoServerProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

std::string DemoServerProcess::Host() const { return "127.0.0.1:" + std::to_string(port_); }

std::string DemoServerProcess::Url(std::string_view pathAndQuery) const {
  std::string url = "http://" + Host();
  url += pathAndQuery;
  return url;
}

std::string DemoServerProcess::Root() { return KT_DEMO_ROOT; }

}  // namespace trelio::test
