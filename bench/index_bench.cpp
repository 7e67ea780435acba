// LoadIndex and SaveIndex of a 100,000-row index against reading and writing
// the same bytes without parsing.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "bench/IndexBenchData.h"

namespace trelio {
namespace {

using Fixture = bench::SavedBenchIndex;

Fixture& Data() { return Fixture::Get(); }

void BM_LoadIndex(benchmark::State& s) {
  Fixture& f = Data();
  FaucetIndex index;
  TIntegerHash map;
  IndexState state{index, map, f.state.files, '.'};
  for (auto _ : s) LoadIndex(state, f.state.files.csv);
  s.SetBytesProcessed(int64_t(s.iterations()) * f.bytes.size());
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

void BM_ReadSameBytes(benchmark::State& s) {
  Fixture& f = Data();
  for (auto _ : s) benchmark::DoNotOptimize(ReadWholeFile(f.state.files.csv));
  s.SetBytesProcessed(int64_t(s.iterations()) * f.bytes.size());
}
BENCHMARK(BM_ReadSameBytes)->Unit(benchmark::kMillisecond);

void BM_SaveIndex(benchmark::State& s) {
  Fixture& f = Data();
  const std::string path = f.folder + "/save.csv";
  for (auto _ : s) SaveIndex(f.state, path, false);
  s.SetBytesProcessed(int64_t(s.iterations()) * f.bytes.size());
}
BENCHMARK(BM_SaveIndex)->Unit(benchmark::kMillisecond);

// The same safe write (temporary file, fsync, rename) without building lines.
void BM_ReplaceSameBytes(benchmark::State& s) {
  Fixture& f = Data();
  const std::string path = f.folder + "/replace.csv";
  for (auto _ : s) ReplaceFileContents(path, f.bytes);
  s.SetBytesProcessed(int64_t(s.iterations()) * f.bytes.size());
}
BENCHMARK(BM_ReplaceSameBytes)->Unit(benchmark::kMillisecond);

// A plain truncating write, no fsync.
void BM_WriteSameBytesPlain(benchmark::State& s) {
  Fixture& f = Data();
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
