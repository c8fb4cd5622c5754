#pragma once
// The shipped tables beside the benchmark, loaded once; the logs go to a
// folder of their own, off the report on standard output.
#include <filesystem>

#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"

namespace Bench {

inline bool LoadCatalogue() {
  static const auto logs = std::filesystem::temp_directory_path() / "vantor-bench-logs";
  static const bool loaded = [] {
    std::filesystem::create_directories(logs);
    static PardeloStravon::LogFiles files(PardeloStravon::FromUtf8(logs.string()));
    return PardeloStravon::LoadResources(PardeloStravon::ProgramFolder()).empty();
  }();
  return loaded;
}

}  // namespace Bench
