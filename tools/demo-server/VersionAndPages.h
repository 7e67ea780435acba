// The demo server's version.txt, whose answer a test or a demo chooses, and
// the maker's pages that the about box and the main menu open.
#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>

#include "tools/demo-server/DemoSite.h"

namespace trelio::demo {

// GET /demo/version sets how /trelio/version.txt answers, and tells it:
//   ?text=102        that text (a line break as %0A)
//   ?mode=file       version.txt of the root folder (the start)
//   ?mode=fail       status 500
//   ?mode=empty      status 200 without a body
//   ?mode=never      no answer until the mode changes or the server ends
//   &delay=3000      (with any of them) the answer comes after 3000 ms
class VersionAndPages {
 public:
  explicit VersionAndPages(const DemoSite& site);
  // Ends the answers being held back.
  ~VersionAndPages();
  void Install(httplib::Server& server);

 private:
  enum class Mode { file, text, fail, empty, never };
  void Version(httplib::Response& res);
  void SetVersion(const httplib::Request& req, httplib::Response& res);
  std::string Describe() const;  // the mutex held

  const DemoSite& site_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  Mode mode_ = Mode::file;
  std::string text_;
  std::chrono::milliseconds delay_{0};
  unsigned generation_ = 0;  // counts the changes, so a held answer sees one
  bool ending_ = false;
};

}  // namespace trelio::demo
