#pragma once
// A document folder whose "alarm.bat" appends one line per run to
// "alarm-calls.txt": the argument count, then each argument after a '|'.
// Each line is one write, so scripts running side by side never mix their
// lines; their order is the order in which they ran.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ProcessStarter.h"
#include "tests/support/TempDir.h"

namespace NetworkTest {

class AlarmScriptFolder {
 public:
  AlarmScriptFolder() {
    TestSupport::WriteFileBytes(dir_.File("alarm.bat"),
                                "line=\"$#\"; for a in \"$@\"; do line=\"$line|$a\"; done\n"
                                "printf '%s\\n' \"$line\" >> \"$(dirname \"$0\")/alarm-calls.txt\"\n");
  }

  const TestSupport::TempDir& Dir() const { return dir_; }
  std::wstring Folder() const { return dir_.Wide(); }

  // The runs so far, one line each, once every started script has ended.
  std::vector<std::string> Calls() const {
    EXPECT_TRUE(Platform::WaitForStartedProcesses(std::chrono::seconds(20)));
    std::vector<std::string> calls;
    if (!std::filesystem::exists(dir_.File("alarm-calls.txt"))) return calls;
    std::istringstream in(TestSupport::ReadFileBytes(dir_.File("alarm-calls.txt")));
    for (std::string line; std::getline(in, line);) calls.push_back(line);
    return calls;
  }

 private:
  TestSupport::TempDir dir_;
};

}  // namespace NetworkTest
