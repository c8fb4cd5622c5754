#include "network/schedule/OuterScripts.h"

#include <algorithm>
#include <cwctype>

#include "foundation/core/Assert.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "platform/ProcessStarter.h"

namespace PardeloStravon {

const std::wstring AlarmBat = L"alarm.bat";
const std::wstring ResuscitateSerialPortBat = L"ResuscitateSerialPort.bat";
const std::wstring LngPickBat = L"LngPick.bat";
const std::wstring LngPickHlpBat = L"LngPickHlp.bat";
const std::wstring ScriptsFolder = L"Scripts";

namespace {

std::size_t ArgumentLength(const std::wstring& argument, bool quoted) {
  return 1 + argument.size() + (quoted ? 2 : 0);
}

// The quoted path alone, as the system's first check sees it.
std::size_t QuotedLength(const std::wstring& path) { return path.size() + 2; }

}  // namespace

std::size_t CutLine(std::size_t length, const wchar_t* report, const wchar_t* again) {
  ASSERT_LOG(length <= ScriptLineLimit, report);
  length = std::min(length, ScriptLineLimit);
  ASSERT_THROW(length <= ScriptLineLimit, again);
  return length;
}

std::wstring& BlanksToUnderscores(std::wstring& s) {
  std::replace_if(s.begin(), s.end(), [](wchar_t c) { return std::iswspace(c) != 0; }, L'_');
  return s;
}

std::vector<std::wstring> AlarmArguments(bool on, alarmType type, int address, std::wstring room,
                                         int number, std::wstring text) {
  return {on ? L"1" : L"0",          ToWStr(static_cast<int>(type)), ToWStr(address),
          BlanksToUnderscores(room), ToWStr(number),                 BlanksToUnderscores(text)};
}

std::size_t CommandLineLength(std::size_t headLength, const std::vector<std::wstring>& arguments,
                              bool quoted) {
  std::size_t length = headLength;
  for (const auto& a : arguments) length += ArgumentLength(a, quoted);
  return length;
}

std::vector<std::wstring> FitArgumentsToLine(std::size_t headLength,
                                             std::vector<std::wstring> arguments,
                                             std::size_t limit, bool quoted) {
  std::size_t length = headLength;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::size_t need = ArgumentLength(arguments[i], quoted);
    if (length + need <= limit) {
      length += need;
      continue;
    }
    const std::size_t overhead = ArgumentLength(L"", quoted);
    if (length + overhead > limit) {
      arguments.resize(i);
    } else {
      arguments[i].resize(limit - length - overhead);
      arguments.resize(i + 1);
    }
    break;
  }
  return arguments;
}

bool StartScript(const std::wstring& program, const std::vector<std::wstring>& arguments,
                 const wchar_t* caller) {
  std::vector<std::string> args;
  for (const auto& a : arguments) args.push_back(ToUtf8(a));
  const Platform::StartedProcess started = Platform::StartProcess(NativePath(program), args);
  if (!started) {
    ErrorLog << TimeStamp() + L" Error in " + caller + L": cannot start \"" + program +
                    L"\": " + FromUtf8(Platform::ErrorText(started.error))
             << std::endl;
  }
  return static_cast<bool>(started);
}

void SendAlarm(bool on, alarmType type, int address, const std::wstring& room, int number,
               const std::wstring& text, const std::wstring& folder) {
  const std::wstring path = JoinPath(folder, AlarmBat);
  const std::size_t head = CutLine(
      QuotedLength(path),
      L"In QZ::SendAlarm() the second argument of _wspawnl exceeds the maximum size",
      L"In QZ::SendAlarm(), again, the second argument of _wspawnl exceeds the maximum size");
  std::vector<std::wstring> args = AlarmArguments(on, type, address, room, number, text);
  CutLine(CommandLineLength(head, args),
          L"In QZ::SendAlarm() the second cumulative argument of _wspawnl exceeds the maximum size",
          L"In QZ::SendAlarm(), again, the second cumulative argument of _wspawnl exceeds the "
          L"maximum size");
  StartScript(path, FitArgumentsToLine(head, args, ScriptLineLimit), L"SendAlarm()");
}

void RunOuterFile(const std::wstring& file, const std::wstring& folder) {
  const std::wstring path = JoinPath(folder, file);
  // The script gets no arguments: only the log line tells of a long path.
  CutLine(QuotedLength(path),
          L"In QZ::RunOuterFile() the second argument of _wspawnl exceeds the maximum size",
          L"In QZ::RunOuterFile(), again, the second argument of _wspawnl exceeds the maximum size");
  StartScript(path, {}, L"RunOuterFile()");
}

}  // namespace PardeloStravon
