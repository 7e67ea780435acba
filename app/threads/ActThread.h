// One report of an index edit to the maker's server: a single GET on a thread
// of its own that nobody waits for. It frees itself when done and touches
// nothing but its URL, so it may outlive the window.
#pragma once

#include <string>

#include "app/threads/WorkerThread.h"

namespace trelio {

class ActThread : public WorkerThread {
 public:
  explicit ActThread(std::string url) : url_(std::move(url)) {}

  const std::string& Url() const { return url_; }

  // Starts a thread that GETs url, ignores the answer and frees itself.
  static void Send(std::string url);

 protected:
  void Execute() override;

 private:
  const std::string url_;
};

}  // namespace trelio
