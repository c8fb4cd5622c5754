#pragma once
// Replaces a file so that a kill or a power cut at any moment leaves either
// the old file or the new one, whole, and never a file half written.
#include <stdexcept>
#include <string>
#include <string_view>

namespace Platform {

struct SaveFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Writes `bytes` to "<utf8Path>.tmp" beside the target (replacing any file
// left there by an interrupted save), flushes it to the disk, renames it
// over the target and flushes the folder. On any failure the temporary file
// is removed, the target stays as it was, and SaveFailure names the file
// and the cause.
void SaveFileSafely(const std::string& utf8Path, std::string_view bytes);

}  // namespace Platform
