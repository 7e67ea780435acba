// The main window over large indexes, fake browsers, offscreen:
// - RebuildList through the repaint at 1,000, 10,000 and 100,000 listed rows
//   (time per row stays flat when the fill is linear);
// - a minute tick that finds nothing to expire and nothing changed, at
//   100,000 rows;
// - "Update Index from file..." of 100,000 rows into the same 100,000, end to
//   end (questions answered, saves, compaction, merge, rebuild), against
//   LoadIndex of the same file in the same run; and the longest time the
//   window could not repaint while the command ran.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

#include "app/core/index/IndexFile.h"
#include "app/program/Application.h"
#include "app/widgets/FaucetListBox.h"
#include "app/window/Unit1.h"
#include "bench/IndexBenchData.h"
#include "bench/RunFolders.h"
#include "tests/support/window/FakeBrowser.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

// The rows of the bench index, all of the active coin, in a data folder of the
// window's own (under the run's XDG_DATA_HOME).
struct BenchWindow {
  explicit BenchWindow(int rows) {
    options.programFolder = root.path() + QStringLiteral("/program");
    options.workingFolder = root.path() + QStringLiteral("/work");
    options.screen = ScreenSize{1920, 1080};
    QDir().mkpath(options.programFolder);
    QDir().mkpath(options.workingFolder);
    const QString data = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Korvane Trelio");
    QDir(data).removeRecursively();
    QDir().mkpath(data);
    // Every row of one coin, so that all of them are listed.
    FaucetIndex index;
    bench::FillBenchIndex(index, rows);
    for (int r = 1; r < index.RowCount(); ++r) index.Row(r).Edit(fCurrency) = "bitcoin";
    TIntegerHash keys;
    IndexState state{index, keys, IndexFilePaths::InFolder(QFile::encodeName(data).toStdString()),
                     '.'};
    SaveIndex(state, state.files.csv, false);
    file = root.path() + QStringLiteral("/update.csv");
    SaveIndex(state, QFile::encodeName(file).toStdString(), false);
    form = std::make_unique<TForm1>(browsers, options);
    form->UserPrompts().confirm = [](QWidget*, const QString&) { return true; };
    form->UserPrompts().chooseFile = [this](QFileDialog&) { return std::optional<QString>(file); };
    form->show();
    QCoreApplication::processEvents();
    test::Widget<QTabWidget>(*form, "PageControl1")->setCurrentIndex(0);
    QCoreApplication::processEvents();
  }
  ~BenchWindow() {
    form->close();
    form.reset();
  }

  QTemporaryDir root;
  StartupOptions options;
  test::FakeBrowserFactory browsers;
  std::unique_ptr<TForm1> form;
  QString file;  // the same rows, for the update
};

std::unique_ptr<BenchWindow> window;

BenchWindow& Window(int rows) {
  if (!window || window->form->Rows().RowCount() != rows + 1) {
    window.reset();
    window = std::make_unique<BenchWindow>(rows);
  }
  return *window;
}

void BM_RebuildListThroughRepaint(benchmark::State& state) {
  const int rows = int(state.range(0));
  TForm1& form = *Window(rows).form;
  FaucetListBox* list = test::Widget<FaucetListBox>(form, "ListBox1");
  for (auto _ : state) {
    form.RebuildList();
    list->viewport()->repaint();
  }
  if (list->count() != rows) state.SkipWithError("not every row was listed");
  state.counters["us_per_row"] =
      benchmark::Counter(double(rows) * 1e-6, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
}
BENCHMARK(BM_RebuildListThroughRepaint)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(bench::kBenchRows)
    ->Unit(benchmark::kMillisecond);

// What the ticker has the window thread do, when no wait is over and nothing
// was edited since the last tick.
void BM_TickWithNothingChanged(benchmark::State& state) {
  TForm1& form = *Window(bench::kBenchRows).form;
  FaucetListBox* list = test::Widget<FaucetListBox>(form, "ListBox1");
  // Nothing completed, so nothing expires.
  for (int r = 1; r < form.Rows().RowCount(); ++r) {
    form.Rows().Row(r).Edit(fCompleted).clear();
    form.Rows().Row(r).Edit(fTimestamp).clear();
  }
  const auto tick = [&] {
    form.ExpireCompletedItems();
    form.MyThreadTick();
    form.KeepIndexForRecovery();
    list->viewport()->repaint();
  };
  tick();  // hands the edits above to the recovery file
  for (auto _ : state) tick();
}
BENCHMARK(BM_TickWithNothingChanged)->Unit(benchmark::kMillisecond);

// Counts the longest time between deliveries of the events another thread
// posts every 2 ms: the longest stretch in which the window thread did
// not come back to its event loop, so could not repaint an uncovered region.
// Posted like the window system's events, not a timer: the update lets no
// timer run while it works.
class LoopGaps : public QObject {
 public:
  LoopGaps() {
    sinceLast_.start();
    poster_ = std::thread([this] {
      while (!stop_) {
        QCoreApplication::postEvent(this, new QEvent(kBeat));
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
      }
    });
  }
  ~LoopGaps() override {
    stop_ = true;
    poster_.join();
    QCoreApplication::removePostedEvents(this);
  }
  // From now on; the longest gap so far.
  void Restart() { sinceLast_.restart(); }
  qint64 Longest() {
    longest_ = std::max(longest_, sinceLast_.restart());
    return longest_;
  }

 protected:
  bool event(QEvent* e) override {
    if (e->type() != kBeat) return QObject::event(e);
    longest_ = std::max(longest_, sinceLast_.restart());
    return true;
  }

 private:
  static inline const QEvent::Type kBeat = QEvent::Type(QEvent::registerEventType());
  QElapsedTimer sinceLast_;
  qint64 longest_ = 0;
  std::atomic<bool> stop_{false};
  std::thread poster_;
};

void BM_UpdateIndexFromFile(benchmark::State& state) {
  BenchWindow& w = Window(bench::kBenchRows);
  TForm1& form = *w.form;
  LoopGaps gaps;
  for (auto _ : state) {
    QCoreApplication::processEvents();
    gaps.Restart();
    form.Load2Click();
    gaps.Longest();
  }
  if (form.Rows().RowCount() != bench::kBenchRows + 1)
    state.SkipWithError("the update changed the row count");
  state.counters["longest_gap_ms"] = double(gaps.Longest());
}
BENCHMARK(BM_UpdateIndexFromFile)->Unit(benchmark::kMillisecond);

void BM_LoadIndexOfTheSameFile(benchmark::State& state) {
  BenchWindow& w = Window(bench::kBenchRows);
  const std::string path = QFile::encodeName(w.file).toStdString();
  for (auto _ : state) {
    FaucetIndex index;
    TIntegerHash keys;
    IndexState loaded{index, keys, {}, '.'};
    LoadIndex(loaded, path);
    state.PauseTiming();
    index = FaucetIndex();
    keys = TIntegerHash();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadIndexOfTheSameFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelio

int main(int argc, char** argv) {
  const trelio::RunFolders run;
  trelio::Application app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  trelio::window.reset();
  return 0;
}
