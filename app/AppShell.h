#pragma once
// The shell services of the running program: the main-window flag, set
// once the main frame is the main window and cleared as it goes; command
// 136 posted from any thread to the application object, which outlives
// every frame; message boxes through the application's box.
#include <atomic>

#include "document/gui/WindowShell.h"

namespace PardeloStravon {

class AppShell : public WindowShell {
 public:
  bool HasMainWindow() const override { return mainWindow_.load(); }
  void SetMainWindow(bool exists) { mainWindow_.store(exists); }
  void PostRunGuiTasks() override;
  void ShowMessageBox(const std::wstring& text) override;

 private:
  std::atomic<bool> mainWindow_{false};
};

}  // namespace PardeloStravon
