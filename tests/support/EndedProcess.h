// The number of a process that is gone: a child that has ended and been
// waited for, for tests of files named after the process that wrote them.
#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace trelio::test {

inline pid_t EndedProcess() {
  const pid_t pid = fork();
  if (pid == 0) _exit(0);
  waitpid(pid, nullptr, 0);
  return pid;
}

}  // namespace trelio::test
