// A generated index of realistic rows for the index benchmarks.
#pragma once

#include <unistd.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "app/core/index/FaucetItem.h"
#include "app/core/index/FileBytes.h"
#include "app/core/index/IndexFile.h"
#include "bench/BenchHeap.h"

namespace trelio::bench {

inline constexpr int kBenchRows = 100000;

// Four shapes of faucet address with their referral parts.
inline std::string BenchUrl(int i) {
  const std::string n = std::to_string(i);
  switch (i % 4) {
    case 0:
      return "https://faucet" + n + ".example.com/claim/?r=1BvBMSEYstWetqTFn5Au4m4GFg7xJaNVN2";
    case 1:
      return "http://www.coin" + n + ".net/faucet.php?ref=1BvBMSEYstWetqTFn5Au4m4GFg7xJaNVN2";
    case 2:
      return "https://free-" + n + ".io/ref/1BvBMSEYstWetqTFn5Au4m4GFg7xJaNVN2";
    default:
      return "http://" + n + ".faucet.org/{R}";
  }
}

// Rows of faucets first .. first + rows - 1.
inline void FillBenchIndex(FaucetIndex& index, int rows, int first = 0) {
  static const char* const coins[] = {"bitcoin", "litecoin", "dogecoin", "ethereum classic",
                                      "tron"};
  for (int i = first; i < first + rows; ++i) {
    FaucetItem& item = index.Append();
    item.Edit(fCurrency) = coins[i % 5];
    item.Edit(fName) = "Faucet number " + std::to_string(i);
    item.Edit(fUrl) = BenchUrl(i);
    item.Edit(fInterval) = std::to_string(5 + i % 60);
    item.Edit(fInput) = i % 3 == 0 ? "address" : "";
    item.Edit(fCompleted) = i % 2 ? "1" : "";
    item.Edit(fTimestamp) = std::to_string(1700000000 + i);
    item.Edit(fPosition) = std::to_string(i + 1);
    item.Edit(fTotalPayout) = "0.00012345";
    item.Edit(fLastPayout) = "0.00000123";
    item.Edit(fLastPayout2) = "0.00000234";
    item.Edit(fLastPayout3) = "0.00000345";
    item.Edit(fMovingAveragePayout) = "0.00000234";
    item.Edit(fAveragePayout) = "0.00000411";
    item.Edit(fPayoutsCount) = "30";
  }
}

// A folder of its own: a fallback to the temporary folder itself would have
// the clean-up remove everything in it.
inline std::string BenchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kt-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder for the benchmark");
  return pattern;
}

// A bench index saved to a data folder of its own. Built once per program and
// size, removed at exit.
struct SavedBenchIndex {
  explicit SavedBenchIndex(int rows, int first = 0) {
    FillBenchIndex(index, rows, first);
    SaveIndex(state, state.files.csv, false);
    bytes = ReadWholeFile(state.files.csv);
  }
  ~SavedBenchIndex() { std::filesystem::remove_all(folder); }
  SavedBenchIndex(const SavedBenchIndex&) = delete;
  SavedBenchIndex& operator=(const SavedBenchIndex&) = delete;

  static SavedBenchIndex& Get(int rows = kBenchRows, int first = 0) {
    static std::map<std::pair<int, int>, std::unique_ptr<SavedBenchIndex>> saved;
    std::unique_ptr<SavedBenchIndex>& one = saved[{rows, first}];
    if (!one) one = std::make_unique<SavedBenchIndex>(rows, first);
    return *one;
  }

  std::string folder = BenchFolder();
  FaucetIndex index;
  TIntegerHash urlRowMap;
  IndexState state{index, urlRowMap, IndexFilePaths::InFolder(folder), '.'};
  std::string bytes;  // the saved file
};

// An index of its own over the files of a saved bench index, empty until
// loaded.
struct IndexOverSaved {
  explicit IndexOverSaved(const SavedBenchIndex& f) : state{index, map, f.state.files, '.'} {}
  IndexOverSaved(const IndexOverSaved&) = delete;
  IndexOverSaved& operator=(const IndexOverSaved&) = delete;

  void Load() { LoadIndex(state, state.files.csv); }
  // Frees the rows and the URL keys.
  void Drop() {
    index = FaucetIndex();
    map = TIntegerHash();
  }

  FaucetIndex index;
  TIntegerHash map;
  IndexState state;
};

// Loads the saved file into an empty index each iteration, as at start-up;
// dropping the loaded index is not timed.
inline void TimeLoadIntoEmptyIndex(benchmark::State& s, const SavedBenchIndex& f) {
  // One untimed load first, so that every timed one finds the memory a load
  // needs already mapped, as the baseline's read finds its buffer.
  {
    IndexOverSaved warm(f);
    warm.Load();
  }
  for (auto _ : s) {
    IndexOverSaved loaded(f);
    loaded.Load();
    s.PauseTiming();
    loaded.Drop();
    s.ResumeTiming();
  }
}

}  // namespace trelio::bench
