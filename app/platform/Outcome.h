// How an operation that can fail went. Every function that can fail for a
// reason the user may be shown returns an Outcome, or a result struct derived
// from it when it also hands back data; only the index's input/output error
// (EInOutError) and the hash tables' errors are thrown.
#pragma once

#include <string>

namespace trelio {

struct [[nodiscard]] Outcome {
  // Why it failed, in the words the user is shown; empty when it succeeded.
  std::string error;

  bool ok() const { return error.empty(); }
};

}  // namespace trelio
