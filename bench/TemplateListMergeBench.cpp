// MergeTemplateList with a template row of 64,000 phrases (about 820 KB) into
// a user list, against the rule as written (a substring search of the list
// grown so far for each phrase).
#include <benchmark/benchmark.h>

#include <string>

#include "app/core/index/IndexMerge.h"
#include "app/core/text/TextSplit.h"

namespace trelio {
namespace {

constexpr int kPhrases = 64000;

std::string ServerList() {
  std::string list;
  for (int i = 0; i < kPhrases; ++i) list += (i ? "|you won " : "you won ") + std::to_string(i);
  return list;
}

const std::string& Server() {
  static const std::string server = ServerList();
  return server;
}

const std::string kUser = "satoshi|sat|you have to wait";

std::string MergeByTheRule(std::string_view userList, std::string_view serverList) {
  std::string merged(userList);
  for (const std::string& element : SplitText("|", serverList))
    if ((merged + '|').find(element + '|') == std::string::npos) merged += '|' + element;
  return merged;
}

void BM_MergeTemplateList(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(MergeTemplateList(kUser, Server()));
  s.counters["bytes"] = double(Server().size());
}
BENCHMARK(BM_MergeTemplateList)->Unit(benchmark::kMillisecond);

void BM_MergeTemplateListByTheRule(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(MergeByTheRule(kUser, Server()));
}
BENCHMARK(BM_MergeTemplateListByTheRule)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace trelio
