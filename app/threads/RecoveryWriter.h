// Writes the index's recovery file on a thread of its own, so that the window
// thread never waits for the disk: it hands the bytes over and goes on. Of
// bytes handed over faster than they are written only the newest are kept.
#pragma once

#include <string>

#include "app/core/index/IndexFile.h"
#include "app/threads/BackgroundWriter.h"

namespace trelio {

class RecoveryWriter {
 public:
  // The index bytes for the recovery file of files.
  void Post(const IndexFilePaths& files, std::string bytes);
  // Waits for a write under way and drops bytes not yet begun: once it has
  // returned nothing more is written, so the file can be removed safely.
  void Stop() { writer_.Stop(); }

 private:
  BackgroundWriter writer_;
};

}  // namespace trelio
