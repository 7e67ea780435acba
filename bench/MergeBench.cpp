// MergeIndex of a 100,000-row file into a 100,000-row index that lists the
// same faucets, against LoadIndex of the same file; and merges of only new
// faucets at three sizes, whose rows per second stay flat when linear.
#include <benchmark/benchmark.h>

#include "app/core/index/IndexMerge.h"
#include "bench/IndexBenchData.h"

namespace trelio {
namespace {

using Fixture = bench::SavedBenchIndex;

// Loaded back from its file, so the URL-key table is filled as after a start.
Fixture& Loaded() {
  static Fixture& loaded = []() -> Fixture& {
    Fixture& f = Fixture::Get();
    LoadIndex(f.state, f.state.files.csv);
    return f;
  }();
  return loaded;
}

void BM_MergeIndex(benchmark::State& s) {
  Fixture& f = Loaded();
  TemplateLists server, user;
  // Every line matches a row, so each merge leaves the index as it found it.
  for (auto _ : s) MergeIndex(f.state, f.state.files.csv, ';', {}, server, user);
  s.SetItemsProcessed(int64_t(s.iterations()) * bench::kBenchRows);
}
BENCHMARK(BM_MergeIndex)->Unit(benchmark::kMillisecond);

void BM_LoadIndex(benchmark::State& s) {
  Fixture& f = Loaded();
  bench::TimeLoadIntoEmptyIndex(s, f);
  s.SetItemsProcessed(int64_t(s.iterations()) * bench::kBenchRows);
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

// A file of faucets that a 10,000-row index does not list, merged into a
// fresh load of that index each time.
void BM_MergeNewFaucets(benchmark::State& s) {
  const int rows = int(s.range(0));
  Fixture& base = Fixture::Get(10000);
  Fixture& added = Fixture::Get(rows, bench::kBenchRows);
  TemplateLists server, user;
  for (auto _ : s) {
    s.PauseTiming();
    bench::IndexOverSaved loaded(base);
    loaded.Load();
    s.ResumeTiming();
    MergeIndex(loaded.state, added.state.files.csv, ';', {}, server, user);
    s.PauseTiming();
    if (loaded.index.RowCount() != 10001 + rows)
      s.SkipWithError("the new faucets were not appended");
    loaded.Drop();
    s.ResumeTiming();
  }
  s.SetItemsProcessed(int64_t(s.iterations()) * rows);
}
BENCHMARK(BM_MergeNewFaucets)->Arg(1000)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelio
