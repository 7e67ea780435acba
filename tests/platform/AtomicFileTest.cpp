#include "app/platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

TEST(AtomicFileTest, ReadTellsMissingFromUnreadable) {
  ScratchFolder dir;
  std::string bytes, error;
  WriteBytes(dir / "f", std::string("a\0b", 3));
  EXPECT_EQ(ReadWholeFile(dir / "f", bytes, &error), ReadOutcome::kRead);
  EXPECT_EQ(bytes, std::string("a\0b", 3));
  EXPECT_EQ(ReadWholeFile(dir / "none", bytes, &error), ReadOutcome::kMissing);
  EXPECT_EQ(ReadWholeFile(dir / "f/below", bytes, &error), ReadOutcome::kMissing);
  EXPECT_EQ(ReadWholeFile(dir.path(), bytes, &error), ReadOutcome::kFailed);
  EXPECT_FALSE(error.empty());
}

TEST(AtomicFileTest, CreateNeverReplacesAnExistingFile) {
  ScratchFolder dir;
  bool existed = true;
  ASSERT_TRUE(CreateFileAtomic(dir / "new", "first", existed));
  EXPECT_FALSE(existed);
  EXPECT_EQ(ReadBytes(dir / "new"), "first");
  ASSERT_TRUE(CreateFileAtomic(dir / "new", "second", existed));
  EXPECT_TRUE(existed);
  EXPECT_EQ(ReadBytes(dir / "new"), "first");
  std::filesystem::create_symlink("nowhere", dir / "dangling");
  ASSERT_TRUE(CreateFileAtomic(dir / "dangling", "third", existed));
  EXPECT_TRUE(existed);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

  std::string error;
  EXPECT_FALSE(CreateFileAtomic(dir / "missing/new", "x", existed, &error));
  EXPECT_FALSE(error.empty());
}

// A process that is gone: a child that has ended and been waited for.
pid_t EndedProcess() {
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  waitpid(pid, nullptr, 0);
  return pid;
}

TEST(AtomicFileTest, LeftoversOfProcessesThatAreGoneAreRemoved) {
  ScratchFolder dir;
  const std::string gone = std::to_string(EndedProcess());
  const std::string alive = std::to_string(getpid());
  const std::vector<std::string> removed = {
      ".index.csv.~" + gone + "-0", ".settings.ini.~" + gone + "-17", ".index.bak.~" + gone + "-3"};
  const std::vector<std::string> kept = {
      ".index.csv.~" + alive + "-0",       // its process still runs
      ".other.txt.~" + gone + "-0",        // not one of the names asked for
      "index.csv.~" + gone + "-0",         // no leading dot
      ".index.csv.~" + gone + "-",         // no counter
      ".index.csv.~" + gone + "-1x",       // more after the counter
      ".index.csv.~-1",                    // no process number
      ".index.csv.~" + gone + "-1.saved",  // more after the counter
      ".index.csv.~+" + gone + "-1",       // a sign is no digit
      "index.csv",
  };
  for (const auto& name : removed) WriteBytes(dir / name, "x");
  for (const auto& name : kept) WriteBytes(dir / name, "x");
  std::filesystem::create_directory(dir.path() + "/.index.csv.~" + gone + "-9");  // a folder stays

  EXPECT_EQ(RemoveLeftoverTemporaryFiles(dir.path(), {"index.csv", "index.bak", "settings.ini"}),
            int(removed.size()));
  for (const auto& name : removed) EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
  for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() + "/.index.csv.~" + gone + "-9"));
  EXPECT_EQ(RemoveLeftoverTemporaryFiles(dir.path() + "/missing", {"index.csv"}), 0);
}

// Until Commit the target keeps its old bytes and the new ones lie out of
// sight; an uncommitted file leaves nothing behind.
TEST(AtomicFileTest, StagedFileAppearsOnlyWhenCommitted) {
  ScratchFolder dir;
  const auto entries = [&] {
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
  };
  WriteBytes(dir / "f", "old");
  {
    StagedFile file;
    ASSERT_TRUE(file.Write(dir / "f", "new"));
    EXPECT_EQ(ReadBytes(dir / "f"), "old");
    EXPECT_EQ(entries(), 2);
  }
  EXPECT_EQ(ReadBytes(dir / "f"), "old");
  EXPECT_EQ(entries(), 1);

  StagedFile file;
  ASSERT_TRUE(file.Write(dir / "f", ""));
  ASSERT_TRUE(file.Commit());
  EXPECT_TRUE(std::filesystem::exists(dir / "f"));
  EXPECT_EQ(ReadBytes(dir / "f"), "");
  EXPECT_EQ(entries(), 1);

  std::string error;
  StagedFile nowhere;
  EXPECT_FALSE(nowhere.Write(dir / "missing/f", "x", &error));
  EXPECT_FALSE(nowhere.Commit(&error));
  EXPECT_NE(error.find("missing/f"), std::string::npos) << error;
}

}  // namespace
}  // namespace trelio
