// Log files kept to their size: the older part moves to NAME.1 at a line
// break, the new file says so, no record is lost or split.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/LogFiles.h"
#include "foundation/core/RotatingLogFile.h"
#include "foundation/core/TextConv.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;

namespace {

constexpr std::time_t T0 = 1178040000;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::set<std::string> FileNames(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

TEST(LogRotation, SeveralWritersPassingTheLimit_LoseNoRecordAndSplitNone) {
  constexpr std::uintmax_t Limit = 128 * 1024;
  constexpr int Writers = 4;
  constexpr int RecordsEach = 400;
  const std::wstring padding(100, L'.');  // about 120 bytes a record: 1.5 limits in all
  TestSupport::TempDir dir;
  TestClock clock(T0);
  {
    LogFiles files(dir.Wide(), Limit);
    std::vector<std::thread> writers;
    for (int w = 0; w < Writers; ++w) {
      writers.emplace_back([w, &padding] {
        for (int i = 0; i < RecordsEach; ++i)
          ErrorLog << (L"writer " + std::to_wstring(w) + L" record " + std::to_wstring(i) + L" " + padding + L"\n");
      });
    }
    // The minute's tick runs beside the writers, as the application's timer does.
    std::thread ticker([&files] {
      for (int i = 0; i < 200; ++i) files.Tick();
    });
    for (std::thread& t : writers) t.join();
    ticker.join();
  }
  EXPECT_EQ(FileNames(dir.Path()), (std::set<std::string>{"QZ_Activity_Log_W.txt", "QZ_Error_Log_W.txt",
                                                           "QZ_Error_Log_W.txt.1", "QZ_Ser_Comm_Log_W.txt"}));
  const std::string older = TestSupport::ReadFileBytes(dir.File("QZ_Error_Log_W.txt.1"));
  const std::string newer = TestSupport::ReadFileBytes(dir.File("QZ_Error_Log_W.txt"));
  EXPECT_GE(older.size(), Limit);
  EXPECT_LT(older.size(), Limit + 200);
  ASSERT_FALSE(older.empty());
  EXPECT_EQ(older.back(), '\n');
  const std::vector<std::string> newerLines = Lines(newer);
  ASSERT_FALSE(newerLines.empty());
  EXPECT_EQ(newerLines[0] + "\n", ToUtf8(RotatingLogFile::ContinuedLine("QZ_Error_Log_W.txt", Limit)));
  std::vector<std::string> records = Lines(older);
  records.insert(records.end(), newerLines.begin() + 1, newerLines.end());
  std::multiset<std::string> seen(records.begin(), records.end());
  const std::string dots = ToUtf8(padding);
  for (int w = 0; w < Writers; ++w)
    for (int i = 0; i < RecordsEach; ++i) {
      const std::string record = "writer " + std::to_string(w) + " record " + std::to_string(i) + " " + dots;
      EXPECT_EQ(seen.count(record), 1u) << record;
    }
  EXPECT_EQ(records.size(), static_cast<std::size_t>(Writers * RecordsEach));
}

TEST(LogRotation, FileCases_MoveAtTheRightPlace) {
  struct Case {
    const char* name;
    std::string before;       // the file's content before it is opened
    std::string olderBefore;  // an older ".1", or none when empty
    std::vector<std::wstring> writes;
    std::string file;   // after
    std::string older;  // the ".1" after; empty: none
  };
  TestClock clock(T0);
  constexpr std::uintmax_t Limit = 200;
  const std::string continued = ToUtf8(RotatingLogFile::ContinuedLine("log.txt", Limit));
  const std::wstring line(50, L'0');
  const std::string narrow(50, '0');
  const Case cases[] = {
      {"inside the limit nothing moves", "", "", {line + L"\n", line + L"\n"}, narrow + "\n" + narrow + "\n", ""},
      {"the line that passes the limit ends the older file", "", "",
       {line + L"\n", line + L"\n", line + L"\n", line, L"\n", L"next\n"}, continued + "next\n",
       narrow + "\n" + narrow + "\n" + narrow + "\n" + narrow + "\n"},
      {"an older .1 is replaced", "", "old\n", {std::wstring(210, L'a') + L"\n"}, continued,
       std::string(210, 'a') + "\n"},
      {"what the file held before counts", std::string(199, 'b') + "\n", "", {L"x\n"}, continued,
       std::string(199, 'b') + "\nx\n"},
      {"a line far past the limit without a break is cut", "", "", {std::wstring(230, L'c'), L"cc\n"},
       continued + "cc\n", std::string(230, 'c')},
      {"sizes count the UTF-8 bytes", "", "", {std::wstring(100, L'\u00E9') + L"\n", L"z\n"}, continued + "z\n",
       ToUtf8(std::wstring(100, L'\u00E9')) + "\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSupport::TempDir dir;
    if (!c.before.empty()) TestSupport::WriteFileBytes(dir.File("log.txt"), c.before);
    if (!c.olderBefore.empty()) TestSupport::WriteFileBytes(dir.File("log.txt.1"), c.olderBefore);
    RotatingLogFile file;
    ASSERT_TRUE(file.Open(dir.File("log.txt").string(), Limit));
    for (const std::wstring& text : c.writes) file.Write(text);
    file.Close();
    EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("log.txt")), c.file);
    if (c.older.empty())
      EXPECT_FALSE(std::filesystem::exists(dir.File("log.txt.1")));
    else
      EXPECT_EQ(TestSupport::ReadFileBytes(dir.File("log.txt.1")), c.older);
  }
}

}  // namespace
