#pragma once
// Sets the time zone for the scope's life and restores the one before.
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace TestSupport {

class TzScope {
 public:
  explicit TzScope(const char* tz) {
    if (const char* old = std::getenv("TZ")) saved_ = old;
    setenv("TZ", tz, 1);
    tzset();
  }
  ~TzScope() {
    if (saved_)
      setenv("TZ", saved_->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }
  TzScope(const TzScope&) = delete;
  TzScope& operator=(const TzScope&) = delete;

 private:
  std::optional<std::string> saved_;
};

}  // namespace TestSupport
