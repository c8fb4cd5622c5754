#pragma once
// A plain window that holds thousands of controls, such as a dialog's
// scrolled table. Its controls show its font through the toolkit's style
// inheritance (InheritedFont.h).
#include <wx/window.h>

#include "platform/gui/InheritedFont.h"

namespace Platform {

class ControlsHost : public InheritedFont<wxWindow> {
 public:
  ControlsHost(wxWindow* parent, const wxPoint& pos, const wxSize& size, long style);

  // As the framework adds a child, less its check that the child is not
  // yet among the others: that walk over every child made filling a table
  // of thousands quadratic, and a control being made cannot be there.
  void AddChild(wxWindowBase* child) override;

  // While it lives, controls added to the host are outside the window's
  // tree: the toolkit styles and anchors each of them once, when the scope
  // ends, instead of as each one comes. Only before the host is first shown.
  class Detached {
   public:
    explicit Detached(ControlsHost& host);
    ~Detached();
    Detached(const Detached&) = delete;
    Detached& operator=(const Detached&) = delete;

   private:
    GtkWidget* inner_ = nullptr;
    GtkWidget* container_ = nullptr;
  };
};

}  // namespace Platform
