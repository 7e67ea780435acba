// How an operation that can fail went. Every function that can fail for a
// reason the user may be shown returns an Outcome, or a result struct derived
// from it when it also hands back data; only the index's input/output error
// (EInOutError) and the hash tables' errors are thrown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace trelio {

// A step on a file that failed, as data: the words for it are message texts,
// which this layer cannot look up, so core composes them (ErrorText).
enum class FileStep : uint8_t {
  kRead,
  kWrite,
  kCreateIn,  // path: the folder a new file could not be made in
  kCreateFolder,
};

// What the program itself refused, where the system did not fail.
enum class FileRefusal : uint8_t {
  kNone,        // the system's error number says why
  kNotRegular,  // a device, a pipe, a socket: nothing the program reads or replaces
  kTooLarge,    // more bytes than the file's kind can hold
};

struct FileFailure {
  FileStep step = FileStep::kRead;
  std::string path;
  int err = 0;  // errno, with kNone
  FileRefusal refusal = FileRefusal::kNone;
  uint64_t limit = 0;        // kTooLarge: the most bytes taken
  bool leftAsItWas = false;  // a file that could not be read was therefore not replaced
};

struct [[nodiscard]] Outcome {
  // Why it failed, in the words the user is shown; empty when it succeeded or
  // when the failure is a file step.
  std::string error;
  std::optional<FileFailure> file;

  bool ok() const { return error.empty() && !file; }
};

}  // namespace trelio
