// The about box's version check: one GET of the server's version.txt on a
// thread of its own, its outcome handed to the window thread.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/threads/WorkerThread.h"

namespace trelio {

class VerThread : public WorkerThread {
 public:
  // showResult runs on the window thread when the server answered with a
  // body; showFailure when the transfer failed. An empty body shows nothing.
  VerThread(std::string url, std::function<void(VerThread&)> showResult,
            std::function<void(VerThread&)> showFailure);
  // Abandons a transfer still under way and waits for the thread.
  ~VerThread() override;

  // The version number the server gave, in hundredths.
  int32_t ServerVersion = 0;

 protected:
  void Execute() override;

 private:
  void ShowResult();

  const std::string url_;
  std::function<void(VerThread&)> showResult_;
  std::function<void(VerThread&)> showFailure_;
};

}  // namespace trelio
