#include "foundation/core/RepeatCollapse.h"

#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {
namespace {

constexpr std::time_t Minute = 60;
// Longer lines are never compared: they pass as they come.
constexpr std::size_t LongestComparedLine = 4096;

enum class Stamp { none, partial, whole };

// Whether `to` lies less than a minute after `from`; a clock set back ends
// every minute at once.
bool WithinMinute(std::time_t from, std::time_t to) { return to >= from && to - from < Minute; }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Whether the text begins with a time stamp ("1178040000 19:20:00 05/01/07"),
// may still become one, or is none; `end` is where a whole one ends.
Stamp MatchStamp(std::wstring_view text, std::size_t& end) {
  std::size_t i = 0;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == text.size()) return Stamp::partial;
  if (i == 0) return Stamp::none;
  static constexpr std::wstring_view tail = L" ##:##:## ##/##/##";
  for (std::size_t j = 0; j < tail.size(); ++j) {
    if (i + j == text.size()) return Stamp::partial;
    const wchar_t c = text[i + j];
    if (tail[j] == L'#' ? !IsDigit(c) : c != tail[j]) return Stamp::none;
  }
  end = i + tail.size();
  return Stamp::whole;
}

// The text after a whole time stamp; a line without one is its own key.
std::wstring_view KeyOf(std::wstring_view line) {
  std::size_t end = 0;
  return MatchStamp(line, end) == Stamp::whole ? line.substr(end) : line;
}

}  // namespace

RepeatCollapse::RepeatCollapse(Sink sink) : sink_(std::move(sink)) {}

std::wstring RepeatCollapse::CountLine(const std::wstring& key, long count, std::time_t now) {
  const std::size_t first = key.find_first_not_of(L' ');
  const std::wstring text = first == std::wstring::npos ? std::wstring() : key.substr(first);
  return ToWide(NarrowTimeStampAt(now)) + L" \"" + text + L"\" repeated " + std::to_wstring(count) +
         (count == 1 ? L" time\n" : L" times\n");
}

void RepeatCollapse::Put(std::wstring_view text, std::time_t now) {
  WriteDueCount(now);
  while (!text.empty()) {
    const std::size_t nl = text.find(L'\n');
    const std::wstring_view piece = text.substr(0, nl);
    if (through_) {
      out_ += piece;
      if (!tooLong_) {
        line_ += piece;
        if (line_.size() > LongestComparedLine) {
          tooLong_ = true;
          line_.clear();
        }
      }
    } else {
      if (line_.size() == contentStart_ && !piece.empty()) lineStart_ = now;
      if (line_.empty()) lineStart_ = now;
      line_ += piece;
    }
    if (nl == std::wstring_view::npos) {
      if (!through_ && !CouldRepeat()) Release(now);
      break;
    }
    if (through_) {
      out_ += L'\n';
      CompleteThrough();
    } else {
      CompleteHeld(now);
    }
    text.remove_prefix(nl + 1);
  }
  Emit();
}

void RepeatCollapse::Tick(std::time_t now) {
  WriteDueCount(now);
  if (!through_ && !line_.empty() && !WithinMinute(lineStart_, now)) Release(now);
  Emit();
}

void RepeatCollapse::Close(std::time_t now) {
  WriteCount(now);
  if (!through_) out_ += line_;
  line_.clear();
  contentStart_ = 0;
  through_ = tooLong_ = hasLast_ = false;
  lastKey_.clear();
  Emit();
}

bool RepeatCollapse::CouldRepeat() const {
  if (!hasLast_ || line_.size() > LongestComparedLine || !WithinMinute(lastSeen_, lineStart_)) return false;
  const std::wstring_view content = std::wstring_view(line_).substr(contentStart_);
  std::size_t end = 0;
  switch (MatchStamp(content, end)) {
    case Stamp::partial:
      return true;
    case Stamp::whole:
      return std::wstring_view(lastKey_).starts_with(content.substr(end));
    case Stamp::none:
      break;
  }
  return std::wstring_view(lastKey_).starts_with(content);
}

void RepeatCollapse::Release(std::time_t now) {
  WriteCount(now);
  out_ += line_;
  line_.erase(0, contentStart_);
  contentStart_ = 0;
  through_ = true;
  tooLong_ = line_.size() > LongestComparedLine;
  if (tooLong_) line_.clear();
}

void RepeatCollapse::CompleteHeld(std::time_t now) {
  const std::wstring_view content = std::wstring_view(line_).substr(contentStart_);
  if (content.empty()) {
    // A blank line waits for the line it stands before.
    line_ += L'\n';
    contentStart_ = line_.size();
    return;
  }
  const std::wstring_view key = KeyOf(content);
  if (hasLast_ && WithinMinute(lastSeen_, lineStart_) && key == lastKey_) {
    ++count_;
    lastSeen_ = lineStart_;
  } else {
    WriteCount(now);
    out_ += line_;
    out_ += L'\n';
    lastKey_ = key;
    hasLast_ = line_.size() <= LongestComparedLine;
    lastSeen_ = windowStart_ = lineStart_;
  }
  line_.clear();
  contentStart_ = 0;
}

void RepeatCollapse::CompleteThrough() {
  hasLast_ = !tooLong_ && !line_.empty();
  if (hasLast_) lastKey_ = KeyOf(line_);
  lastSeen_ = windowStart_ = lineStart_;
  line_.clear();
  through_ = tooLong_ = false;
}

void RepeatCollapse::WriteDueCount(std::time_t now) {
  if (count_ > 0 && !WithinMinute(windowStart_, now)) WriteCount(now);
}

void RepeatCollapse::WriteCount(std::time_t now) {
  if (count_ == 0) return;
  out_ += CountLine(lastKey_, count_, now);
  count_ = 0;
  windowStart_ = now;
}

void RepeatCollapse::Emit() {
  if (out_.empty()) return;
  sink_(out_);
  out_.clear();
}

}  // namespace PardeloStravon
