// Reading a class table of a language module: a crafted table whose index
// pairs all point at one large entry, against a table of the same size whose
// pairs each have an entry of their own. The crafted one may cost no more
// than its bytes.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "localisation/LcfRecords.h"

namespace {

using namespace trelio;

void PutI32(std::vector<uint8_t>& b, int32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(uint8_t(uint32_t(v) >> (8 * i)));
}

// A table of `pairs` index pairs over `entries` entries (pair i points at
// entry i % entries), each with a key and a one-column text of these sizes.
std::vector<uint8_t> ClassTable(int32_t pairs, int32_t entries, int32_t keyBytes,
                                int32_t textBytes) {
  std::vector<uint8_t> b;
  PutI32(b, 6);
  b.insert(b.end(), {'T', 'F', 'O', 'R', 'M', '1'});
  PutI32(b, pairs);
  const int32_t entrySize = 16 + keyBytes + textBytes;
  for (int32_t i = 0; i < pairs; ++i) {
    PutI32(b, 8 * pairs + (i % entries) * entrySize);
    PutI32(b, 0);
  }
  for (int32_t e = 0; e < entries; ++e) {
    PutI32(b, 16);
    PutI32(b, keyBytes);
    PutI32(b, 16 + keyBytes);
    PutI32(b, textBytes);
    std::string key = "Label" + std::to_string(e) + "-Caption";
    key.resize(size_t(keyBytes), 'k');
    b.insert(b.end(), key.begin(), key.end());
    b.insert(b.end(), size_t(textBytes), 0x41);
  }
  return b;
}

void Read(benchmark::State& state, const std::vector<uint8_t>& table) {
  for (auto _ : state) benchmark::DoNotOptimize(ReadLcfClassTable(table, 0));
  state.SetBytesProcessed(state.iterations() * int64_t(table.size()));
  state.counters["table_bytes"] = double(table.size());
}

// Baseline: 2,500 entries of their own, about 600 KB.
void BM_ClassTableOfDistinctEntries(benchmark::State& state) {
  static const std::vector<uint8_t> table = ClassTable(2500, 2500, 120, 104);
  Read(state, table);
}

// 2,500 pairs at one entry of a 200 KB key and a 200 KB text, about 600 KB.
void BM_ClassTableOfPairsSharingOneEntry(benchmark::State& state) {
  static const std::vector<uint8_t> table = ClassTable(2500, 1, 200 << 10, 200 << 10);
  Read(state, table);
}

BENCHMARK(BM_ClassTableOfDistinctEntries)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ClassTableOfPairsSharingOneEntry)->Unit(benchmark::kMicrosecond);

}  // namespace
