#include "foundation/core/TextLineBuffer.h"

#include <deque>
#include <stdexcept>

namespace PardeloStravon {

struct TextLineBuffer::Impl {
  unsigned maxLines;
  unsigned maxLength;
  boost::function<std::wstring()> prefix;
  std::deque<std::wstring> lines;
  std::uint64_t discardedLines = 0;

  // True when the oldest line had to go.
  bool StartLine() {
    bool discarded = false;
    if (lines.size() >= maxLines) {
      lines.pop_front();
      ++discardedLines;
      discarded = true;
    }
    std::wstring first = prefix ? prefix() : std::wstring();
    // A prefix that fills the line would wrap forever.
    if (first.size() >= maxLength)
      throw std::length_error("In TextLineBuffer::Append: the line prefix fills the whole line");
    lines.push_back(std::move(first));
    return discarded;
  }
};

TextLineBuffer::TextLineBuffer(unsigned maxLines, unsigned maxLength,
                               boost::function<std::wstring()> prefix)
    : pImpl_(new Impl{maxLines, maxLength, std::move(prefix), {}, 0}) {
  if (maxLines == 0 || maxLength == 0)
    throw std::invalid_argument("In TextLineBuffer::TextLineBuffer: no room for any line");
  // Append could never make progress on such lines.
  if (pImpl_->prefix && pImpl_->prefix().size() >= maxLength)
    throw std::invalid_argument("In TextLineBuffer::TextLineBuffer: the line prefix fills the whole line");
}

TextLineBuffer::~TextLineBuffer() = default;

bool TextLineBuffer::Append(const std::wstring& text) {
  Impl& d = *pImpl_;
  bool discarded = false;
  std::size_t pos = 0;
  const std::size_t n = text.size();
  for (;;) {
    while (pos < n && (text[pos] == L'\r' || text[pos] == L'\n')) {
      ++pos;
      discarded |= d.StartLine();
    }
    if (pos >= n) break;
    if (d.lines.empty()) d.StartLine();
    if (d.lines.back().size() >= d.maxLength) discarded |= d.StartLine();
    std::wstring& line = d.lines.back();
    while (pos < n && text[pos] != L'\r' && text[pos] != L'\n' && line.size() < d.maxLength)
      line += text[pos++];
  }
  return discarded;
}

std::size_t TextLineBuffer::Count() const { return pImpl_->lines.size(); }

std::uint64_t TextLineBuffer::Discarded() const { return pImpl_->discardedLines; }

const std::wstring& TextLineBuffer::Line(std::size_t i) const {
  if (i >= pImpl_->lines.size()) throw std::out_of_range("In TextLineBuffer::Line: no such line");
  return pImpl_->lines[i];
}

}  // namespace PardeloStravon
