#pragma once
// The two help commands start scripts from the folder "Scripts" beside the
// program, without waiting and without a word when the start fails.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace PardeloStravon {

class ScriptLauncher {
 public:
  // Starts a program with its arguments (UTF-8).
  using Starter = std::function<void(const std::string&, const std::vector<std::string>&)>;

  // The script's path and its quoted argument are built at the first call
  // from folder() and kept; an argument over 512 characters is reported
  // once with the two messages and cut.
  ScriptLauncher(std::wstring fileName, std::wstring message, std::wstring messageAgain,
                 std::function<std::wstring()> folder, Starter starter);

  void Launch();
  const std::wstring& ScriptPath() const { return path_; }
  const std::wstring& Argument() const { return argument_; }

 private:
  std::wstring fileName_;
  std::wstring message_;
  std::wstring messageAgain_;
  std::function<std::wstring()> folder_;
  Starter starter_;
  bool built_ = false;
  std::wstring path_;
  std::wstring argument_;
};

void InstrumentUserManual();
void GlaciraMonitorHelp();

}  // namespace PardeloStravon
