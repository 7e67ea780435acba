// Reads of files from outside: only regular files, within a bound, and never
// waiting on a pipe or a device.
#include "app/platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>

#include "app/platform/AtomicFile.h"
#include "tests/support/NotAFile.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::LinkToEndlessDevice;
using test::PipeWithoutWriter;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

TEST(FileSystemTest, ReadTellsMissingFromUnreadable) {
  ScratchFolder dir;
  WriteBytes(dir / "f", std::string("a\0b", 3));
  const FileRead read = ReadFileBytes(dir / "f", 100);
  EXPECT_TRUE(read.ok() && !read.missing);
  EXPECT_EQ(read.bytes, std::string("a\0b", 3));
  for (const std::string& missing : {dir / "none", dir / "f/below"}) {
    const FileRead none = ReadFileBytes(missing, 100);
    EXPECT_TRUE(none.ok() && none.missing) << missing;
  }
  const FileRead folder = ReadFileBytes(dir.path(), 100);
  ASSERT_TRUE(folder.file);
  EXPECT_EQ(folder.file->err, EISDIR);
  EXPECT_FALSE(folder.missing);
}

// Read into a buffer sized from the file: every size reads whole, at and
// around the sizes where the buffer would have to grow.
TEST(FileSystemTest, ReadTakesEveryByteWhateverTheSize) {
  ScratchFolder dir;
  for (const size_t size : {size_t(0), size_t(1), size_t(65535), size_t(65536), size_t(200001)}) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = char(i * 7 % 251);
    WriteBytes(dir / "f", bytes);
    const FileRead read = ReadFileBytes(dir / "f", 1 << 20);
    ASSERT_TRUE(read.ok()) << size;
    EXPECT_EQ(read.bytes, bytes) << size;
    const FileRead bounded = ReadFileBytes(dir / "f", size);
    EXPECT_TRUE(bounded.ok()) << size;
    if (size > 0) {
      EXPECT_FALSE(ReadFileBytes(dir / "f", size - 1).ok()) << size;
    }
  }
}

TEST(FileSystemTest, OnlyRegularFilesWithinTheBoundAreRead) {
  ScratchFolder dir;
  WriteBytes(dir / "five", "12345");
  ASSERT_TRUE(LinkToEndlessDevice(dir / "zero"));
  struct Case {
    const char* what;
    std::string path;
    uint64_t limit;
    FileRefusal refusal;  // kNone: read whole
  };
  const Case cases[] = {
      {"a file of the bound", dir / "five", 5, FileRefusal::kNone},
      {"a file past the bound", dir / "five", 4, FileRefusal::kTooLarge},
      {"a link to /dev/zero", dir / "zero", 1 << 20, FileRefusal::kNotRegular},
      {"a pipe nobody writes to", dir / "pipe", 1 << 20, FileRefusal::kNotRegular},
  };
  for (const Case& c : cases) {
    std::unique_ptr<PipeWithoutWriter> pipe;
    if (c.path == dir / "pipe") {
      pipe = std::make_unique<PipeWithoutWriter>(c.path);
      ASSERT_TRUE(pipe->Made());
    }
    const FileRead read = ReadFileBytes(c.path, c.limit);
    pipe.reset();
    if (c.refusal == FileRefusal::kNone) {
      EXPECT_TRUE(read.ok()) << c.what;
      EXPECT_EQ(read.bytes, "12345") << c.what;
      continue;
    }
    ASSERT_TRUE(read.file) << c.what;
    EXPECT_EQ(read.file->step, FileStep::kRead) << c.what;
    EXPECT_EQ(read.file->path, c.path) << c.what;
    EXPECT_EQ(read.file->refusal, c.refusal) << c.what;
    EXPECT_EQ(read.bytes, "") << c.what;
  }
}

TEST(FileSystemTest, ScanningAPipeOrADeviceDoesNotWait) {
  ScratchFolder dir;
  ASSERT_TRUE(LinkToEndlessDevice(dir / "zero"));
  int fed = 0;
  const auto feed = [&](std::string_view) { return ++fed < 1000; };
  EXPECT_EQ(ScanFileBytes(dir / "zero", feed).file->refusal, FileRefusal::kNotRegular);
  PipeWithoutWriter pipe(dir / "pipe");
  ASSERT_TRUE(pipe.Made());
  const Outcome scanned = ScanFileBytes(pipe.path(), feed);
  ASSERT_TRUE(scanned.file);
  EXPECT_EQ(scanned.file->refusal, FileRefusal::kNotRegular);
  EXPECT_EQ(fed, 0);
}

// Renaming over a pipe or a device would put a file where the system keeps
// them; the file is refused and what lies there stays.
TEST(FileSystemTest, WritesReplaceOnlyRegularFiles) {
  ScratchFolder dir;
  ASSERT_TRUE(LinkToEndlessDevice(dir / "zero"));
  PipeWithoutWriter pipe(dir / "pipe");
  ASSERT_TRUE(pipe.Made());
  for (const std::string& path : {dir / "zero", pipe.path()}) {
    const Outcome written = WriteFileAtomic(path, "index");
    ASSERT_TRUE(written.file) << path;
    EXPECT_EQ(written.file->step, FileStep::kWrite) << path;
    EXPECT_EQ(written.file->refusal, FileRefusal::kNotRegular) << path;
  }
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "zero"));
  EXPECT_TRUE(std::filesystem::is_fifo(pipe.path()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2);
}

TEST(FileSystemTest, KindsOfPaths) {
  ScratchFolder dir;
  WriteBytes(dir / "f", "x");
  ASSERT_TRUE(LinkToEndlessDevice(dir / "zero"));
  std::filesystem::create_symlink(dir / "none", dir / "dangling");
  EXPECT_EQ(KindAt(dir / "f"), PathKind::kRegularFile);
  EXPECT_EQ(KindAt(dir.path()), PathKind::kFolder);
  EXPECT_EQ(KindAt(dir / "zero"), PathKind::kOther);
  EXPECT_EQ(KindAt(dir / "none"), PathKind::kNothing);
  EXPECT_TRUE(IsExistingFile(dir / "zero"));
  EXPECT_FALSE(IsExistingFile(dir.path()));
  EXPECT_FALSE(IsExistingFile(dir / "dangling"));
  EXPECT_TRUE(AnythingAt(dir / "dangling"));
  EXPECT_FALSE(AnythingAt(dir / "none"));
  EXPECT_TRUE(ModifiedTime(dir / "f"));
  EXPECT_FALSE(ModifiedTime(dir / "zero"));
  EXPECT_EQ(RegularFileSize(dir / "f"), 1u);
  EXPECT_FALSE(RegularFileSize(dir / "zero"));
  EXPECT_FALSE(RegularFileSize(dir.path()));
  EXPECT_EQ(FolderError(dir / "f"), ENOTDIR);
  EXPECT_EQ(FolderError(dir.path()), 0);
}

}  // namespace
}  // namespace trelio
