// The error raised when a file cannot be opened, read or written.
#pragma once

#include <stdexcept>
#include <string>

namespace trelio {

class EInOutError : public std::runtime_error {
 public:
  EInOutError(const std::string& message, std::string path)
      : std::runtime_error(message), path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace trelio
