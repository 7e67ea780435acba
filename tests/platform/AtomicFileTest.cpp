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

}  // namespace
}  // namespace trelio
