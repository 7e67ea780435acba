#include "app/platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/ScratchFolder.h"

namespace trelio {
namespace {

using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

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

// Until Commit the target keeps its old bytes and the new ones lie out of
// sight; an uncommitted file leaves nothing behind.
TEST(AtomicFileTest, PendingFileAppearsOnlyWhenCommitted) {
  ScratchFolder dir;
  const auto entries = [&] {
    return std::distance(std::filesystem::directory_iterator(dir.path()), {});
  };
  WriteBytes(dir / "f", "old");
  {
    PendingFile file;
    ASSERT_TRUE(file.Write(dir / "f", "new"));
    EXPECT_EQ(ReadBytes(dir / "f"), "old");
    EXPECT_EQ(entries(), 2);
  }
  EXPECT_EQ(ReadBytes(dir / "f"), "old");
  EXPECT_EQ(entries(), 1);

  PendingFile file;
  ASSERT_TRUE(file.Write(dir / "f", ""));
  ASSERT_TRUE(file.Commit());
  EXPECT_TRUE(std::filesystem::exists(dir / "f"));
  EXPECT_EQ(ReadBytes(dir / "f"), "");
  EXPECT_EQ(entries(), 1);

  std::string error;
  PendingFile nowhere;
  EXPECT_FALSE(nowhere.Write(dir / "missing/f", "x", &error));
  EXPECT_FALSE(nowhere.Commit(&error));
  EXPECT_NE(error.find("missing/f"), std::string::npos) << error;
}

}  // namespace
}  // namespace trelio
