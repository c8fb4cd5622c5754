#pragma once
// What the document needs of the application's windows, without knowing
// them: the main window and its command 136, the application's texts, the
// message box, beeps, the wait cursor and the main frame's texts. The
// application installs its implementation at start-up; until then a shell
// without windows stands in.
#include <string>

namespace PardeloStravon {

enum class BeepKind { simple, ok, asterisk, exclamation, hand, question };

class ShellServices {
 public:
  virtual ~ShellServices() = default;

  // Any thread.
  virtual bool HasMainWindow() const = 0;
  // Any thread: posts command 136 (run the GUI tasks) to the main window.
  virtual void PostRunGuiTasks() = 0;

  // GUI thread: the application's name and the six templates' strings,
  // again from the dictionary, after the language changed.
  virtual void ApplyAppStrings() = 0;
  // A message box without owner, with an OK button.
  virtual void ShowMessageBox(const std::wstring& text) = 0;
  virtual void Beep(BeepKind kind) = 0;
  // The wait cursor, shown between the two calls (WaitCursor pairs them).
  virtual void BeginWaitCursor() = 0;
  virtual void EndWaitCursor() = 0;
  // The main frame re-applies its texts and redraws its menu bar.
  virtual void RefreshAllText() = 0;
};

// The installed shell, or the stand-in without windows.
ShellServices& Shell();
// Installs a shell (null: the stand-in again); returns the one it replaces.
// The shell must outlive its installation.
ShellServices* InstallShellServices(ShellServices* shell);

// The wait cursor for as long as it lives.
class WaitCursor {
 public:
  WaitCursor() { Shell().BeginWaitCursor(); }
  ~WaitCursor() { Shell().EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace PardeloStravon
