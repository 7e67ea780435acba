#include "app/platform/HeapReuse.h"

#include <malloc.h>

namespace trelio {

void KeepFreedHeapForReuse() {
  // Above every block an index of some hundred thousand rows needs at once;
  // the memory kept is at most what the largest such step used.
  constexpr int kLargeBlock = 256 << 20;
  mallopt(M_MMAP_THRESHOLD, kLargeBlock);
  mallopt(M_TRIM_THRESHOLD, kLargeBlock);
}

}  // namespace trelio
