// The heap grown ahead of a large load: the room is there when the load
// comes, untouched until then, and advised for huge pages.
#include "app/platform/HeapReuse.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace trelio {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kOwnAllocator = true;
#else
constexpr bool kOwnAllocator = false;
#endif

constexpr std::size_t kMB = std::size_t(1) << 20;

std::size_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::size_t size = 0, resident = 0;
  statm >> size >> resident;
  return resident * std::size_t(sysconf(_SC_PAGESIZE));
}

// The flags of the mapping that holds `at`, from /proc/self/smaps.
std::string MappingFlags(const void* at) {
  const auto address = reinterpret_cast<std::uintptr_t>(at);
  std::ifstream smaps("/proc/self/smaps");
  bool inside = false;
  for (std::string line; std::getline(smaps, line);) {
    std::uintptr_t from = 0, to = 0;
    char dash = 0;
    std::istringstream range(line);
    if (range >> std::hex >> from >> dash >> to && dash == '-' && line.find(':') > line.find(' ')) {
      inside = from <= address && address < to;
    } else if (inside && line.rfind("VmFlags:", 0) == 0) {
      return line.substr(8) + " ";
    }
  }
  return {};
}

TEST(HeapReuseTest, RoomIsMadeAheadWithoutTouchingIt) {
  if (kOwnAllocator) GTEST_SKIP() << "the sanitizer's allocator has no heap to grow";
  KeepFreedHeapForReuse();
  const std::size_t resident = ResidentBytes();
  MakeHeapRoom(96 * kMB);
  // Address space only: what is resident is what was before, give or take
  // the allocator's bookkeeping and a huge page at the top.
  EXPECT_LT(ResidentBytes(), resident + 8 * kMB);

  // Allocations of the size the room was made for land in it: the heap's end
  // stays where the room put it, and every block stays usable.
  const void* const end = sbrk(0);
  std::vector<std::unique_ptr<char[]>> blocks;
  for (std::size_t made = 0; made < 80 * kMB; made += 4096) {
    blocks.emplace_back(new char[4000]);
    blocks.back()[3999] = char(made);
  }
  EXPECT_EQ(sbrk(0), end);
  EXPECT_EQ(blocks[1][3999], char(4096));
}

TEST(HeapReuseTest, TheHeapIsAdvisedForHugePagesWhereTheSystemHasThem) {
  if (kOwnAllocator) GTEST_SKIP() << "the sanitizer's allocator has no heap to grow";
  if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage/enabled"))
    GTEST_SKIP() << "no transparent huge pages on this system";
  KeepFreedHeapForReuse();
  // In the start's own room (larger than what the heap held before), and in
  // room made later.
  const std::unique_ptr<char[]> early(new char[4 * kMB]);
  MakeHeapRoom(64 * kMB);
  const std::unique_ptr<char[]> late(new char[32 * kMB]);
  // A block may begin in what the heap held before; its end is in the room.
  for (const char* at : {early.get() + 4 * kMB - 1, late.get() + 32 * kMB - 1})
    EXPECT_NE(MappingFlags(at).find(" hg "), std::string::npos) << MappingFlags(at);
}

}  // namespace
}  // namespace trelio
