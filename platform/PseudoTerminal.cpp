#include "platform/PseudoTerminal.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace Platform {

PseudoTerminal::PseudoTerminal() {
  termios raw9600{};
  cfmakeraw(&raw9600);
  raw9600.c_cflag |= CLOCAL | CREAD;
  cfsetispeed(&raw9600, B9600);
  cfsetospeed(&raw9600, B9600);
  char name[256] = {};
  if (openpty(&master_, &slave_, name, &raw9600, nullptr) != 0)
    throw std::runtime_error("In PseudoTerminal: openpty failed");
  path_ = name;
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  fcntl(master_, F_SETFD, FD_CLOEXEC);
  fcntl(slave_, F_SETFD, FD_CLOEXEC);
  if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) {
    close(master_);
    close(slave_);
    throw std::runtime_error("In PseudoTerminal: pipe failed");
  }
}

PseudoTerminal::~PseudoTerminal() {
  for (int fd : {master_, slave_, wake_[0], wake_[1]})
    if (fd >= 0) close(fd);
}

PseudoTerminal::Event PseudoTerminal::Wait(int timeoutMs) {
  pollfd fds[2] = {{master_, POLLIN, 0}, {wake_[0], POLLIN, 0}};
  const int rc = poll(fds, 2, timeoutMs < 0 ? -1 : timeoutMs);
  if (rc < 0) return errno == EINTR ? Event::timeout : Event::failed;
  if (fds[1].revents) return Event::woken;
  if (fds[0].revents & POLLIN) return Event::input;
  if (fds[0].revents) return Event::idle;
  return Event::timeout;
}

std::size_t PseudoTerminal::Read(unsigned char* buffer, std::size_t n) {
  const ssize_t got = read(master_, buffer, n);
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool PseudoTerminal::Write(const char* data, std::size_t n) {
  for (std::size_t i = 0; i < n;) {
    const ssize_t w = write(master_, data + i, n - i);
    if (w > 0) {
      i += static_cast<std::size_t>(w);
      continue;
    }
    if (w < 0 && errno != EAGAIN && errno != EINTR) return false;
    pollfd p{master_, POLLOUT, 0};
    if (poll(&p, 1, 1000) <= 0) return false;
  }
  return true;
}

void PseudoTerminal::Wake() {
  const char one = 1;
  [[maybe_unused]] const ssize_t w = write(wake_[1], &one, 1);
}

}  // namespace Platform
