#include "sender/MailSubmission.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

extern char** environ;

namespace Sendora {
namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

class Fd {
 public:
  Fd() = default;
  ~Fd() { Close(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int& Ref() { return fd_; }
  int Get() const { return fd_; }
  void Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

// Spawn attributes and file actions for one start.
class SpawnSetup {
 public:
  explicit SpawnSetup(int stdinFd) {
    posix_spawnattr_init(&attr_);
    posix_spawn_file_actions_init(&actions_);
    // The program gets SIGPIPE and every other signal at its default, even
    // though this process ignores SIGPIPE.
    sigset_t all;
    sigset_t none;
    sigfillset(&all);
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attr_, &all);
    posix_spawnattr_setsigmask(&attr_, &none);
    posix_spawnattr_setflags(&attr_, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    posix_spawn_file_actions_adddup2(&actions_, stdinFd, STDIN_FILENO);
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

// Writes everything unless the reader goes away; 0 or the errno.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace

std::string FindSendmail() {
  if (const char* path = std::getenv("PATH")) {
    std::string_view rest = path;
    for (;;) {
      const auto colon = rest.find(':');
      const std::string_view dir = rest.substr(0, colon);
      // An empty entry is the working folder.
      const std::string candidate = (dir.empty() ? std::string(".") : std::string(dir)).append("/sendmail");
      if (IsExecutableFile(candidate)) return candidate;
      if (colon == std::string_view::npos) break;
      rest.remove_prefix(colon + 1);
    }
  }
  for (const char* fixed : {"/usr/sbin/sendmail", "/usr/lib/sendmail"})
    if (IsExecutableFile(fixed)) return fixed;
  return {};
}

SubmissionOutcome RunSubmission(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& message) {
  SubmissionOutcome outcome;
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    outcome.startError = errno;
    return outcome;
  }
  Fd readEnd;
  Fd writeEnd;
  readEnd.Ref() = ends[0];
  writeEnd.Ref() = ends[1];

  std::vector<std::string> argv{"sendmail"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  std::vector<char*> args;
  for (auto& a : argv) args.push_back(a.data());
  args.push_back(nullptr);

  pid_t pid = 0;
  {
    SpawnSetup setup(readEnd.Get());
    const int rc = posix_spawn(&pid, program.c_str(), setup.Actions(), setup.Attr(), args.data(), environ);
    if (rc != 0) {
      outcome.startError = rc;
      return outcome;
    }
  }
  readEnd.Close();
  outcome.writeError = WriteAll(writeEnd.Get(), message);
  outcome.tookAll = outcome.writeError == 0;
  writeEnd.Close();

  int status = 0;
  while (waitpid(pid, &status, 0) == -1) {
    if (errno != EINTR) {
      // Not ours to wait for after all: nothing is known of its end.
      outcome.signal = 0;
      outcome.exited = false;
      return outcome;
    }
  }
  if (WIFEXITED(status)) {
    outcome.exited = true;
    outcome.exitStatus = WEXITSTATUS(status);
  } else if (WIFSIGNALED(status)) {
    outcome.signal = WTERMSIG(status);
  }
  return outcome;
}

}  // namespace Sendora
