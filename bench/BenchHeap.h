// The benchmarks run under the program's allocator settings, set before main.
#pragma once

#include "app/platform/HeapReuse.h"

namespace trelio::bench {

inline const bool kHeapKeptForReuse = (KeepFreedHeapForReuse(), true);

}  // namespace trelio::bench
