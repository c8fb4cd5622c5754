#include "platform/ProcessStarter.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <system_error>
#include <thread>

extern char** environ;

namespace Platform {
namespace {

// Counts the children not yet reaped. Never destroyed: a waiter may still be
// running while the program exits.
class Reaper {
 public:
  static Reaper& Instance() {
    static Reaper* reaper = new Reaper;
    return *reaper;
  }

  void Watch(pid_t pid) {
    {
      std::lock_guard<std::mutex> lock(m_);
      ++live_;
    }
    try {
      std::thread([this, pid] { WaitFor(pid); }).detach();
    } catch (const std::system_error&) {
      // No thread for a waiter: later calls sweep it without blocking.
      std::lock_guard<std::mutex> lock(m_);
      unwatched_.push_back(pid);
    }
  }

  bool WaitAll(std::chrono::milliseconds limit) {
    const auto until = std::chrono::steady_clock::now() + limit;
    std::unique_lock<std::mutex> lock(m_);
    for (;;) {
      SweepLocked();
      if (live_ == 0) return true;
      const auto step = std::min(until, std::chrono::steady_clock::now() + SweepPeriod);
      if (cv_.wait_until(lock, step, [this] { return live_ == 0; })) return true;
      if (std::chrono::steady_clock::now() >= until) return false;
    }
  }

  void Sweep() {
    std::lock_guard<std::mutex> lock(m_);
    SweepLocked();
  }

 private:
  static constexpr std::chrono::milliseconds SweepPeriod{100};

  void WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
    }
    Done();
  }

  void Done() {
    std::lock_guard<std::mutex> lock(m_);
    --live_;
    cv_.notify_all();
  }

  void SweepLocked() {
    auto gone = [this](pid_t pid) {
      int status = 0;
      const pid_t r = waitpid(pid, &status, WNOHANG);
      if (r == 0) return false;
      --live_;
      return true;
    };
    unwatched_.erase(std::remove_if(unwatched_.begin(), unwatched_.end(), gone), unwatched_.end());
  }

  std::mutex m_;
  std::condition_variable cv_;
  int live_ = 0;
  std::vector<pid_t> unwatched_;
};

bool IsBatchScript(const std::string& program) {
  static const std::string ext = ".bat";
  if (program.size() < ext.size()) return false;
  return std::equal(ext.begin(), ext.end(), program.end() - ext.size(), [](char a, char b) {
    return a == std::tolower(static_cast<unsigned char>(b));
  });
}

// Owns the spawn attributes and file actions for one start.
class SpawnSetup {
 public:
  SpawnSetup() {
    posix_spawnattr_init(&attr_);
    posix_spawn_file_actions_init(&actions_);
    // The child starts with every signal at its default and none blocked,
    // whatever this process's threads have set up.
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr_, &all);
    posix_spawnattr_setsigmask(&attr_, &none);
    posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    // A long-lived editor must not hold the serial port or the logs open.
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
  }
  ~SpawnSetup() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attr_);
  }
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  const posix_spawnattr_t* Attr() const { return &attr_; }
  const posix_spawn_file_actions_t* Actions() const { return &actions_; }

 private:
  posix_spawnattr_t attr_;
  posix_spawn_file_actions_t actions_;
};

}  // namespace

StartedProcess StartProcess(const std::string& program, const std::vector<std::string>& arguments) {
  Reaper::Instance().Sweep();

  std::vector<std::string> argv;
  if (IsBatchScript(program)) {
    // The shell would only say later that the script is missing.
    if (access(program.c_str(), R_OK) != 0) return StartedProcess{0, errno};
    argv.push_back("/bin/sh");
  }
  argv.push_back(program);
  argv.insert(argv.end(), arguments.begin(), arguments.end());

  std::vector<char*> args;
  for (auto& a : argv) args.push_back(a.data());
  args.push_back(nullptr);

  SpawnSetup setup;
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, args[0], setup.Actions(), setup.Attr(), args.data(), environ);
  if (rc != 0) return StartedProcess{0, rc};
  Reaper::Instance().Watch(pid);
  return StartedProcess{pid, 0};
}

bool WaitForStartedProcesses(std::chrono::milliseconds limit) {
  return Reaper::Instance().WaitAll(limit);
}

std::string ErrorText(int error) {
  char buf[256];
  return strerror_r(error, buf, sizeof buf);
}

}  // namespace Platform
