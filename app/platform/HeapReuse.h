// The allocator's handling of freed memory, set once at the start of a
// process that works on large indexes.
#pragma once

namespace trelio {

// Freed memory stays with the process for the next allocations, and large
// blocks come from the same heap: loading, listing or merging a large index
// again then reuses memory that is already mapped instead of having the
// system map, fault in and zero it anew each time.
void KeepFreedHeapForReuse();

}  // namespace trelio
