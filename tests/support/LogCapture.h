#pragma once
// Catches what one log channel writes while it lives, readable while other
// threads still write to it.
#include <mutex>
#include <streambuf>
#include <string>

#include "foundation/core/LogChannel.h"

namespace TestSupport {

class LogCapture : private std::wstreambuf {
 public:
  explicit LogCapture(PardeloStravon::LogChannel& channel)
      : channel_(channel), old_(channel.Stream().rdbuf(this)) {}
  ~LogCapture() override { channel_.Stream().rdbuf(old_); }
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::wstring Text() const {
    std::lock_guard<std::mutex> lock(m_);
    return text_;
  }
  void Clear() {
    std::lock_guard<std::mutex> lock(m_);
    text_.clear();
  }
  // How often the piece occurs, overlaps included.
  int Count(const std::wstring& piece) const {
    const std::wstring text = Text();
    int n = 0;
    for (auto at = text.find(piece); at != std::wstring::npos; at = text.find(piece, at + 1)) ++n;
    return n;
  }

 private:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
      std::lock_guard<std::mutex> lock(m_);
      text_ += traits_type::to_char_type(c);
    }
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const wchar_t* s, std::streamsize n) override {
    std::lock_guard<std::mutex> lock(m_);
    text_.append(s, static_cast<std::size_t>(n));
    return n;
  }

  PardeloStravon::LogChannel& channel_;
  std::wstreambuf* old_;
  mutable std::mutex m_;
  std::wstring text_;
};

}  // namespace TestSupport
