#include "document/gui/Launchers.h"

#include <filesystem>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/Assert.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/schedule/OuterScripts.h"
#include "platform/ProcessStarter.h"

namespace PardeloStravon {
namespace {

// The identifier of the language the windows show ("en", "it"), which the
// scripts open their pages in; empty before the tables are read.
std::string WindowLanguage() {
  const std::vector<DictLanguage> languages = DictLanguages();
  const std::size_t current = CurrentLanguage();
  return current < languages.size() ? ToUtf8(languages[current].first) : std::string();
}

void StartHelpScript(const std::string& program, const std::vector<std::string>&) {
  // A missing script is no error: nothing is started and nothing is said.
  std::error_code ec;
  if (!std::filesystem::is_regular_file(program, ec)) return;
  // The quoted path is only the name the script is started under; a script
  // run by the shell sees its own path as its name anyway. The language
  // goes in the script's environment only, not the monitor's.
  Platform::StartProcess("/usr/bin/env", {"VANTOR_LANGUAGE=" + WindowLanguage(), "/bin/sh", program});
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
