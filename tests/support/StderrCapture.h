#pragma once
// Catches what the process writes to descriptor 2 while it lives.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace TestSupport {

class StderrCapture {
 public:
  StderrCapture() {
    std::fflush(stderr);
    saved_ = ::dup(2);
    char name[] = "/tmp/stderr-capture-XXXXXX";
    const int fd = ::mkstemp(name);
    path_ = name;
    ::dup2(fd, 2);
    ::close(fd);
  }
  ~StderrCapture() {
    Restore();
    ::unlink(path_.c_str());
  }
  StderrCapture(const StderrCapture&) = delete;
  StderrCapture& operator=(const StderrCapture&) = delete;

  // Everything written so far; the capture goes on.
  std::string Text() const {
    std::fflush(stderr);
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  int Count(const std::string& piece) const {
    const std::string text = Text();
    int n = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
  }

 private:
  void Restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, 2);
    ::close(saved_);
    saved_ = -1;
  }
  int saved_ = -1;
  std::string path_;
};

}  // namespace TestSupport
