// The allocator's handling of freed memory and of the heap's growth, set once
// at the start of a process that works on large indexes.
#pragma once

#include <cstddef>

namespace trelio {

// Freed memory stays with the process for the next allocations, and large
// blocks come from the same heap: loading, listing or merging a large index
// again then reuses memory that is already mapped instead of having the
// system map, fault in and zero it anew each time. Called first in main, on
// the main thread, before any other thread exists; the heap of that thread is
// then grown in huge pages (see MakeHeapRoom).
void KeepFreedHeapForReuse();

// Grows the main thread's heap now, in one step, by what the next `bytes`
// of allocations on it will need, and advises the system to back the whole
// heap with transparent huge pages: a large load then faults its memory in
// 2 MB at a time instead of 4 KB. Nothing is touched: the room costs address
// space only until it is used, and where the system gives no huge pages
// (switched off, refused) it is left alone and nothing changes. At most
// 192 MB at once; nothing before KeepFreedHeapForReuse, nor under a sanitizer
// with its own allocator.
//
// What it can keep: a huge page is resident whole once any byte of it is,
// so the heap holds at most its highest use, rounded up to 2 MB pages, the
// untouched room above that never; freed memory stays as before.
void MakeHeapRoom(std::size_t bytes);

}  // namespace trelio
