#pragma once
// The user's scripts in the document's folder, started without waiting:
// the alarm script with the alarm on its command line, the watchdog's
// resuscitation script, and the alarm script opened in a text editor.
//
// Every argument reaches the script as one argument of its own (empty ones
// included), so nothing a user typed is read by a shell. As on the system
// this replaces, the command line (the quoted path and the arguments, each
// after one blank) holds at most 512 characters: a longer one is reported
// once in the error log and cut there.
#include <string>
#include <vector>

namespace PardeloStravon {

extern const std::wstring AlarmBat;                  // "alarm.bat"
extern const std::wstring ResuscitateSerialPortBat;  // "ResuscitateSerialPort.bat"
extern const std::wstring LngPickBat;                // "LngPick.bat"
extern const std::wstring LngPickHlpBat;             // "LngPickHlp.bat"
extern const std::wstring ScriptsFolder;             // "Scripts"

constexpr std::size_t ScriptLineLimit = 512;

// The second argument of SendAlarm.
enum alarmType {
  alarmInstr = 0,  // an instrument reports an alarm (also the test alarm)
  alarmLink = 1,   // an instrument's link is lost
  alarmNet = 2,    // the whole line is silent
};

// Every white-space character (iswspace) becomes "_"; returns s.
std::wstring& BlanksToUnderscores(std::wstring& s);

// The alarm script's arguments: on ("1" or "0"), type, address, room,
// number, text; room and text with their white space turned into "_".
std::vector<std::wstring> AlarmArguments(bool on, alarmType type, int address, std::wstring room,
                                         int number, std::wstring text);

// Starts folder/alarm.bat with AlarmArguments. GUI thread.
void SendAlarm(bool on, alarmType type, int address, const std::wstring& room, int number,
               const std::wstring& text, const std::wstring& folder);

// Starts folder/file with no arguments. Watchdog thread.
void RunOuterFile(const std::wstring& file, const std::wstring& folder);

// The arguments of a command line that begins with `headLength` characters
// and may hold `limit`: each argument takes one blank and its text (plus
// two quotes when `quoted`); the one that crosses the limit is cut and the
// later ones are dropped.
std::vector<std::wstring> FitArgumentsToLine(std::size_t headLength,
                                             std::vector<std::wstring> arguments,
                                             std::size_t limit, bool quoted = false);

// The length of that command line with all its arguments.
std::size_t CommandLineLength(std::size_t headLength, const std::vector<std::wstring>& arguments,
                              bool quoted = false);

// Reports a command line longer than the limit in the error log (with the
// first message, then checks with the second after the cut) and gives the
// length it is cut to.
std::size_t CutLine(std::size_t length, const wchar_t* report, const wchar_t* again);

// Starts the program with the arguments; a start that fails is written to
// the error log with the caller's name. Whether it started.
bool StartScript(const std::wstring& program, const std::vector<std::wstring>& arguments,
                 const wchar_t* caller);

}  // namespace PardeloStravon
