// Paths that name something other than a file, as a broken or hostile setup
// leaves them: a link to an endless device, and a pipe that nobody writes to.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace trelio::test {

// A link at path to /dev/zero, which reads without end.
inline bool LinkToEndlessDevice(const std::string& path) {
  return symlink("/dev/zero", path.c_str()) == 0;
}

// A pipe at path for as long as it exists. A reader that waits for a writer
// is let go by one that opens and closes it at once, so that such a fault
// shows as a wrong answer (an empty read) instead of a hang.
class PipeWithoutWriter {
 public:
  explicit PipeWithoutWriter(std::string path) : path_(std::move(path)) {
    made_ = mkfifo(path_.c_str(), 0600) == 0;
    // Held so that the writer can be let go even when the name is gone.
    if (made_) handle_ = open(path_.c_str(), O_PATH | O_CLOEXEC);
    if (made_)
      writer_ = std::thread([path = path_] {
        const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) close(fd);
      });
  }
  ~PipeWithoutWriter() {
    if (!writer_.joinable()) return;
    // A reader that never waited leaves the writer waiting: this one ends it.
    const std::string pipe = handle_ >= 0 ? "/proc/self/fd/" + std::to_string(handle_) : path_;
    const int fd = open(pipe.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    writer_.join();
    if (fd >= 0) close(fd);
    if (handle_ >= 0) close(handle_);
  }
  PipeWithoutWriter(const PipeWithoutWriter&) = delete;
  PipeWithoutWriter& operator=(const PipeWithoutWriter&) = delete;

  bool Made() const { return made_; }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  bool made_ = false;
  int handle_ = -1;
  std::thread writer_;
};

}  // namespace trelio::test
