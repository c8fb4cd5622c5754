#include <atomic>

#include "document/ShellServices.h"
#include "document/ViewServices.h"

namespace PardeloStravon {
namespace {

// No windows: tasks have nowhere to go, and nothing is shown.
class NoShell : public ShellServices {
 public:
  bool HasMainWindow() const override { return false; }
  void PostRunGuiTasks() override {}
  void ApplyAppStrings() override {}
  void ShowMessageBox(const std::wstring&) override {}
  void Beep(BeepKind) override {}
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
  void RefreshAllText() override {}
};

NoShell noShell;
ViewServices noViews;

// Read from worker threads (the main window, command 136) while the GUI
// thread installs.
std::atomic<ShellServices*> installedShell{nullptr};
std::atomic<ViewServices*> installedViews{nullptr};

}  // namespace

ShellServices& Shell() {
  ShellServices* shell = installedShell.load();
  return shell ? *shell : noShell;
}

ShellServices* InstallShellServices(ShellServices* shell) { return installedShell.exchange(shell); }

ViewServices& Views() {
  ViewServices* views = installedViews.load();
  return views ? *views : noViews;
}

ViewServices* InstallViewServices(ViewServices* views) { return installedViews.exchange(views); }

GphView* ViewServices::NewGraphic(QziDoc*, int, std::time_t, std::time_t, bool, bool) {
  return nullptr;
}

bool ViewServices::PrintGraphic(QziDoc*, int, std::time_t, std::time_t) { return false; }

void ViewServices::OpenSettingsForm(QziDoc*, int) {}

bool ViewServices::CheckPassword(const std::wstring& stored) { return stored.empty(); }

}  // namespace PardeloStravon
