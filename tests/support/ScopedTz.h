#pragma once
// The local time zone of a test, restored afterwards.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace TestSupport {

class ScopedTz {
 public:
  explicit ScopedTz(const char* tz) {
    if (const char* old = std::getenv("TZ")) old_ = old;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~ScopedTz() {
    if (old_)
      setenv("TZ", old_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  ScopedTz(const ScopedTz&) = delete;
  ScopedTz& operator=(const ScopedTz&) = delete;

 private:
  std::optional<std::string> old_;
};

}  // namespace TestSupport
