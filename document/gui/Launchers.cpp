#include "document/gui/Launchers.h"

#include "foundation/core/Assert.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/schedule/OuterScripts.h"
#include "platform/ProcessStarter.h"

namespace PardeloStravon {
namespace {

void StartHelpScript(const std::string& program, const std::vector<std::string>&) {
  // The quoted path is only the name the script is started under; a script
  // run by the shell sees its own path as its name anyway.
  Platform::StartProcess(program, {});
}

std::wstring ScriptsIn(const std::wstring& folder) { return JoinPath(folder, ScriptsFolder); }

}  // namespace

ScriptLauncher::ScriptLauncher(std::wstring fileName, std::wstring message, std::wstring messageAgain,
                               std::function<std::wstring()> folder, Starter starter)
    : fileName_(std::move(fileName)),
      message_(std::move(message)),
      messageAgain_(std::move(messageAgain)),
      folder_(std::move(folder)),
      starter_(std::move(starter)) {}

void ScriptLauncher::Launch() {
  if (!built_) {
    built_ = true;
    path_ = JoinPath(ScriptsIn(folder_()), fileName_);
    argument_ = L"\"" + path_ + L"\"";
    if (argument_.size() > ScriptLineLimit) {
      ASSERT_LOG(argument_.size() <= ScriptLineLimit, message_);
      argument_.resize(ScriptLineLimit);
      ASSERT_THROW(argument_.size() <= ScriptLineLimit, messageAgain_);
    }
  }
  starter_(ToUtf8(path_), {ToUtf8(argument_)});
}

void InstrumentUserManual() {
  static ScriptLauncher launcher(
      LngPickBat, L"In InstrumentUserManual() the argument of _wspawnl exceeds the maximum size",
      L"In InstrumentUserManual(), again, the argument of _wspawnl exceeds the maximum size", ProgramFolder,
      StartHelpScript);
  launcher.Launch();
}

void GlaciraMonitorHelp() {
  static ScriptLauncher launcher(
      LngPickHlpBat, L"In GlaciraMonitorHelp() the argument of _wspawnl exceeds the maximum size",
      L"In GlaciraMonitorHelp(), again, the argument of _wspawnl exceeds the maximum size", ProgramFolder,
      StartHelpScript);
  launcher.Launch();
}

}  // namespace PardeloStravon
