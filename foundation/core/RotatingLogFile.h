#pragma once
// A log file kept to a size: once it passes its limit, at the next line
// break, it becomes NAME.1 (replacing an older one) and a new NAME begins
// with a line that says so. A line that runs far past the limit without a
// break is cut there, so that no log fills the disk. Text is written in
// UTF-8 and reaches the file at every write. Not thread-safe: the owner
// serialises the calls.
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

namespace PardeloStravon {

// 16 MB.
inline constexpr std::uintmax_t DefaultLogSizeLimit = 16u << 20;

class RotatingLogFile {
 public:
  RotatingLogFile() = default;
  RotatingLogFile(const RotatingLogFile&) = delete;
  RotatingLogFile& operator=(const RotatingLogFile&) = delete;

  // Opens the file for appending; false when it cannot be opened. A limit
  // of 0 bounds nothing.
  bool Open(const std::string& path, std::uintmax_t limit);
  void Write(std::wstring_view text);
  void Close();

  // The first line of a file that follows its ".1", stamped with the clock.
  static std::wstring ContinuedLine(const std::string& fileName, std::uintmax_t limit);

 private:
  void WriteBytes(const std::string& bytes);
  void Rotate();

  std::filebuf file_;
  std::string path_;
  std::uintmax_t limit_ = DefaultLogSizeLimit;
  std::uintmax_t size_ = 0;
  bool atLineStart_ = true;
};

}  // namespace PardeloStravon
