#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "platform/ExitWatchdog.h"

using namespace std::chrono_literals;

namespace {

struct Ended {
  int status = -1;  // exit status, -1 when killed by a signal
  std::string standardError;
  std::chrono::steady_clock::duration took{};
};

// Runs `body` in a child process whose standard error comes back here; a
// child still alive after 20 s is killed.
template <typename Body>
Ended RunChild(Body body) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return {};
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(pipeEnds[1], 2);
    close(pipeEnds[0]);
    alarm(20);
    body();
    _exit(0);
  }
  close(pipeEnds[1]);
  Ended ended;
  char buffer[4096];
  for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;) ended.standardError.append(buffer, n);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  ended.took = std::chrono::steady_clock::now() - start;
  ended.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return ended;
}

}  // namespace

TEST(ExitWatchdog, EndsAProgramStuckAfterItsMainLoopWithItsStatusAndWhereItWaited) {
  const Ended ended = RunChild([] {
    Platform::ArmExitWatchdog(300ms, 7, "Stuck");
    for (;;) pause();  // a teardown that never returns
  });
  EXPECT_EQ(ended.status, 7);
  EXPECT_LT(ended.took, 10s);
  EXPECT_NE(ended.standardError.find("Stuck: still running 300 ms after its main loop ended; it ends now."),
            std::string::npos)
      << ended.standardError;
  // The stack is the stuck thread's own, down to the call it waits in.
  EXPECT_NE(ended.standardError.find("(pause+"), std::string::npos) << ended.standardError;
}

TEST(ExitWatchdog, LetsAProgramThatEndsInTimeEndAsItWouldWithoutIt) {
  const Ended ended = RunChild([] {
    Platform::ArmExitWatchdog(5s, 7, "Prompt");
    std::exit(3);
  });
  EXPECT_EQ(ended.status, 3);
  EXPECT_LT(ended.took, 4s);
  EXPECT_EQ(ended.standardError, "");
}
