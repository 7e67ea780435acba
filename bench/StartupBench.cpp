// The program from its start to the first paint of its window with an index
// of 3,000 and of 100,000 rows, against a program that only shows one
// QWebEngineView.
// Both run offscreen, in turn, each as a whole process; the figure to read
// is the ratio of the two minima. The program starts its browser engine
// after its first paint, so a second benchmark times it until the engine has
// started (3,000 and 30,000 rows), against the same baseline.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "app/program/FirstPaint.h"
#include "bench/IndexBenchData.h"

extern char** environ;

namespace trelio {
namespace {

// A data folder with the index, and the environment that points there.
struct StartupFolder {
  explicit StartupFolder(int rows) {
    const std::string data = folder + "/Korvane Trelio";
    std::filesystem::create_directories(data);
    std::filesystem::copy_file(bench::SavedBenchIndex::Get(rows).state.files.csv,
                               data + "/index.csv");
    for (char** e = environ; *e; ++e) {
      const std::string entry = *e;
      const std::string name = entry.substr(0, entry.find('='));
      if (name != "QT_QPA_PLATFORM" && name != "XDG_DATA_HOME" && name != "XDG_CONFIG_HOME" &&
          name != kExitOnFirstPaintVariable && name != kExitOnEngineStartVariable)
        env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("XDG_DATA_HOME=" + folder);
    env.push_back("XDG_CONFIG_HOME=" + folder + "/config");
  }
  ~StartupFolder() { std::filesystem::remove_all(folder); }

  // An exit at the first paint is not a clean end: the first tick may leave a
  // recovery file, which would make the next start one after a crash.
  void AsAfterACleanExit() const {
    std::filesystem::remove(folder + "/Korvane Trelio/index.recovery");
  }

  std::string folder = bench::BenchFolder();
  std::vector<std::string> env;
};

// Where a run ends: the variable that asks for it and what the program
// prints then.
struct EndPoint {
  const char* variable;
  const char* said;
};
constexpr EndPoint kFirstPaint{kExitOnFirstPaintVariable, "first paint"};
constexpr EndPoint kEngineStarted{kExitOnEngineStartVariable, "engine started"};

// Seconds from the start of `program` until it ended at `end`; negative when
// it failed or took longer than a minute.
double RunTo(const std::string& program, const StartupFolder& where, EndPoint end) {
  where.AsAfterACleanExit();
  std::vector<std::string> env = where.env;
  env.push_back(std::string(end.variable) + "=1");
  std::vector<char*> envp;
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  const std::string out = where.folder + "/stdout";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addchdir_np(&actions, where.folder.c_str());
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;

  // A program that never gets there is stopped after a minute.
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!ended.wait_for(lock, std::chrono::minutes(1), [&] { return done; })) kill(pid, SIGKILL);
  });
  int status = 0;
  waitpid(pid, &status, 0);
  const auto stop = std::chrono::steady_clock::now();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  ended.notify_one();
  watchdog.join();

  std::stringstream printed;
  printed << std::ifstream(out).rdbuf();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
      printed.str().find(end.said) == std::string::npos)
    return -1;
  return std::chrono::duration<double>(stop - start).count();
}

// The program until `end` against the baseline until its first paint.
void CompareStart(benchmark::State& s, EndPoint end) {
  const StartupFolder where(int(s.range(0)));
  // Once each first, so that both start from a warm file cache.
  if (RunTo(KT_PROGRAM, where, end) < 0 || RunTo(KT_MINIMAL_WEBVIEW, where, kFirstPaint) < 0) {
    s.SkipWithError("a program did not reach its end point");
    return;
  }
  std::vector<double> program, baseline;
  for (auto _ : s) {
    const double a = RunTo(KT_PROGRAM, where, end);
    const double b = RunTo(KT_MINIMAL_WEBVIEW, where, kFirstPaint);
    if (a < 0 || b < 0) {
      s.SkipWithError("a program did not reach its end point");
      return;
    }
    program.push_back(a);
    baseline.push_back(b);
    s.SetIterationTime(a);
  }
  const double programMin = *std::min_element(program.begin(), program.end());
  const double baselineMin = *std::min_element(baseline.begin(), baseline.end());
  s.counters["program_min_ms"] = programMin * 1e3;
  s.counters["webview_min_ms"] = baselineMin * 1e3;
  s.counters["ratio_of_minima"] = programMin / baselineMin;
}

void BM_StartToFirstPaint(benchmark::State& s) { CompareStart(s, kFirstPaint); }
BENCHMARK(BM_StartToFirstPaint)
    ->Arg(3000)
    ->Arg(bench::kBenchRows)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

void BM_StartToEngineStarted(benchmark::State& s) { CompareStart(s, kEngineStarted); }
BENCHMARK(BM_StartToEngineStarted)
    ->Arg(3000)
    ->Arg(30000)
    ->UseManualTime()
    ->Iterations(15)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trelio
