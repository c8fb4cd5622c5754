#pragma once
// A shell without windows that counts what the document asked of it.
#include <string>
#include <vector>

#include "document/ShellServices.h"

namespace TestSupport {

class ShellDouble : public PardeloStravon::ShellServices {
 public:
  ShellDouble() { old_ = PardeloStravon::InstallShellServices(this); }
  ~ShellDouble() override { PardeloStravon::InstallShellServices(old_); }
  ShellDouble(const ShellDouble&) = delete;
  ShellDouble& operator=(const ShellDouble&) = delete;

  bool HasMainWindow() const override { return false; }
  void PostRunGuiTasks() override {}
  void ApplyAppStrings() override { ++appStrings; }
  void ShowMessageBox(const std::wstring& text) override { messages.push_back(text); }
  void Beep(PardeloStravon::BeepKind) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void RefreshAllText() override {}

  int appStrings = 0;
  std::vector<std::wstring> messages;

 private:
  PardeloStravon::ShellServices* old_ = nullptr;
};

}  // namespace TestSupport
