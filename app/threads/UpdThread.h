// The download of the server index for one showing of the update dialog: one
// GET into memory, then, unless the showing has been closed meanwhile, the
// body stored as the downloaded index file (index.tmp2).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/core/index/IndexDownload.h"
#include "app/threads/WorkerThread.h"

class QObject;

namespace trelio {

class UpdThread : public WorkerThread {
 public:
  // What the thread has done on the window thread. The progress is handed
  // over without waiting (the latest count only, when the window thread is
  // behind); the thread waits for the others. stored runs right after the
  // body has taken its place as the downloaded index file.
  struct Handlers {
    std::function<void(int64_t expected)> workBegin;
    std::function<void(int64_t countSoFar)> work;
    std::function<void()> stored;
    std::function<void(const DownloadFailure& failure)> showError;
    std::function<void()> closeProgress;
  };

  // receiver: an object of the window thread, kept until the thread has
  // ended, that carries the progress over; progress still on its way when it
  // goes is dropped.
  UpdThread(std::string url, std::string savePath, QObject* receiver, Handlers handlers);
  ~UpdThread() override;

  // Set on the window thread when the showing closes: the transfer goes on,
  // but its body is not stored.
  std::atomic<bool> Cancelled{false};
  // The failure that ended the transfer or the storing; written by the
  // thread before ShowError.
  DownloadFailure ErrorMessage;

  // Ends the transfer at once (at program end) through the stop flag: nothing
  // more is stored, reported or closed. The thread then ends promptly.
  void Abandon();

 protected:
  void Execute() override;

 private:
  struct Progress;
  // The failure, or none when the body was stored or not wanted.
  DownloadFailure Store(const std::string& body);
  void ShowError();
  void CloseProgress();

  const std::string url_;
  const std::string savePath_;
  std::shared_ptr<Progress> progress_;
};

}  // namespace trelio
