// What the demo server answers: the item actions under /trelio/ (the index
// through IndexDownloads) and the demo faucets under /demo/.
#pragma once

#include <httplib.h>

#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace trelio::demo {

// The port the shipped index.csv names; served from another port, the
// index's addresses are rewritten to it.
inline constexpr int kDefaultPort = 8717;

class DemoSite {
 public:
  // root: the folder of index.csv, version.txt and pages/.
  DemoSite(std::string root, int port);
  void Install(httplib::Server& server);

  int Port() const { return port_; }
  // The shipped index.csv with its faucets' addresses on this server's port;
  // none when the file cannot be read.
  std::optional<std::string> IndexText() const;
  // The file of the root folder, read at every request; 404 when it is missing.
  void ServeFile(const std::string& relative, const std::string& type,
                 httplib::Response& res) const;

 private:
  std::optional<std::string> ReadFile(const std::string& relative) const;
  void Action(const httplib::Request& req, httplib::Response& res);
  void ActionLog(httplib::Response& res) const;
  void ClaimResult(const std::string& faucet, httplib::Response& res) const;

  std::string root_;
  int port_;
  mutable std::mutex mutex_;
  std::vector<std::string> actions_;
};

}  // namespace trelio::demo
