#include "app/platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
}  // namespace trelio
