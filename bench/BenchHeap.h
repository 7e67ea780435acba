// The benchmarks run under the program's allocator settings, set before main.
#pragma once

#include <malloc.h>

#include <cstddef>

#include "app/platform/HeapReuse.h"

namespace trelio::bench {

inline const bool kHeapKeptForReuse = (KeepFreedHeapForReuse(), true);

// The bytes of the heap in use (glibc's count, mapped blocks included).
inline size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

}  // namespace trelio::bench
