// Payout detection on a 1 MB page against the least it could do: one
// std::string::find pass per template phrase over the same text.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/core/payout/PageTextResult.h"
#include "app/core/payout/PayoutDetection.h"
#include "app/core/payout/PayoutTemplates.h"
#include "app/core/text/TextSplit.h"

namespace {

using namespace trelio;

constexpr size_t kPageSize = 1 << 20;

// Page-like words that share first letters with the phrases, no phrase itself.
std::u16string PageText() {
  const std::u16string words[] = {
      u"Welcome ", u"to ",         u"the ",     u"Faucet, ", u"you ",      u"can ",
      u"claim ",   u"every ",      u"hour. ",   u"Your ",    u"balance: ", u"0.00001234 ",
      u"BTC ",     u"(0.05 USD) ", u"success ", u"was ",     u"sending ",  u"too ",
      u"many ",    u"unknown ",    u"Привет "};
  std::u16string text;
  for (size_t i = 0; text.size() < kPageSize; i = i * 31 + 7) text += words[i % std::size(words)];
  text.resize(kPageSize);
  return text;
}

const std::string& SearchText() {
  static const std::string text = PayoutSearchText(PageText(), 1252);
  return text;
}

std::vector<std::string> AllPhrases() {
  std::vector<std::string> all{std::string(kReferralEarningsPhrase)};
  for (std::string_view list :
       {kDefaultRightPartTemplate, kDefaultLeftPartTemplate, kDefaultNoPayTemplate})
    for (std::string& p : SplitText("|", list)) all.push_back(std::move(p));
  return all;
}

// Nothing matches: every phrase is searched through the whole text.
void BM_FindPayoutNoPhrase(benchmark::State& state) {
  const std::string& text = SearchText();
  for (auto _ : state) benchmark::DoNotOptimize(FindPayout(text, {}));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_FindPayoutNoPhrase)->Unit(benchmark::kMicrosecond);

void BM_OneFindPerPhrase(benchmark::State& state) {
  const std::string& text = SearchText();
  const std::vector<std::string> phrases = AllPhrases();
  for (auto _ : state) {
    size_t sum = 0;
    for (const std::string& p : phrases) sum += text.find(p);
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_OneFindPerPhrase)->Unit(benchmark::kMicrosecond);

// The whole result from the UTF-16 page text: conversion, lower-casing,
// detection and statistics.
void BM_ApplyPageTextResult(benchmark::State& state) {
  const std::u16string page = PageText() + u" 500 satoshi was sent";
  for (auto _ : state) {
    FaucetItem item;
    ApplyPageTextResult(item, page, 1252, {}, "bitcoin", false);
    benchmark::DoNotOptimize(item);
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(page.size()));
}
BENCHMARK(BM_ApplyPageTextResult)->Unit(benchmark::kMicrosecond);

}  // namespace
