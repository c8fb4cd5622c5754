#pragma once
// The shell services that windows answer: command 136 to the main frame,
// the message box, beeps, the wait cursor, the templates' strings and the
// main frame's texts.
#include "document/ShellServices.h"

class wxEvtHandler;

namespace PardeloStravon {

class WindowShell : public ShellServices {
 public:
  bool HasMainWindow() const override;
  void PostRunGuiTasks() override;
  void ApplyAppStrings() override;
  void ShowMessageBox(const std::wstring& text) override;
  void Beep(BeepKind kind) override;
  void BeginWaitCursor() override;
  void EndWaitCursor() override;
  void RefreshAllText() override;
};

// The main frame registers itself here for the worker threads' posts.
void SetPostTarget(wxEvtHandler* mainFrame);

}  // namespace PardeloStravon
