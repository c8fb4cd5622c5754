#pragma once
// The main frame: routing, menus and the child windows come from the
// document's windows; the application dresses it with toolbar 128, the
// status bar and its texts, and keeps it open while a document is.
#include <wx/timer.h>

#include <functional>
#include <string>

#include "app/AppCommands.h"
#include "document/gui/MainFrameBase.h"

namespace PardeloStravon {

class MainStatusBar;

class MainFrame : public MainFrameBase {
 public:
  explicit MainFrame(wxDocManager* manager);
  ~MainFrame() override;

  MainStatusBar* StatusBar() const { return statusBar_; }
  // The caption: the translated title, and " - " and the document's title
  // while one is open.
  void UpdateCaption();
  // Told once when the frame is about to go.
  void SetOnClosing(std::function<void()> onClosing) { onClosing_ = std::move(onClosing); }

  // The toolkit's hook for the prompt of a menu item or toolbar button.
  void DoGiveHelp(const wxString& text, bool show) override;

 protected:
  void SetAllText() override;
  wxStatusBar* OnCreateStatusBar(int number, long style, wxWindowID id, const wxString& name) override;

 private:
  void CreateBars();
  void OnClose(wxCloseEvent& event);
  void OnTimer(wxTimerEvent& event);
  void Closing();

  MainStatusBar* statusBar_ = nullptr;
  std::wstring frameTitle_;
  wxTimer timer_;
  std::function<void()> onClosing_;
};

// The window icon of the program.
wxIcon ProgramIcon();

}  // namespace PardeloStravon
