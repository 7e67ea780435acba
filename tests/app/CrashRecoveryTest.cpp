// The built program, killed outright, keeps what changed since its start.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "tests/support/IndexFolderTest.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/window/EventLoopWait.h"

namespace trelio {
namespace {

using test::kHeaderLine;
using test::ReadBytes;
using test::WriteBytes;

constexpr int kStartTimeoutMs = 120000;

// The program as a user starts it, on the offscreen platform, with this
// test's own data and config folders (XDG_DATA_HOME, XDG_CONFIG_HOME).
class Program {
 public:
  // inChild runs in the new process before the program's start.
  explicit Program(const QString& workingFolder, std::function<void()> inChild = {},
                   const QString& errors = QProcess::nullDevice()) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("KORVANE_TRELIO_SERVER"), QStringLiteral("127.0.0.1:1"));
    process_.setProcessEnvironment(env);
    process_.setWorkingDirectory(workingFolder);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(errors);
    if (inChild) process_.setChildProcessModifier(inChild);
    process_.start(QStringLiteral(KT_PROGRAM), {});
  }
  ~Program() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished();
    }
  }

  bool Started() { return process_.waitForStarted(); }
  // The window is up and a session-end signal closes it: the program
  // catches SIGTERM from then on.
  bool ClosesOnSessionEnd() const {
    const std::string status =
        ReadBytes("/proc/" + std::to_string(process_.processId()) + "/status");
    const size_t at = status.find("SigCgt:");
    if (at == std::string::npos) return false;
    const unsigned long long caught = std::stoull(status.substr(at + 7), nullptr, 16);
    return (caught >> (SIGTERM - 1)) & 1;
  }
  void Signal(int signal) { ::kill(pid_t(process_.processId()), signal); }
  // The exit, or -1 for a crash or no end in time.
  int Finish() {
    if (!process_.waitForFinished(kStartTimeoutMs)) return -1;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
  }

 private:
  QProcess process_;
};

TEST(CrashRecoveryTest, AKilledProgramLosesNoClaimAndTheNextSaveKeepsThePreCrashIndex) {
  const std::string data = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/Korvane Trelio";
  QTemporaryDir work;
  const std::string csv = data + "/index.csv";
  const std::string recovery = data + "/index.recovery";
  // A claim of long ago: the first tick of the ticker, at the start, ends its
  // wait, which changes the index.
  const std::string preCrash = kHeaderLine +
                               "bitcoin;Claimed;http://claimed.example/;5;;1;;1000;1;;;;;;;;0;;\r\n"
                               "dash;Other;http://other.example/;60;;;;;2;;;;;;;;0;;\r\n";
  const std::string expired = "bitcoin;Claimed;http://claimed.example/;5;;;;;1;";
  std::filesystem::create_directories(data);
  WriteBytes(csv, preCrash);
  WriteBytes(data + "/index.bak", "previous\r\n");
  ASSERT_EQ(ReadBytes(csv), preCrash);

  {
    Program first(work.path());
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(test::WaitUntil(
        [&] { return ReadBytes(recovery).find(expired) != std::string::npos; }, kStartTimeoutMs))
        << "no recovery file with the change";
    first.Signal(SIGKILL);
    EXPECT_EQ(first.Finish(), -1);
  }
  EXPECT_EQ(ReadBytes(csv), preCrash);

  {
    Program second(work.path());
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(test::WaitUntil([&] { return second.ClosesOnSessionEnd(); }, kStartTimeoutMs));
    second.Signal(SIGTERM);
    EXPECT_EQ(second.Finish(), 0);
  }
  // The change came back, and the save rotated the pre-crash file.
  EXPECT_NE(ReadBytes(csv).find(expired), std::string::npos) << ReadBytes(csv);
  EXPECT_NE(ReadBytes(csv).find("dash;Other;http://other.example/;60;"), std::string::npos);
  EXPECT_EQ(ReadBytes(data + "/index.bak"), preCrash);
  EXPECT_EQ(ReadBytes(data + "/index.bak2"), "previous\r\n");
  EXPECT_FALSE(std::filesystem::exists(recovery));
}

