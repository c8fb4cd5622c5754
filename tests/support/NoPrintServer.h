#pragma once
// No print server for the rest of a test, whatever queue the test run
// provides: CUPS_SERVER names a socket that does not exist, and is put back
// afterwards. The system's printing reads the server once a process, at its
// first use, so the guard must stand before the test's first print.
#include <cstdlib>
#include <optional>
#include <string>

namespace TestSupport {

class NoPrintServer {
 public:
  explicit NoPrintServer(const std::string& missingSocket) {
    if (const char* old = std::getenv("CUPS_SERVER")) old_ = old;
    setenv("CUPS_SERVER", missingSocket.c_str(), 1);
  }
  ~NoPrintServer() {
    if (old_)
      setenv("CUPS_SERVER", old_->c_str(), 1);
    else
      unsetenv("CUPS_SERVER");
  }
  NoPrintServer(const NoPrintServer&) = delete;
  NoPrintServer& operator=(const NoPrintServer&) = delete;

 private:
  std::optional<std::string> old_;
};

}  // namespace TestSupport
