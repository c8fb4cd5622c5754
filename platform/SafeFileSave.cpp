#include "platform/SafeFileSave.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace Platform {

namespace {

std::string Cause(const char* step, int error) {
  return std::string(step) + ": " + std::strerror(error);
}

[[noreturn]] void Fail(const std::string& path, const std::string& cause) {
  throw SaveFailure("impossible to save the file " + path + " (" + cause + ")");
}

// Closes the descriptor and removes the temporary file unless released.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!released_) ::unlink(path_.c_str());
  }

  int Open() {
    // A leftover of an interrupted save is never read: O_TRUNC empties it.
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
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
  TemporaryFile part(utf8Path + ".tmp");
  IgnoreFileSizeSignal();
  if (part.Open() < 0) Fail(utf8Path, Cause(("open " + part.Path()).c_str(), errno));
  const std::string error = WriteAll(part.Descriptor(), bytes);
  if (!error.empty()) Fail(utf8Path, error);
  if (::fsync(part.Descriptor()) != 0) Fail(utf8Path, Cause("fsync", errno));
  if (part.Close() != 0) Fail(utf8Path, Cause("close", errno));
  if (::rename(part.Path().c_str(), utf8Path.c_str()) != 0) Fail(utf8Path, Cause("rename", errno));
  part.Release();
  // The rename itself reaches the disk only with the folder.
  const int folder = ::open(FolderOf(utf8Path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder < 0) Fail(utf8Path, Cause("open the folder", errno));
  const int synced = ::fsync(folder);
  const int syncError = errno;
  ::close(folder);
  if (synced != 0) Fail(utf8Path, Cause("fsync the folder", syncError));
}

}  // namespace Platform
