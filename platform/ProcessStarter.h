#pragma once
// Starts other programs without waiting for them: the user's scripts and the
// text editor. Each argument reaches the program as one argument, exactly as
// given; nothing passes through a shell's parser. Texts are UTF-8.
//
// Every child is reaped by a waiter of its own, so none is left as a zombie,
// and no signal handler of the process is touched.
#include <chrono>
#include <string>
#include <vector>

namespace Platform {

struct StartedProcess {
  int pid = 0;    // 0 when nothing was started
  int error = 0;  // the system's error number when nothing was started

  explicit operator bool() const { return pid != 0; }
};

// Runs `program` with `arguments` as its argv[1..]. A script named "*.bat"
// (any case) is run by /bin/sh, so it needs no execute permission. The child
// keeps the standard streams and none of the other open files.
StartedProcess StartProcess(const std::string& program, const std::vector<std::string>& arguments);

// Waits until every child started so far has ended and been reaped, at most
// `limit`; whether they all have.
bool WaitForStartedProcesses(std::chrono::milliseconds limit);

// The text of a system error number.
std::string ErrorText(int error);

}  // namespace Platform
