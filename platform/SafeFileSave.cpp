#include "platform/SafeFileSave.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace Platform {

namespace {

std::string Cause(const char* step, int error) {
  return std::string(step) + ": " + std::strerror(error);
}

[[noreturn]] void Fail(const std::string& path, const std::string& cause) {
  throw SaveFailure("impossible to save the file " + path + " (" + cause + ")");
}

[[noreturn]] void Refuse(const std::string& path, int error) {
  throw SaveRefused("impossible to save the file " + path + " (" +
                    Cause("open for writing", error) + ")");
}

// Closes the descriptor and removes the temporary file unless released.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty() && !released_) ::unlink(path_.c_str());
  }

  // A unique hidden name from the target's: a second save running at the
  // same time, or the leftover of a killed one, is never written into.
  int Create(const std::string& folder, const std::string& name) {
    const std::string pattern = folder + "/." + name + ".XXXXXX.tmp";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    fd_ = ::mkostemps(buffer.data(), 4, O_CLOEXEC);
    if (fd_ >= 0) path_ = buffer.data();
    return fd_;
  }
  int Descriptor() const { return fd_; }
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }
  void Release() { released_ = true; }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
  bool released_ = false;
};

std::string WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return Cause("write", errno);
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a chain of symbolic links ends at, which may not exist yet.
std::string FollowLinks(const std::string& path) {
  std::string at = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st {};
    if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t n = ::readlink(at.c_str(), buffer.data(), PATH_MAX);
    if (n < 0) return at;
    const std::string to(buffer.data(), static_cast<std::size_t>(n));
    at = !to.empty() && to[0] == '/' ? to : FolderOf(at) + "/" + to;
  }
  return at;  // a loop: opening it reports ELOOP
}

// The process's umask, read without changing it.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  return 022;
}

// The permission bits the new file gets: the old target's, or those a
// new file would get. Refuses what opening the target for writing refuses.
mode_t CheckWritable(const std::string& path, const std::string& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) Refuse(path, EISDIR);
    if (::access(target.c_str(), W_OK) != 0) Refuse(path, errno);
  } else if (errno != ENOENT) {
    Refuse(path, errno);
  }
  if (::access(FolderOf(target).c_str(), W_OK | X_OK) != 0) Refuse(path, errno);
  if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
  return 0666 & ~CurrentUmask();
}

// A write beyond the file-size limit raises SIGXFSZ, which by default ends
// the process; ignored, the write fails with EFBIG and the save reports it.
// Set once for the process: saving and restoring it around each save would
// race between threads.
void IgnoreFileSizeSignal() {
  static const bool once = [] {
    struct sigaction current {};
    ::sigaction(SIGXFSZ, nullptr, &current);
    if (current.sa_handler == SIG_DFL) {
      struct sigaction ignore {};
      ignore.sa_handler = SIG_IGN;
      sigemptyset(&ignore.sa_mask);
      ::sigaction(SIGXFSZ, &ignore, nullptr);
    }
    return true;
  }();
  (void)once;
}

}  // namespace

void SaveFileSafely(const std::string& utf8Path, std::string_view bytes) {
  if (utf8Path.empty()) Fail(utf8Path, "no file name");
  const std::string target = FollowLinks(utf8Path);
  const mode_t mode = CheckWritable(utf8Path, target);
  const std::string folder = FolderOf(target);
  IgnoreFileSizeSignal();
  TemporaryFile part;
  if (part.Create(folder, NameOf(target)) < 0) {
    const int error = errno;
    if (error == EACCES || error == EPERM || error == ENOENT || error == ENOTDIR || error == EROFS)
      Refuse(utf8Path, error);
    Fail(utf8Path, Cause("open a temporary file", error));
  }
  const std::string error = WriteAll(part.Descriptor(), bytes);
  if (!error.empty()) Fail(utf8Path, error);
  if (::fchmod(part.Descriptor(), mode) != 0) Fail(utf8Path, Cause("fchmod", errno));
  if (::fsync(part.Descriptor()) != 0) Fail(utf8Path, Cause("fsync", errno));
  if (part.Close() != 0) Fail(utf8Path, Cause("close", errno));
  if (::rename(part.Path().c_str(), target.c_str()) != 0) Fail(utf8Path, Cause("rename", errno));
  part.Release();
  // The rename itself reaches the disk only with the folder.
  const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd < 0) Fail(utf8Path, Cause("open the folder", errno));
  const int synced = ::fsync(folderFd);
  const int syncError = errno;
  ::close(folderFd);
  if (synced != 0) Fail(utf8Path, Cause("fsync the folder", syncError));
}

}  // namespace Platform
