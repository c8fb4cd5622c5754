#pragma once
// What the main frame needs for routing, menus and the child windows: the
// entry of every system command into the router, the accelerator keys of
// table 128 under the enabling rule, the menu without a document, and the
// window commands over the tabbed client area. The application dresses it.
#include <wx/defs.h>
#include <wx/aui/tabmdi.h>
#include <wx/docview.h>

#include "document/gui/CommandRoute.h"

class wxFileHistory;

namespace PardeloStravon {

class ChildFrm;
class QziView;

class MainFrameBase : public wxDocParentFrameAny<wxAuiMDIParentFrame> {
 public:
  MainFrameBase(wxDocManager* manager, const wxString& title);
  ~MainFrameBase() override;

  CommandTarget& Target() { return target_; }
  ChildFrm* ActiveChildFrm() const;
  // The road of a command from here at this moment.
  CommandRoute Route() const;

  // Runs the command when the enabling rule enables it; whether it ran.
  bool RouteCommand(int systemId);
  CommandState QueryState(int systemId) const;

  // Re-applies the main frame's texts and redraws its menu bar.
  virtual void RefreshAllText();
  // Made the application's main window: from now on SetAllText also
  // translates the menu of no document.
  void BecomeMainWindow();
  bool IsMainWindow() const { return mainWindow_; }
  // Every window of the client area in a group of its own, one above the
  // other; Cascade gathers them into one group of tabs again.
  void TileChildren();
  void CascadeChildren();
  // How many groups of tabs the client area shows.
  int ChildGroups() const;
  // Gives the focus to the client area while no child window exists and
  // the frame itself holds it, so that the keys reach the accelerators.
  void KeepKeysWithTheFrame();
  // The menu bar of no document, also while a child's bar is shown.
  wxMenuBar* OwnMenuBar() const { return m_pMyMenuBar ? m_pMyMenuBar : GetMenuBar(); }

 protected:
  bool TryBefore(wxEvent& event) override;
  bool ProcessEvent(wxEvent& event) override;
  // The templates' strings and the title, then, once this is the main
  // window, the menu of no document.
  virtual void SetAllText();
  // The three popups of the menu of no document and their items; asserts
  // that the menu is that one.
  void TranslateMenu();

 private:
  void OnCharHook(wxKeyEvent& event);
  void OnMenuOpen(wxMenuEvent& event);
  // Every tiled group gets the same share of the client area's height.
  void ShareHeightEvenly();
  CommandTarget target_;
  bool mainWindow_ = false;
  bool tiled_ = false;
  bool tileSizing_ = false;
};

// The main frame, while one exists.
MainFrameBase* TheMainFrame();

// The road of a command for the given active view (or none), child frame
// target, main frame target and application target; the view's document is
// on it while the document has content.
CommandRoute BuildRoute(const QziView* view, const CommandTarget* child, const CommandTarget* main,
                        const CommandTarget* app);

// The application's own entries (New, Open, Print Setup, About, the help
// commands, Exit, the recent files): last on every road.
CommandTarget& ApplicationTarget();

// Runs a routed command or update for a toolkit event with a system
// identifier; whether the event was one.
bool RouteWxEvent(wxEvent& event, const CommandRoute& route);

}  // namespace PardeloStravon
