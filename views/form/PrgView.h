#pragma once
// The program view: the window of one settings form. It takes the form out
// of its template's start value while it is created (and owns it from then
// on, also when a later step fails), builds the form's controls on a panel
// in a scrolled window, and offers keys and commands to the form first.
#include <wx/panel.h>
#include <wx/scrolwin.h>
#include <wx/weakref.h>

#include <memory>

#include "document/gui/QziView.h"
#include "views/form/InstrWin.h"

namespace PardeloStravon {

class PrgView : public QziView {
  wxDECLARE_DYNAMIC_CLASS(PrgView);

 public:
  PrgView();
  ~PrgView() override;

  // Takes the form first: without one in the start value it throws
  // boost::bad_any_cast before any window exists.
  bool OnCreate(wxDocument* doc, long flags) override;
  void RouteTargets(CommandRoute& route) const override;

  InstrWBase* Form() const { return form_.get(); }
  // The panel that holds the form's controls; null before it exists.
  wxPanel* FormPanel() const { return panel_.get(); }
  wxScrolledWindow* Scroller() const { return scroll_.get(); }

 protected:
  wxWindow* CreateViewWindow(ChildFrm& frame) override;

 private:
  void OnButton(wxCommandEvent& event);
  void OnCharHook(wxKeyEvent& event);
  // Tab and Shift+Tab among the form's controls; false when the focus is
  // not on one of them.
  bool MoveFocus(bool forward);

  std::unique_ptr<InstrWBase> form_;
  wxWeakRef<wxScrolledWindow> scroll_;
  wxWeakRef<wxPanel> panel_;
};

}  // namespace PardeloStravon