// Under a file size limit (ulimit -f) a save that passes it fails with its
// error, as on a full disk: the program is not ended by the signal and the
// file it would replace stays whole.
TEST(CrashRecoveryTest, AFileSizeLimitFailsTheSavesInsteadOfEndingTheProgram) {
  const std::string data = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/Korvane Trelio";
  QTemporaryDir work;
  const std::string csv = data + "/index.csv";
  std::string stored = kHeaderLine;
  for (int r = 0; r < 2000; ++r)
    stored += "bitcoin;Row " + std::to_string(r) + ";http://r" + std::to_string(r) +
              ".example/;5;;;;;" + std::to_string(r + 1) + ";;;;;;;;0;;\r\n";
  std::filesystem::create_directories(data);
  WriteBytes(csv, stored);
  const QString errors = work.filePath(QStringLiteral("stderr.txt"));
  {
    // The limit, and the signal as a shell leaves it, for the program only.
    Program program(
        work.path(),
        [] {
          signal(SIGXFSZ, SIG_DFL);
          const rlimit limit{32 * 1024, RLIM_INFINITY};
          setrlimit(RLIMIT_FSIZE, &limit);
        },
        errors);
    ASSERT_TRUE(program.Started());
    ASSERT_TRUE(test::WaitUntil([&] { return program.ClosesOnSessionEnd(); }, kStartTimeoutMs));
    // Its shutdown saves index.csv, larger than the limit.
    program.Signal(SIGTERM);
    EXPECT_EQ(program.Finish(), 0);
  }
  EXPECT_EQ(ReadBytes(csv), stored);
  const std::string reported = ReadBytes(errors.toStdString());
  EXPECT_NE(reported.find("Cannot write \"" + csv + "\": File too large"), std::string::npos)
      << reported;
}

}  // namespace
}  // namespace trelio

namespace trelio {
namespace {

// Every file of a folder with its bytes.
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files[entry.path().filename().string()] = ReadBytes(entry.path().string());
  return files;
}

TEST(CrashRecoveryTest, SettingsNotOnDiskAreWrittenWhileTheProgramRunsAndOutliveAKill) {
  const std::string data = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/Korvane Trelio";
  QTemporaryDir work;
  std::filesystem::create_directories(data);
  WriteBytes(data + "/index.csv", kHeaderLine);
  {
    Program program(work.path());
    ASSERT_TRUE(program.Started());
    // A first start: none of the settings the window shows is on disk yet.
    ASSERT_TRUE(test::WaitUntil(
        [&] { return ReadBytes(data + "/settings.ini").find("[Addresses]") != std::string::npos; },
        kStartTimeoutMs))
        << "no settings.ini while the program runs";
    program.Signal(SIGKILL);
    EXPECT_EQ(program.Finish(), -1);
  }
  // Whole, with every key, and read back as written.
  const std::string written = ReadBytes(data + "/settings.ini");
  for (const char* line : {"[Addresses]", "Bitcoin=", "Tron Tab=1",
                           "Language=", "[Browsing options]", "[Parser]", "No pay intervals=1440"})
    EXPECT_NE(written.find(line), std::string::npos) << line << " in\n" << written;
}

TEST(SecondStartTest, ASecondStartOnTheDataFolderReadsAndWritesNothingThere) {
  const std::string data = qEnvironmentVariable("XDG_DATA_HOME").toStdString() + "/Korvane Trelio";
  QTemporaryDir work;
  const std::string csv = data + "/index.csv";
  // Expired at the first tick: the first program keeps the change in its
  // recovery file, which a second one must neither load nor remove.
  const std::string expired = "bitcoin;Claimed;http://claimed.example/;5;;;;;1;";
  std::filesystem::create_directories(data);
  WriteBytes(csv,
             kHeaderLine + "bitcoin;Claimed;http://claimed.example/;5;;1;;1000;1;;;;;;;;0;;\r\n");
  WriteBytes(data + "/settings.ini", "[Addresses]\r\nBitcoin=1First\r\n");

  Program first(work.path());
  ASSERT_TRUE(first.Started());
  ASSERT_TRUE(test::WaitUntil(
      [&] {
        return ReadBytes(data + "/index.recovery").find(expired) != std::string::npos &&
               ReadBytes(data + "/settings.ini").find("Tron Tab=") != std::string::npos &&
               first.ClosesOnSessionEnd();
      },
      kStartTimeoutMs));
  const std::map<std::string, std::string> before = FolderFiles(data);

  {
    Program second(work.path());
    ASSERT_TRUE(second.Started());
    // Up to its message box, which a session end closes.
    ASSERT_TRUE(test::WaitUntil([&] { return second.ClosesOnSessionEnd(); }, kStartTimeoutMs));
    second.Signal(SIGTERM);
    EXPECT_EQ(second.Finish(), 0);
  }
  EXPECT_EQ(FolderFiles(data), before);

  first.Signal(SIGTERM);
  EXPECT_EQ(first.Finish(), 0);
  EXPECT_NE(ReadBytes(csv).find(expired), std::string::npos) << ReadBytes(csv);
  EXPECT_NE(ReadBytes(data + "/settings.ini").find("Bitcoin=1First\r\n"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(data + "/index.recovery"));
}

}  // namespace
}  // namespace trelio
