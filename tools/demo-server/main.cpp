// korvane-trelio-demo-server [port] [--root folder]
// Serves the demo site on 127.0.0.1 (port 0: any free port) and prints the
// port on its first line; item actions are printed as they arrive.
#include <signal.h>
#include <sys/socket.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "tools/demo-server/AwkwardPages.h"
#include "tools/demo-server/DemoSite.h"
#include "tools/demo-server/IndexDownloads.h"
#include "tools/demo-server/VersionAndPages.h"

namespace {

int Usage() {
  std::cerr << "usage: korvane-trelio-demo-server [port] [--root folder]\n"
               "  port    default "
            << trelio::demo::kDefaultPort
            << "; 0 picks a free one\n"
               "  --root  the folder of index.csv, version.txt and pages/\n";
  return 2;
}

bool ReadPort(const std::string& text, int& port) {
  if (text.empty() || text.size() > 5 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  port = std::stoi(text);
  return port <= 65535;
}

}  // namespace

int main(int argc, char** argv) {
  int port = trelio::demo::kDefaultPort;
  std::string root = KT_DEMO_ROOT;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--root" && i + 1 < argc) {
      root = argv[++i];
    } else if (!ReadPort(arg, port)) {
      return Usage();
    }
  }
  if (!std::filesystem::is_regular_file(root + "/index.csv")) {
    std::cerr << "No index.csv in " << root << "\n";
    return 1;
  }
  // A browser that leaves in the middle of a page must not end the server.
  signal(SIGPIPE, SIG_IGN);

  httplib::Server server;
  // The library's default also sets SO_REUSEPORT, which would let a second
  // server share a port that is in use instead of failing.
  server.set_socket_options([](int sock) {
    int yes = 1;
    setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
  });
  const int bound = port == 0 ? server.bind_to_any_port("127.0.0.1")
                              : (server.bind_to_port("127.0.0.1", port) ? port : -1);
  if (bound <= 0) {
    std::cerr << "Cannot listen on 127.0.0.1:" << port << "\n";
    return 1;
  }
  trelio::demo::DemoSite site(root, bound);
  site.Install(server);
  trelio::demo::VersionAndPages versionAndPages(site);
  versionAndPages.Install(server);
  trelio::demo::IndexDownloads indexDownloads(site);
  indexDownloads.Install(server);
  trelio::demo::InstallAwkwardPages(server);
  std::cout << "Listening on 127.0.0.1:" << bound << "\n"
            << "Start the program with KORVANE_TRELIO_SERVER=127.0.0.1:" << bound << std::endl;
  return server.listen_after_bind() ? EXIT_SUCCESS : EXIT_FAILURE;
}
