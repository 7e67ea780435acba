#include "app/platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/EndedProcess.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

TEST(AtomicFileTest, CreateNeverReplacesAnExistingFile) {
  ScratchFolder dir;
  FileCreation created = CreateFileAtomic(dir / "new", "first");
  ASSERT_TRUE(created.ok());
  EXPECT_FALSE(created.existed);
  EXPECT_EQ(ReadBytes(dir / "new"), "first");
  created = CreateFileAtomic(dir / "new", "second");
  ASSERT_TRUE(created.ok());
  EXPECT_TRUE(created.existed);
  EXPECT_EQ(ReadBytes(dir / "new"), "first");
  std::filesystem::create_symlink("nowhere", dir / "dangling");
  created = CreateFileAtomic(dir / "dangling", "third");
  ASSERT_TRUE(created.ok());
  EXPECT_TRUE(created.existed);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);

  created = CreateFileAtomic(dir / "missing/new", "x");
  EXPECT_FALSE(created.ok());
  EXPECT_FALSE(created.existed);
}

TEST(AtomicFileTest, LeftoversOfProcessesThatAreGoneAreRemoved) {
  ScratchFolder dir;
  const std::string gone = std::to_string(test::EndedProcess());
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
    ASSERT_TRUE(file.Write(dir / "f", "new").ok());
    EXPECT_EQ(ReadBytes(dir / "f"), "old");
    EXPECT_EQ(entries(), 2);
  }
  EXPECT_EQ(ReadBytes(dir / "f"), "old");
  EXPECT_EQ(entries(), 1);

  StagedFile file;
  ASSERT_TRUE(file.Write(dir / "f", "").ok());
  ASSERT_TRUE(file.Commit().ok());
  EXPECT_TRUE(std::filesystem::exists(dir / "f"));
  EXPECT_EQ(ReadBytes(dir / "f"), "");
  EXPECT_EQ(entries(), 1);

  StagedFile nowhere;
  EXPECT_FALSE(nowhere.Write(dir / "missing/f", "x").ok());
  const Outcome committed = nowhere.Commit();
  EXPECT_FALSE(committed.ok());
  ASSERT_TRUE(committed.file);
  EXPECT_EQ(committed.file->step, FileStep::kWrite);
  EXPECT_NE(committed.file->path.find("missing/f"), std::string::npos) << committed.file->path;
}

// A copy may be a second name of the same file; whatever the two names are,
// the target ends with the source's bytes and its own kind, mode and links,
// and no later write of one shows through the other.
TEST(AtomicFileTest, ACopyHoldsTheBytesAndStaysApartFromItsSource) {
  namespace fs = std::filesystem;
  enum Setup { kPlain, kTargetIsLink, kOtherMode, kSourceHasTwoNames, kNoTarget };
  for (const Setup setup : {kPlain, kTargetIsLink, kOtherMode, kSourceHasTwoNames, kNoTarget}) {
    SCOPED_TRACE(int(setup));
    ScratchFolder dir;
    const std::string from = dir / "from", to = dir / "to", real = dir / "real";
    WriteBytes(from, "source");
    if (setup != kNoTarget) WriteBytes(setup == kTargetIsLink ? real : to, "old");
    if (setup == kTargetIsLink) fs::create_symlink("real", to);
    if (setup == kOtherMode) fs::permissions(to, fs::perms::owner_read | fs::perms::owner_write);
    if (setup == kSourceHasTwoNames) fs::create_hard_link(from, dir / "twin");
    const fs::perms mode = fs::status(to).permissions();

    ASSERT_TRUE(CopyFileAtomic(from, to, 100).ok());
    EXPECT_EQ(ReadBytes(to), "source");
    EXPECT_EQ(fs::is_symlink(to), setup == kTargetIsLink);
    if (setup != kNoTarget) {
      EXPECT_EQ(fs::status(to).permissions(), mode);
    }

    // The program's own write, and one in place through another name.
    ASSERT_TRUE(WriteFileAtomic(from, "replaced").ok());
    if (setup == kSourceHasTwoNames) WriteBytes(dir / "twin", "in place");
    EXPECT_EQ(ReadBytes(to), "source");
    EXPECT_EQ(fs::hard_link_count(to), 1u);
    const size_t names = 2 + (setup == kTargetIsLink) + (setup == kSourceHasTwoNames);
    EXPECT_EQ(size_t(std::distance(fs::directory_iterator(dir.path()), {})), names);
  }
  ScratchFolder dir;
  WriteBytes(dir / "big", "more than the limit");
  WriteBytes(dir / "to", "old");
  EXPECT_FALSE(CopyFileAtomic(dir / "big", dir / "to", 5).ok());
  EXPECT_FALSE(CopyFileAtomic(dir / "missing", dir / "to", 100).ok());
  EXPECT_EQ(ReadBytes(dir / "to"), "old");
}

}  // namespace
}  // namespace trelio
