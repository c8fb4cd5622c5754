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

// What would have refused opening the target for writing: the folder does
// not exist, the target or its folder may not be written, the target is a
// folder. Nothing was created or changed.
struct SaveRefused : SaveFailure {
  using SaveFailure::SaveFailure;
};

// Writes `bytes` to a hidden temporary file of a unique name beside the
// target, gives it the old target's permission bits, flushes it to the disk,
// renames it over the target and flushes the folder. A target that is a
// symbolic link stays one: the file it points to is replaced. On any failure
// the temporary file is removed, the target stays as it was, and SaveFailure
// (SaveRefused for the refusals above) names the file and the cause. A save
// killed part way can leave the hidden temporary file behind.
void SaveFileSafely(const std::string& utf8Path, std::string_view bytes);

}  // namespace Platform
