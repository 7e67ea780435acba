// Rebuilding the list of one coin of 10,000 faucets out of a 100,000-row
// index, against a plain std::sort of the same 10,000 names.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "app/core/list/FaucetList.h"
#include "app/core/text/Numbers.h"
#include "bench/BenchHeap.h"

namespace trelio {
namespace {

constexpr int kCoins = 10;
constexpr int kRows = 100000;

std::string RandomName(std::mt19937& rng) {
  static const char* const kWords[] = {"Free",  "bit",  "Coin", "faucet", "Moon", "star",
                                       "Claim", "drop", "Sat",  "rain",   "Gold", "pot"};
  std::uniform_int_distribution<int> word(0, 11), digit(0, 9999);
  return std::string(kWords[word(rng)]) + kWords[word(rng)] + " " + std::to_string(digit(rng));
}

struct Fixture {
  FaucetIndex index;
  std::vector<std::string> coinNames;

  Fixture() {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> percent(0, 99), cents(0, 100000);
    for (int r = 0; r < kRows; ++r) {
      FaucetItem& row = index.Append();
      row.Edit(fCurrency) = "coin" + std::to_string(r % kCoins);
      row.Edit(fName) = RandomName(rng);
      row.Edit(fUrl) = "http://faucet" + std::to_string(r) + ".example/?r=";
      row.Edit(fInterval) = std::to_string(5 + percent(rng));
      row.Edit(fPosition) = std::to_string(r);
      row.Edit(fLastPayout) = FormatAmount(cents(rng) / 1e8L);
      if (percent(rng) < 5) row.Edit(fHidden) = "1";
      if (percent(rng) < 5) row.Edit(fNoPay) = "1";
      if (percent(rng) < 10) row.Edit(fFavorite) = "1";
      if (r % kCoins == 3) coinNames.emplace_back(row[fName]);
    }
  }
};

Fixture& TheFixture() {
  static Fixture f;
  return f;
}

void BuildList(benchmark::State& state, SortOptions sort) {
  Fixture& f = TheFixture();
  const NameCollator collator("en_US", 1252);
  FaucetListRequest request;
  request.coinKey = "coin3";
  request.showHidden = true;
  request.sort = sort;
  for (auto _ : state) {
    FaucetList list = BuildFaucetList(f.index, request, collator);
    benchmark::DoNotOptimize(list.items.data());
  }
  state.counters["rows"] = double(BuildFaucetList(f.index, request, collator).items.size());
}

void BM_BuildListAlphabetical(benchmark::State& state) { BuildList(state, {2, 1, 1}); }
void BM_BuildListLastPayout(benchmark::State& state) { BuildList(state, {4, 1, 1}); }

void BM_StdSortNames(benchmark::State& state) {
  const std::vector<std::string>& names = TheFixture().coinNames;
  for (auto _ : state) {
    std::vector<std::string> copy = names;
    std::sort(copy.begin(), copy.end());
    benchmark::DoNotOptimize(copy.data());
  }
  state.counters["rows"] = double(names.size());
}

BENCHMARK(BM_BuildListAlphabetical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildListLastPayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StdSortNames)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelio
