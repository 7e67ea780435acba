// TIntegerHash set, get and delete of 100,000 URL keys (and of 5,000, an
// index of a realistic size) against std::unordered_map with the same keys.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "app/core/index/UrlKey.h"
#include "bench/IndexBenchData.h"
#include "hashes/Hashes.h"

namespace trelio {
namespace {

std::vector<std::string> Keys(int64_t count) {
  std::vector<std::string> keys;
  for (int i = 0; i < count; ++i) keys.push_back(StripReferral(bench::BenchUrl(i)));
  return keys;
}

using StdMap = std::unordered_map<std::string, int32_t>;

void Set(TIntegerHash& t, const std::vector<std::string>& keys) {
  for (size_t i = 0; i < keys.size(); ++i) t.SetItem(keys[i], int32_t(i));
}
void Set(StdMap& t, const std::vector<std::string>& keys) {
  for (size_t i = 0; i < keys.size(); ++i) t[keys[i]] = int32_t(i);
}
int64_t Get(const TIntegerHash& t, const std::vector<std::string>& keys) {
  int64_t sum = 0;
  for (const std::string& k : keys) sum += t.GetItem(k);
  return sum;
}
int64_t Get(const StdMap& t, const std::vector<std::string>& keys) {
  int64_t sum = 0;
  for (const std::string& k : keys) sum += t.at(k);
  return sum;
}
void Delete(TIntegerHash& t, const std::vector<std::string>& keys) {
  for (const std::string& k : keys) t.Delete(k);
}
void Delete(StdMap& t, const std::vector<std::string>& keys) {
  for (const std::string& k : keys) t.erase(k);
}

template <class Table>
void BM_Set(benchmark::State& s) {
  const std::vector<std::string> keys = Keys(s.range(0));
  for (auto _ : s) {
    Table t;
    Set(t, keys);
    benchmark::DoNotOptimize(t);
  }
}
template <class Table>
void BM_Get(benchmark::State& s) {
  const std::vector<std::string> keys = Keys(s.range(0));
  Table t;
  Set(t, keys);
  for (auto _ : s) benchmark::DoNotOptimize(Get(t, keys));
}
// Set all, then delete all: the delete cost is this minus BM_Set.
template <class Table>
void BM_SetThenDelete(benchmark::State& s) {
  const std::vector<std::string> keys = Keys(s.range(0));
  for (auto _ : s) {
    Table t;
    Set(t, keys);
    Delete(t, keys);
    benchmark::DoNotOptimize(t);
  }
}

BENCHMARK(BM_Set<TIntegerHash>)->Arg(bench::kBenchRows)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Set<StdMap>)->Arg(bench::kBenchRows)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Get<TIntegerHash>)->Arg(bench::kBenchRows)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Get<StdMap>)->Arg(bench::kBenchRows)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetThenDelete<TIntegerHash>)
    ->Arg(bench::kBenchRows)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetThenDelete<StdMap>)
    ->Arg(bench::kBenchRows)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelio
