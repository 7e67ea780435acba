#include "app/threads/RecoveryWriter.h"

#include <utility>

#include "app/core/index/IndexRecovery.h"

namespace trelio {

void RecoveryWriter::Post(const IndexFilePaths& files, std::string bytes) {
  writer_.Post([files, bytes = std::move(bytes)] { return WriteRecoveryFile(files, bytes); });
}

}  // namespace trelio
