#include "platform/ExitWatchdog.h"

#include <execinfo.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cstring>
#include <system_error>
#include <thread>

namespace Platform {
namespace {

// The stack of the thread that should have ended the program, written by
// that thread itself from a signal; backtrace is loaded before it is needed.
constexpr int StackSignal = SIGUSR2;
constexpr int MaxFrames = 64;
volatile sig_atomic_t stackWritten = 0;

void WriteAll(const std::string& text) {
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(2, p, left);
    if (n <= 0) return;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

void WriteStack(int) {
  void* frames[MaxFrames];
  const int n = backtrace(frames, MaxFrames);
  backtrace_symbols_fd(frames, n, 2);
  stackWritten = 1;
}

}  // namespace

void ArmExitWatchdog(std::chrono::milliseconds grace, int status, const std::string& programName) {
  void* warm[1];
  backtrace(warm, 1);
  struct sigaction action {};
  action.sa_handler = WriteStack;
  sigemptyset(&action.sa_mask);
  sigaction(StackSignal, &action, nullptr);
  const pthread_t ender = pthread_self();
  const std::string line = programName + ": still running " + std::to_string(grace.count()) +
                           " ms after its main loop ended; it ends now. Where it waited:\n";
  try {
    std::thread([=] {
      std::this_thread::sleep_for(grace);
      WriteAll(line);
      pthread_kill(ender, StackSignal);
      for (int i = 0; i < 20 && !stackWritten; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
      _exit(status);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the program ends as it would have without a guard.
  }
}

}  // namespace Platform
