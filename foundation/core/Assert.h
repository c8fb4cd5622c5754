#pragma once
// Assertions for programming errors. Both forms write one record to the
// error log; ASSERT_THROW then throws AssertionFailure, which callers catch
// as std::exception (it is neither a logic_error nor a runtime_error).
// Conditions are evaluated twice, so they must have no side effects.
#include <exception>
#include <string>

namespace PardeloStravon {

class AssertionFailure : public std::exception {
 public:
  explicit AssertionFailure(std::string what) : what_(std::move(what)) {}
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::string what_;
};

// Writes the assertion record to the error log.
void WriteAssertionRecord(const std::wstring& message, const char* function, const char* file,
                          int line);
[[noreturn]] void ThrowAssertionFailure(const std::wstring& message);

}  // namespace PardeloStravon

#define ASSERT_LOG(cond, msg)                                                                    \
  do {                                                                                           \
    if (!(cond))                                                                                 \
      ::PardeloStravon::WriteAssertionRecord((msg), __PRETTY_FUNCTION__, __FILE__, __LINE__);   \
  } while (0)

// GoogleTest has a macro of this name; the system's own wins where both are
// seen, so tests include GoogleTest first and use EXPECT_THROW.
#ifdef ASSERT_THROW
#undef ASSERT_THROW
#endif
#define ASSERT_THROW(cond, msg)                                                                  \
  do {                                                                                           \
    if (!(cond)) {                                                                               \
      ::PardeloStravon::WriteAssertionRecord((msg), __PRETTY_FUNCTION__, __FILE__, __LINE__);   \
      if (!(cond)) ::PardeloStravon::ThrowAssertionFailure(msg);                                 \
    }                                                                                            \
  } while (0)
