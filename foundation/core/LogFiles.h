#pragma once
// Points the three log channels at their files in a folder, opened for
// appending and written in UTF-8, and back at their former buffers when it
// ends. The error and activity channels move first; the serial channel
// moves in a step of its own, so that the start line can come between.
// In the files, repeated lines collapse into a count (RepeatCollapse) and
// each file keeps to a size limit, its older part in NAME.1
// (RotatingLogFile).
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/core/RotatingLogFile.h"

namespace PardeloStravon {

class LogFiles {
 public:
  // Redirects nothing yet.
  LogFiles();
  // Both steps at once.
  explicit LogFiles(const std::wstring& folder, std::uintmax_t sizeLimit = DefaultLogSizeLimit);
  ~LogFiles();
  LogFiles(const LogFiles&) = delete;
  LogFiles& operator=(const LogFiles&) = delete;

  // A file that cannot be opened leaves its channel on its former stream
  // and is named once on standard error, so no record goes unseen.
  void RedirectErrorAndActivity(const std::wstring& folder);
  void RedirectSerComm(const std::wstring& folder);

  // The size limit of the files redirected after it.
  void SetSizeLimit(std::uintmax_t bytes);
  // Called every second or so: a count of repeated lines is written when
  // its minute has ended, also when no further record comes.
  void Tick();

  // False when a file could not be opened.
  bool AllOpen() const;
  void Flush();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace PardeloStravon
