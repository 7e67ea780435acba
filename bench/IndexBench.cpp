// LoadIndex and SaveIndex against reading and writing the same bytes without
// parsing. Loading is measured at three sizes; rows per second stay flat when
// it is linear.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/IndexBenchData.h"

namespace trelio {
namespace {

using Fixture = bench::SavedBenchIndex;

Fixture& Data(const benchmark::State& s) { return Fixture::Get(int(s.range(0))); }

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(10000)->Arg(bench::kBenchRows)->Unit(benchmark::kMillisecond);
}

void Processed(benchmark::State& s, const Fixture& f) {
  s.SetBytesProcessed(int64_t(s.iterations()) * int64_t(f.bytes.size()));
  s.SetItemsProcessed(int64_t(s.iterations()) * s.range(0));
}

void BM_LoadIndex(benchmark::State& s) {
  Fixture& f = Data(s);
  bench::TimeLoadIntoEmptyIndex(s, f);
  Processed(s, f);
  // What a loaded index holds on the heap per row: rows, texts, URL keys.
  const size_t before = bench::HeapInUse();
  bench::IndexOverSaved loaded(f);
  loaded.Load();
  s.counters["heap_bytes_per_row"] = double(bench::HeapInUse() - before) / double(s.range(0));
}
BENCHMARK(BM_LoadIndex)->Apply(Sizes);

// As compaction does: over a loaded index, whose rows it frees.
void BM_ReloadIndex(benchmark::State& s) {
  Fixture& f = Data(s);
  bench::IndexOverSaved loaded(f);
  loaded.Load();
  for (auto _ : s) loaded.Load();
  Processed(s, f);
}
BENCHMARK(BM_ReloadIndex)->Apply(Sizes);

void BM_ReadSameBytes(benchmark::State& s) {
  Fixture& f = Data(s);
  benchmark::DoNotOptimize(ReadWholeFile(f.state.files.csv));  // its buffer warmed
  for (auto _ : s) benchmark::DoNotOptimize(ReadWholeFile(f.state.files.csv));
  Processed(s, f);
}
BENCHMARK(BM_ReadSameBytes)->Apply(Sizes);

void BM_SaveIndex(benchmark::State& s) {
  Fixture& f = Fixture::Get();
  const std::string path = f.folder + "/save.csv";
  for (auto _ : s) SaveIndex(f.state, path, false);
  s.SetBytesProcessed(int64_t(s.iterations()) * f.bytes.size());
}
BENCHMARK(BM_SaveIndex)->Unit(benchmark::kMillisecond);

// The same safe write (temporary file, fsync, rename) without building lines.
void BM_ReplaceSameBytes(benchmark::State& s) {
  Fixture& f = Fixture::Get();
  const std::string path = f.folder + "/replace.csv";
  for (auto _ : s) ReplaceFileContents(path, f.bytes);
  s.SetBytesProcessed(int64_t(s.iterations()) * f.bytes.size());
}
BENCHMARK(BM_ReplaceSameBytes)->Unit(benchmark::kMillisecond);

// A plain truncating write, no fsync.
void BM_WriteSameBytesPlain(benchmark::State& s) {
  Fixture& f = Fixture::Get();
  const std::string path = f.folder + "/plain.csv";
  for (auto _ : s) {
    FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(f.bytes.data(), 1, f.bytes.size(), out);
    std::fclose(out);
  }
  s.SetBytesProcessed(int64_t(s.iterations()) * f.bytes.size());
}
BENCHMARK(BM_WriteSameBytesPlain)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelio
