#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "network/schedule/OuterScripts.h"
#include "tests/network/schedule/AlarmScriptFolder.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using NetworkTest::AlarmScriptFolder;
using TestSupport::LogCapture;

TEST(OuterScripts, SendAlarm_GivesTheScriptStateKindAddressRoomNumberTextAsSeparateArguments) {
  struct Case {
    bool on;
    alarmType type;
    int address;
    std::wstring room;
    int number;
    std::wstring text;
    std::string expected;
  } cases[] = {
      {true, alarmInstr, 12, L"Cold room 3", 5, L"High temperature",
       "6|1|0|12|Cold_room_3|5|High_temperature"},
      {false, alarmInstr, 12, L"Cold room 3", 3, L"Door open", "6|0|0|12|Cold_room_3|3|Door_open"},
      {true, alarmLink, 7, L"Hall", 0, L"No alarm", "6|1|1|7|Hall|0|No_alarm"},
      {false, alarmLink, 7, L"Hall", 2, L"Low", "6|0|1|7|Hall|2|Low"},
      // The empty room and text stay in their places.
      {true, alarmNet, 0, L"", 0, L"", "6|1|2|0||0|"},
      {false, alarmNet, 0, L"", 0, L"", "6|0|2|0||0|"},
      // Nothing but white space is changed, and no shell sees the name.
      {true, alarmInstr, 3, L"Room \"A\" & 'B'  $(x);|*", 1, L"T\u00E9t\u00E9",
       "6|1|0|3|Room_\"A\"_&_'B'__$(x);|*|1|T\xC3\xA9t\xC3\xA9"},
      {true, alarmInstr, 4, L"a\t  b\nc", 1, L"x", "6|1|0|4|a___b_c|1|x"},
  };
  for (const auto& c : cases) {
    AlarmScriptFolder folder;
    SendAlarm(c.on, c.type, c.address, c.room, c.number, c.text, folder.Folder());
    EXPECT_EQ(folder.Calls(), std::vector<std::string>{c.expected}) << c.expected;
  }
}

TEST(OuterScripts, LongRoomName_IsReportedOnceAndCutSoTheLineHolds512Characters) {
  AlarmScriptFolder folder;
  LogCapture errors(ErrorLog);
  const std::wstring path = folder.Folder() + L"/alarm.bat";
  const std::wstring room(600, L'r');
  SendAlarm(true, alarmInstr, 12, room, 5, L"text", folder.Folder());

  // Quoted path, " 1", " 0", " 12", then the room up to the limit.
  const std::size_t roomRoom = 512 - (path.size() + 2) - 2 - 2 - 3 - 1;
  EXPECT_EQ(folder.Calls(),
            std::vector<std::string>{"4|1|0|12|" + std::string(roomRoom, 'r')});
  const std::wstring log = errors.Text();
  EXPECT_NE(log.find(L"In QZ::SendAlarm() the second cumulative argument of _wspawnl exceeds "
                     L"the maximum size"),
            std::wstring::npos);
  EXPECT_EQ(log.find(L"again"), std::wstring::npos);
}

TEST(OuterScripts, PathOver512Characters_IsReportedAndTheScriptStillRunsWithoutArguments) {
  AlarmScriptFolder outer;
  std::filesystem::path deep = outer.Dir().Path();
  while (deep.string().size() < 520) deep /= std::string(100, 'd');
  std::filesystem::create_directories(deep);
  std::filesystem::copy_file(outer.Dir().File("alarm.bat"), deep / "alarm.bat");
  LogCapture errors(ErrorLog);

  SendAlarm(true, alarmInstr, 1, L"room", 1, L"text", FromUtf8(deep.string()));

  EXPECT_TRUE(Platform::WaitForStartedProcesses(std::chrono::seconds(20)));
  EXPECT_EQ(TestSupport::ReadFileBytes(deep / "alarm-calls.txt"), "0\n");
  const std::wstring log = errors.Text();
  EXPECT_NE(log.find(L"In QZ::SendAlarm() the second argument of _wspawnl exceeds the maximum size"),
            std::wstring::npos);
  EXPECT_NE(log.find(L"In QZ::SendAlarm() the second cumulative argument"), std::wstring::npos);
}

TEST(OuterScripts, FitArgumentsToLine_CutsTheCrossingArgumentAndDropsTheRest) {
  typedef std::vector<std::wstring> Args;
  struct Case {
    std::size_t head;
    Args args;
    std::size_t limit;
    bool quoted;
    Args expected;
  } cases[] = {
      {10, {L"ab", L"c"}, 15, false, {L"ab", L"c"}},       // exactly full
      {10, {L"abcdef", L"x"}, 14, false, {L"abc"}},        // cut, then dropped
      {10, {L"", L"abc"}, 13, false, {L"", L"a"}},         // empty ones count their blank
      {13, {L"abc", L"x"}, 14, false, {L""}},              // only the blank fits
      {14, {L"abc"}, 14, false, {}},                       // head fills the line
      {10, {L"abcdef"}, 16, true, {L"abc"}},               // quotes count
      {10, {L"abcdef"}, 12, true, {}},                     // not even the quotes fit
  };
  for (const auto& c : cases) {
    const Args fitted = FitArgumentsToLine(c.head, c.args, c.limit, c.quoted);
    EXPECT_EQ(fitted, c.expected) << c.head << " " << c.limit;
    EXPECT_LE(CommandLineLength(c.head, fitted, c.quoted), c.limit);
  }
}

TEST(OuterScripts, RunOuterFile_StartsTheNamedScriptWithoutArguments) {
  AlarmScriptFolder folder;
  std::filesystem::copy_file(folder.Dir().File("alarm.bat"),
                             folder.Dir().File("ResuscitateSerialPort.bat"));
  RunOuterFile(ResuscitateSerialPortBat, folder.Folder());
  EXPECT_EQ(folder.Calls(), std::vector<std::string>{"0"});
}

TEST(OuterScripts, MissingScript_IsWrittenToTheErrorLog) {
  TestSupport::TempDir empty;
  LogCapture errors(ErrorLog);
  SendAlarm(true, alarmInstr, 1, L"room", 1, L"text", empty.Wide());
  RunOuterFile(ResuscitateSerialPortBat, empty.Wide());
  const std::wstring log = errors.Text();
  EXPECT_NE(log.find(L"Error in SendAlarm(): cannot start"), std::wstring::npos);
  EXPECT_NE(log.find(L"Error in RunOuterFile(): cannot start"), std::wstring::npos);
}
