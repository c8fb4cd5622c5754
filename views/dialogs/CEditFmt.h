#pragma once
// A duration edit box that rewrites what the user typed into the normal
// "d h:mm:ss" form when it loses the focus. Only typing counts as a change:
// a text the program sets is never rewritten because the focus passed by.
#include <optional>
#include <string>

class wxCommandEvent;
class wxFocusEvent;
class wxTextCtrl;

namespace PardeloStravon {

// The normal form of a typed duration; nothing for a text that is no
// duration, which is left as typed.
std::optional<std::wstring> NormalDurationText(const std::wstring& typed);

class CEditFmt {
 public:
  CEditFmt() = default;
  // A copy is a new box, attached to no control.
  CEditFmt(const CEditFmt&) {}
  CEditFmt& operator=(const CEditFmt&) {
    changed_ = false;
    return *this;
  }
  ~CEditFmt();

  // Takes over the control's change and focus-loss events until detached or
  // destroyed; the control must outlive the attachment.
  void SubclassWindow(wxTextCtrl* edit);
  void UnsubclassWindow();

  bool Changed() const { return changed_; }

 private:
  void OnChange(wxCommandEvent& event);
  void OnKillFocus(wxFocusEvent& event);

  wxTextCtrl* edit_ = nullptr;
  bool changed_ = false;
};

}  // namespace PardeloStravon
