#pragma once
// Keeps an outage from filling a log: a line equal to the one before it
// (time stamps aside) within a minute is counted instead of written, and
// the count follows once, as a line of its own, when a different line
// comes, at the minute's end or at the close. The first line of a run is
// written at once.
//
// Text arrives in pieces, as inserted; a line is what lies between line
// breaks, blank lines belonging to the line after them. A line that still
// reads like a repeat is held until its line break decides; any other text
// goes through at once. Not thread-safe: the owner serialises the calls.
#include <ctime>
#include <functional>
#include <string>
#include <string_view>

namespace PardeloStravon {

class RepeatCollapse {
 public:
  using Sink = std::function<void(std::wstring_view)>;

  explicit RepeatCollapse(Sink sink);

  // One insertion's text, received at `now`.
  void Put(std::wstring_view text, std::time_t now);
  // Called now and then (every second or so): writes a count whose minute
  // has ended, and a line held for a minute without its line break.
  void Tick(std::time_t now);
  // Writes whatever is counted or held; the next text starts afresh.
  void Close(std::time_t now);

  // The line that stands for `count` lines equal to `key` (the text after
  // the time stamp), stamped with `now`.
  static std::wstring CountLine(const std::wstring& key, long count, std::time_t now);

 private:
  bool CouldRepeat() const;
  void Release(std::time_t now);
  void CompleteHeld(std::time_t now);
  void CompleteThrough();
  void WriteDueCount(std::time_t now);
  void WriteCount(std::time_t now);
  void Emit();

  Sink sink_;
  std::wstring out_;
  // Held: the line's text with the blank lines before it; written
  // through: the line's text so far, for comparing it once it ends.
  std::wstring line_;
  std::size_t contentStart_ = 0;
  bool through_ = false;
  bool tooLong_ = false;
  std::time_t lineStart_ = 0;

  bool hasLast_ = false;
  std::wstring lastKey_;
  std::time_t lastSeen_ = 0;
  std::time_t windowStart_ = 0;
  long count_ = 0;
};

}  // namespace PardeloStravon
