#pragma once
// The most recent lines of a text stream: text arrives in pieces, is cut
// into lines at CR and LF, long lines wrap, each line starts with a prefix,
// and the oldest line goes when the buffer is full.
#include <boost/function.hpp>
#include <cstdint>
#include <string>

#include "foundation/core/ImmPtr.h"

namespace PardeloStravon {

class TextLineBuffer {
 public:
  // Refuses (std::invalid_argument) a line count or length of 0 and a prefix
  // as long as the line length or longer: such a buffer could take no text.
  TextLineBuffer(unsigned maxLines, unsigned maxLength, boost::function<std::wstring()> prefix);
  ~TextLineBuffer();
  TextLineBuffer(const TextLineBuffer&) = delete;
  TextLineBuffer& operator=(const TextLineBuffer&) = delete;

  // True when at least one old line was discarded to make room.
  // Throws std::length_error when a prefix leaves no room on its line.
  bool Append(const std::wstring& text);
  std::size_t Count() const;
  // How many lines were ever discarded: with Count, how many lines were
  // ever started, which a reader that keeps its own place needs (one text
  // may start several lines).
  std::uint64_t Discarded() const;
  // 0 is the oldest line; throws std::out_of_range past the end.
  const std::wstring& Line(std::size_t i) const;

 private:
  struct Impl;
  ImmScoped<Impl> pImpl_;
};

}  // namespace PardeloStravon
