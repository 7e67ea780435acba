#include "app/platform/FolderLock.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <utility>

#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ScratchFolder;

TEST(FolderLockTest, OneHolderAtATimeAndTheLockGoesWithItsHolder) {
  ScratchFolder dir;
  const std::string path = dir / ".lock";
  FolderLockAttempt first = LockFile(path);
  ASSERT_TRUE(first.ok()) << first.error;
  ASSERT_TRUE(first.lock.Held());
  // A second open of the file is another holder, in this process too.
  const FolderLockAttempt second = LockFile(path);
  EXPECT_TRUE(second.ok()) << second.error;
  EXPECT_TRUE(second.takenByAnother);
  EXPECT_FALSE(second.lock.Held());
  // Moved, it is still held; released, it can be taken again.
  FolderLock moved = std::move(first.lock);
  EXPECT_TRUE(LockFile(path).takenByAnother);
  moved = FolderLock();
  const FolderLockAttempt again = LockFile(path);
  EXPECT_TRUE(again.ok() && again.lock.Held() && !again.takenByAnother) << again.error;
}

TEST(FolderLockTest, AKilledHolderLeavesNoStaleLock) {
  ScratchFolder dir;
  const std::string path = dir / ".lock";
  int ready[2];
  ASSERT_EQ(pipe(ready), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const FolderLockAttempt held = LockFile(path);
    const char said = held.lock.Held() ? 'y' : 'n';
    if (write(ready[1], &said, 1) != 1) _exit(1);
    for (;;) pause();
  }
  close(ready[1]);
  char said = 0;
  ASSERT_EQ(read(ready[0], &said, 1), 1);
  close(ready[0]);
  ASSERT_EQ(said, 'y');
  EXPECT_TRUE(LockFile(path).takenByAnother);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  const FolderLockAttempt after = LockFile(path);
  EXPECT_TRUE(after.ok() && after.lock.Held()) << after.error;
}

TEST(FolderLockTest, AFolderThatIsNotThereIsAFailureWithItsReason) {
  ScratchFolder dir;
  const FolderLockAttempt attempt = LockFile(dir / "none/.lock");
  EXPECT_FALSE(attempt.ok());
  EXPECT_FALSE(attempt.takenByAnother);
  EXPECT_FALSE(attempt.lock.Held());
  EXPECT_NE(attempt.error.find("none/.lock"), std::string::npos) << attempt.error;
}

}  // namespace
}  // namespace trelio
