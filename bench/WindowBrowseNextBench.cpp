// "Browse next incompleted item" onto a faucet that has been preloading in
// the hidden window, against a fresh load of the same faucets: the time from
// the command until the faucet's page is loaded and shown. Real window, real
// Qt WebEngine offscreen, the demo faucets on 127.0.0.1.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <ctime>
#include <iomanip>
#include <map>
#include <string>
#include <vector>

#include "app/core/index/UrlKey.h"
#include "bench/RunFolders.h"
#include "tests/support/window/DemoWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

// One window for both benchmarks; main makes and ends it.
std::unique_ptr<test::DemoWindow> window;

test::DemoWindow& Window() {
  if (!window) window = std::make_unique<test::DemoWindow>();
  return *window;
}

// Every faucet claimable again, so the walk never runs dry.
void MakeAllIncompleted(TForm1& form) {
  for (int r = 1; r < form.Rows().RowCount(); ++r) {
    form.Rows().Row(r).Edit(fCompleted).clear();
    form.Rows().Row(r).Edit(fTimestamp).clear();
  }
}

// What the window thread itself spent, without the time other programs had
// the processor: the part of the swap that this program's code decides.
double WindowThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The active window shows its page and the page has loaded.
bool Shown(test::DemoWindow& w, const QString& url) {
  EmbeddedBrowser& active = *w.form->ActiveBrowser();
  test::BrowserRecorder& recorder =
      w.form->BrowsingControl().ActiveBrowserIsFirst() ? *w.first : *w.second;
  return active.IsVisible() && recorder.loadEnds.contains(url);
}

void BM_BrowseNextOntoThePreload(benchmark::State& state) {
  test::DemoWindow& w = Window();
  TForm1& form = *w.form;
  MakeAllIncompleted(form);
  form.ToolButton5Click();
  double windowThreadMs = 0;
  for (auto _ : state) {
    // The preload has finished loading, as it has while the user claims.
    FaucetItem* next = form.BrowsingControl().PreloadedItem();
    test::BrowserRecorder& hidden =
        form.BrowsingControl().ActiveBrowserIsFirst() ? *w.second : *w.first;
    const QString nextPage = AnsiToQString(StripReferral((*next)[fUrl]));
    if (!test::WaitUntil([&] { return !hidden.loadEnds.filter(nextPage).isEmpty(); })) {
      state.SkipWithError("the preload did not load");
      break;
    }
    const QString loaded = hidden.loadEnds.filter(nextPage).last();
    MakeAllIncompleted(form);
    const qsizetype loadsBefore = hidden.loadStarts.size();
    // The window on show now preloads after the command; only its new load
    // may count next time.
    (form.BrowsingControl().ActiveBrowserIsFirst() ? *w.first : *w.second).loadEnds.clear();

    QElapsedTimer timer;
    timer.start();
    const double cpuBefore = WindowThreadCpuMs();
    form.ToolButton5Click();
    test::WaitUntil([&] { return Shown(w, loaded); });
    QCoreApplication::processEvents();  // the repaint
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    windowThreadMs += WindowThreadCpuMs() - cpuBefore;

    if (form.BrowsingControl().BrowsedItem() != next || hidden.loadStarts.size() != loadsBefore) {
      state.SkipWithError("the preloaded faucet was loaded again");
      break;
    }
  }
  state.counters["window_thread_ms"] =
      benchmark::Counter(windowThreadMs, benchmark::Counter::kAvgIterations);
}

void BM_FreshLoadOfTheFaucets(benchmark::State& state) {
  test::DemoWindow& w = Window();
  TForm1& form = *w.form;
  FaucetListBox* list = test::Widget<FaucetListBox>(form, "ListBox1");
  int position = 0;
  for (auto _ : state) {
    MakeAllIncompleted(form);
    position = (position + 1) % list->count();
    FaucetItem& row = *list->Row(position);
    test::BrowserRecorder& active =
        form.BrowsingControl().ActiveBrowserIsFirst() ? *w.first : *w.second;
    active.loadEnds.clear();
    const QString page = AnsiToQString(StripReferral(row[fUrl]));

    QElapsedTimer timer;
    timer.start();
    list->SetItemIndex(position);
    form.ListBox1DblClick();
    const bool loaded = test::WaitUntil([&] { return !active.loadEnds.filter(page).isEmpty(); });
    QCoreApplication::processEvents();  // the repaint
    state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    if (!loaded) {
      state.SkipWithError("the faucet did not load");
      break;
    }
  }
}

// A single run swings with what else the machine does: repetitions of both,
// interleaved at random (main turns that on), and their medians.
constexpr int kRepetitions = 9;

// Each swap waits for a page load first: a fixed count keeps the run short.
BENCHMARK(BM_BrowseNextOntoThePreload)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40)
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly(true);
BENCHMARK(BM_FreshLoadOfTheFaucets)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(12)
    ->Repetitions(kRepetitions)
    ->DisplayAggregatesOnly(true);

// The runs as usual, then the figure the swap is judged by: the median fresh
// load over the median swap of the same run.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
          !run.error_occurred)
        medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    const auto swap = medians_.find("BM_BrowseNextOntoThePreload");
    const auto fresh = medians_.find("BM_FreshLoadOfTheFaucets");
    if (swap == medians_.end() || fresh == medians_.end() || swap->second <= 0) return;
    GetOutputStream() << "Fresh load / swap, medians: " << std::fixed << std::setprecision(1)
                      << fresh->second / swap->second << "x\n";
  }

 private:
  std::map<std::string, double> medians_;
};

}  // namespace
}  // namespace trelio

// The engine needs its application before the first benchmark and must go
// before the process ends; so must the demo server.
int main(int argc, char** argv) {
  const trelio::RunFolders run;
  trelio::WebEngineRuntime::PrepareProcess();
  QApplication app(argc, argv);
  // Interleaved unless the command line says otherwise: it comes after.
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  trelio::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  trelio::window.reset();
  return 0;
}
