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

TEST(AtomicFileTest, ReadTellsMissingFromUnreadable) {
  ScratchFolder dir;
  WriteBytes(dir / "f", std::string("a\0b", 3));
  const FileRead read = ReadFileBytes(dir / "f");
  EXPECT_TRUE(read.ok() && !read.missing) << read.error;
  EXPECT_EQ(read.bytes, std::string("a\0b", 3));
  for (const std::string& missing : {dir / "none", dir / "f/below"}) {
    const FileRead none = ReadFileBytes(missing);
    EXPECT_TRUE(none.ok() && none.missing) << missing << ": " << none.error;
  }
  const FileRead folder = ReadFileBytes(dir.path());
  EXPECT_FALSE(folder.ok());
  EXPECT_FALSE(folder.missing);
}

// Read into a buffer sized from the file: every size reads whole, and a file
// that reports no size (as /proc files do) is still read to its end.
TEST(AtomicFileTest, ReadTakesEveryByteWhateverTheSize) {
  ScratchFolder dir;
  for (const size_t size : {size_t(0), size_t(1), size_t(65535), size_t(65536), size_t(200001)}) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = char(i * 7 % 251);
    WriteBytes(dir / "f", bytes);
    const FileRead read = ReadFileBytes(dir / "f");
    ASSERT_TRUE(read.ok()) << read.error;
    EXPECT_EQ(read.bytes, bytes) << size;
  }
  const FileRead status = ReadFileBytes("/proc/self/status");
  ASSERT_TRUE(status.ok()) << status.error;
  EXPECT_NE(status.bytes.find("Name:"), std::string::npos);
}

TEST(AtomicFileTest, CreateNeverReplacesAnExistingFile) {
  ScratchFolder dir;
  FileCreation created = CreateFileAtomic(dir / "new", "first");
  ASSERT_EQ(created.error, "");
  EXPECT_FALSE(created.existed);
  EXPECT_EQ(ReadBytes(dir / "new"), "first");
  created = CreateFileAtomic(dir / "new", "second");
  ASSERT_EQ(created.error, "");
  EXPECT_TRUE(created.existed);
  EXPECT_EQ(ReadBytes(dir / "new"), "first");
  std::filesystem::create_symlink("nowhere", dir / "dangling");
  created = CreateFileAtomic(dir / "dangling", "third");
  ASSERT_EQ(created.error, "");
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
    ASSERT_EQ(file.Write(dir / "f", "new").error, "");
    EXPECT_EQ(ReadBytes(dir / "f"), "old");
    EXPECT_EQ(entries(), 2);
  }
  EXPECT_EQ(ReadBytes(dir / "f"), "old");
  EXPECT_EQ(entries(), 1);

  StagedFile file;
  ASSERT_EQ(file.Write(dir / "f", "").error, "");
  ASSERT_EQ(file.Commit().error, "");
  EXPECT_TRUE(std::filesystem::exists(dir / "f"));
  EXPECT_EQ(ReadBytes(dir / "f"), "");
  EXPECT_EQ(entries(), 1);

  StagedFile nowhere;
  EXPECT_FALSE(nowhere.Write(dir / "missing/f", "x").ok());
  const Outcome committed = nowhere.Commit();
  EXPECT_FALSE(committed.ok());
  EXPECT_NE(committed.error.find("missing/f"), std::string::npos) << committed.error;
}

}  // namespace
}  // namespace trelio
