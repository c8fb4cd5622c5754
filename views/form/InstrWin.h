#pragma once
// The two faces of the settings form: InstrWin, through which the rest of
// the program opens a form, and InstrWBase, through which the program view
// that hosts the form reaches it.
#include <vector>

#include "foundation/values/VUC.h"
#include "views/dialogs/InterfItem.h"

class wxKeyEvent;

namespace PardeloStravon {

class CommandTarget;

class InstrWin {
 public:
  virtual ~InstrWin() = default;
  // Opens the form's frame and view and shows the node's values. From here
  // on the form belongs to its view: the caller keeps no pointer.
  virtual void OpenWin() = 0;
};

class InstrWBase {
 public:
  virtual ~InstrWBase() = default;
  // The dialog template of the form; fills the rows and the items.
  virtual VUC BuildForm() = 0;
  // The items of the last BuildForm, the form first: the view builds its
  // controls from them.
  virtual const std::vector<InterfItem>& FormItems() const = 0;
  // A key before any control sees it; true when the form used it.
  virtual bool PreTranslateMessage(const wxKeyEvent& key) = 0;
  // The form's commands; true for the identifiers the form answers.
  virtual bool OnCmdMsg(unsigned id, int code, void* extra) = 0;
  // The form's stop on the road of commands, before its view.
  virtual const CommandTarget& Target() const = 0;
  // Told by the view that took the form over, before anything else is done.
  virtual void Adopted() {}
};

}  // namespace PardeloStravon
