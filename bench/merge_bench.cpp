// MergeIndex of a 100,000-row file into a 100,000-row index that lists the
// same faucets, against LoadIndex of the same file.
#include <benchmark/benchmark.h>

#include "app/core/index/IndexMerge.h"
#include "bench/IndexBenchData.h"

namespace trelio {
namespace {

using Fixture = bench::SavedBenchIndex;

// Loaded back from its file, so the URL-key table is filled as after a start.
Fixture& Data() {
  static Fixture& loaded = []() -> Fixture& {
    Fixture& f = Fixture::Get();
    LoadIndex(f.state, f.state.files.csv);
    return f;
  }();
  return loaded;
}

void BM_MergeIndex(benchmark::State& s) {
  Fixture& f = Data();
  TemplateLists server, user;
  // Every line matches a row, so each merge leaves the index as it found it.
  for (auto _ : s) MergeIndex(f.state, f.state.files.csv, ';', {}, server, user);
}
BENCHMARK(BM_MergeIndex)->Unit(benchmark::kMillisecond);

void BM_LoadIndex(benchmark::State& s) {
  Fixture& f = Data();
  FaucetIndex index;
  TIntegerHash map;
  IndexState state{index, map, f.state.files, '.'};
  for (auto _ : s) LoadIndex(state, f.state.files.csv);
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelio
