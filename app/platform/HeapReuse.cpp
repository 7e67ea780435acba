#include "app/platform/HeapReuse.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>

#if defined(__SANITIZE_ADDRESS__)
#define KT_OWN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KT_OWN_ALLOCATOR 1
#endif
#endif

namespace trelio {
namespace {

// Above every block an index of some hundred thousand rows needs at once;
// the memory kept is at most what the largest such step used.
constexpr std::size_t kLargeBlock = std::size_t(256) << 20;
// Room made at once stays below both limits above, so that it comes from the
// heap and its release leaves it there.
constexpr std::size_t kMostRoom = std::size_t(192) << 20;
// Growth beyond the room made comes in steps of this much, so that the next
// advice finds whole huge pages not yet touched.
constexpr std::size_t kTopPad = std::size_t(16) << 20;
// What the start itself allocates before it reads an index.
constexpr std::size_t kStartRoom = std::size_t(16) << 20;

// The heap's end when KeepFreedHeapForReuse was first called: what lies below
// it was there before and is left alone. Null until then, and once the
// system has refused the advice.
std::atomic<char*> heapStart{nullptr};

// Advises huge pages for the heap from its start to its end now. False when
// the system refuses them.
bool AdviseHugePages(char* start) {
  void* const end = sbrk(0);
  if (end == reinterpret_cast<void*>(-1)) return false;
  const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
  const std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(start) + page - 1) & ~(page - 1);
  const auto to = reinterpret_cast<std::uintptr_t>(end);
  if (to <= from) return true;
  // EINVAL: a kernel without transparent huge pages; anything else (a part
  // not mapped, no memory for the bookkeeping) leaves the heap as it was.
  return madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE) == 0 || errno != EINVAL;
}

}  // namespace

void KeepFreedHeapForReuse() {
  mallopt(M_MMAP_THRESHOLD, int(kLargeBlock));
  mallopt(M_TRIM_THRESHOLD, int(kLargeBlock));
#ifndef KT_OWN_ALLOCATOR
  mallopt(M_TOP_PAD, int(kTopPad));
  void* const end = sbrk(0);
  if (end == reinterpret_cast<void*>(-1)) return;
  char* unset = nullptr;
  heapStart.compare_exchange_strong(unset, static_cast<char*>(end));
  MakeHeapRoom(kStartRoom);
#endif
}

void MakeHeapRoom(std::size_t bytes) {
  char* const start = heapStart;
  if (!start) return;
  // What the heap has grown into since the last advice, before it is used.
  if (!AdviseHugePages(start)) {
    heapStart = nullptr;
    return;
  }
  // A block of that size comes from free memory the heap already has, or
  // from its top, which grows to hold it; freed, it stays with the heap,
  // untouched. The volatile keeps the compiler from leaving out the pair.
  void* volatile block = malloc(std::min(bytes, kMostRoom));
  free(block);
  AdviseHugePages(start);
}

}  // namespace trelio
