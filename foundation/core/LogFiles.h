#pragma once
// Points the three log channels at their files in a folder, opened for
// appending and written in UTF-8, and back at their former buffers when it
// ends.
#include <memory>
#include <string>

namespace PardeloStravon {

class LogFiles {
 public:
  explicit LogFiles(const std::wstring& folder);
  ~LogFiles();
  LogFiles(const LogFiles&) = delete;
  LogFiles& operator=(const LogFiles&) = delete;

  // False when a file could not be opened; its channel then writes nowhere.
  bool AllOpen() const;
  void Flush();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace PardeloStravon
