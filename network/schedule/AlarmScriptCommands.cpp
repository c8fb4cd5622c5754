#include "network/schedule/AlarmScriptCommands.h"

#include <vector>

#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "network/DocServices.h"
#include "network/schedule/OuterScripts.h"
#include "platform/TextEditor.h"

namespace PardeloStravon {
namespace {

const std::vector<std::wstring>& EditorCommand() {
  static const std::vector<std::wstring> command = [] {
    std::vector<std::wstring> words;
    for (const auto& w : Platform::TextEditorCommand(Platform::CurrentEditorEnvironment()))
      words.push_back(FromUtf8(w));
    return words;
  }();
  return command;
}

}  // namespace

void TestAlarm(DocServices& doc) {
  SendAlarm(true, alarmInstr, 0, L"test room", 0, L"test alarm", GetDocDirectory(doc));
}

void EditTheAlarm(const DocServices& doc) {
  const std::vector<std::wstring>& editor = EditorCommand();
  if (editor.empty()) {
    ErrorLog << TimeStamp() + L" Error in EditTheAlarm(): no text editor was found" << std::endl;
    return;
  }
  // The quoted editor path, its own arguments, then the quoted script path.
  const std::vector<std::wstring> options(editor.begin() + 1, editor.end());
  const std::size_t head = CommandLineLength(editor[0].size() + 2, options);
  std::vector<std::wstring> file{JoinPath(GetDocDirectory(doc), AlarmBat)};
  CutLine(CommandLineLength(head, file, true),
          L"In QZ::EditTheAlarm() the second argument of _wspawnl exceeds the maximum size",
          L"In QZ::EditTheAlarm(), again, the second argument of _wspawnl exceeds the maximum "
          L"size");
  file = FitArgumentsToLine(head, file, ScriptLineLimit, true);

  std::vector<std::wstring> args = options;
  args.insert(args.end(), file.begin(), file.end());
  StartScript(editor[0], args, L"EditTheAlarm()");
}

}  // namespace PardeloStravon
