#pragma once
// Points the three log channels at their files in a folder, opened for
// appending and written in UTF-8, and back at their former buffers when it
// ends. The error and activity channels move first; the serial channel
// moves in a step of its own, so that the start line can come between.
#include <memory>
#include <string>

namespace PardeloStravon {

class LogFiles {
 public:
  // Redirects nothing yet.
  LogFiles();
  // Both steps at once.
  explicit LogFiles(const std::wstring& folder);
  ~LogFiles();
  LogFiles(const LogFiles&) = delete;
  LogFiles& operator=(const LogFiles&) = delete;

  // A file that cannot be opened leaves its channel on its former stream
  // and is named once on standard error, so no record goes unseen.
  void RedirectErrorAndActivity(const std::wstring& folder);
  void RedirectSerComm(const std::wstring& folder);

  // False when a file could not be opened.
  bool AllOpen() const;
  void Flush();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace PardeloStravon
