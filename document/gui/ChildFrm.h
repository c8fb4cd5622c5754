#pragma once
// The child frame of every view: a tab of the main frame's client area with
// its own menu bar of its template's menu and its own row of three status
// panes (message, reception, login), which the toolkit's child frames lack.
#include <wx/defs.h>
#include <wx/aui/tabmdi.h>
#include <wx/docview.h>

#include <string>

#include "document/gui/CommandTarget.h"

class wxStaticText;

namespace PardeloStravon {

class QziView;

class ChildFrm : public wxDocChildFrameAny<wxAuiMDIChildFrame, wxAuiMDIParentFrame> {
 public:
  ChildFrm(wxDocument* doc, QziView* view, wxAuiMDIParentFrame* parent, int menuId);

  CommandTarget& Target() { return target_; }
  const CommandTarget& Target() const { return target_; }
  QziView* View() const;
  int MenuId() const { return menuId_; }

  // Puts the view's window above the status panes.
  void SetViewWindow(wxWindow* window);
  // Pane 0 the text; pane 1 "RX" while periodic reception is on; pane 2
  // "LOG2", "LOG" or nothing after the logins.
  void SetStatusPanes(std::wstring text);
  std::wstring StatusPane(int pane) const;
  // Makes this frame's menu current for a moment and translates its popup
  // titles; the frame active before stays active.
  void RefreshMenu();

 protected:
  bool TryBefore(wxEvent& event) override;

 private:
  CommandTarget target_;
  int menuId_;
  wxWindow* viewWindow_ = nullptr;
  wxStaticText* panes_[3] = {};
};

}  // namespace PardeloStravon
