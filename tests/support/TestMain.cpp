// Test entry point. The log channels write to the standard wide streams
// until redirected; wide output on stdout would take it from the test
// runner's narrow output, so the logs go to files for the whole run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "foundation/core/LogFiles.h"
#include "foundation/core/TextConv.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const char* dir = std::getenv("VANTOR_TEST_LOG_DIR");
  const std::filesystem::path logs =
      dir ? std::filesystem::path(dir) : std::filesystem::current_path() / "test-logs";
  std::filesystem::create_directories(logs);
  PardeloStravon::LogFiles files(PardeloStravon::FromUtf8(logs.string()));
  return RUN_ALL_TESTS();
}
