// The demo server (tools/demo-server) run as a child process on a free port,
// for tests that need the maker's server or the demo faucet pages.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace trelio::test {

class DemoServerProcess {
 public:
  // Starts the server and waits until it listens; throws when it cannot. The
  // server ends when the thread that started it ends (the main thread in
  // practice), also by a crash; it holds none of the test's descriptors.
  DemoServerProcess();
  // Stops it.
  ~DemoServerProcess();
  DemoServerProcess(const DemoServerProcess&) = delete;
  DemoServerProcess& operator=(const DemoServerProcess&) = delete;

  int Port() const { return port_; }
  // "127.0.0.1:<port>", the value for KORVANE_TRELIO_SERVER.
  std::string Host() const;
  // "http://127.0.0.1:<port>" + pathAndQuery.
  std::string Url(std::string_view pathAndQuery) const;

  // The folder the server serves from: index.csv, version.txt, pages/.
  static std::string Root();

 private:
  pid_t pid_ = -1;
  int port_ = 0;
};

}  // namespace trelio::test
