// The files kept in tests/data/stored: index.csv and settings.ini as the
// program writes them.
#pragma once

#include <string>

#include "tests/support/ScratchFolder.h"

namespace trelio::test {

inline std::string Stored(const std::string& name) {
  return ReadBytes(KT_TEST_DATA "/stored/" + name);
}

}  // namespace trelio::test
