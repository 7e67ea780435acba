// Message lookups with a language active (the module is searched for the
// id's table on every lookup, nothing cached) against the built-in texts.
#include <benchmark/benchmark.h>

#include "app/core/text/Messages.h"
#include "localisation/LcUnit.h"

namespace {

using namespace trelio;

void LookupAll(benchmark::State& state) {
  for (auto _ : state)
    for (uint16_t id : ProgramMessageIds()) benchmark::DoNotOptimize(MessageText(id));
  state.SetItemsProcessed(state.iterations() * int64_t(ProgramMessageIds().size()));
}

void BM_BuiltInMessages(benchmark::State& state) {
  LcReleaseLanguage();
  LookupAll(state);
}

void BM_RussianMessagesFromTheModule(benchmark::State& state) {
  if (LcLoadLanguage(KT_LANGUAGE_MODULE, 1049, nullptr, 0) != 1) {
    state.SkipWithError("the language module did not load");
    return;
  }
  LookupAll(state);
  LcReleaseLanguage();
}

BENCHMARK(BM_BuiltInMessages);
BENCHMARK(BM_RussianMessagesFromTheModule);

}  // namespace
