#include "views/dialogs/CEditFmt.h"

#include <wx/textctrl.h>

#include "foundation/core/Duration.h"

namespace PardeloStravon {

std::optional<std::wstring> NormalDurationText(const std::wstring& typed) {
  const std::optional<long> seconds = TextToDurationStrict(typed);
  if (!seconds) return std::nullopt;
  return DurationToText(*seconds);
}

CEditFmt::~CEditFmt() { UnsubclassWindow(); }

void CEditFmt::SubclassWindow(wxTextCtrl* edit) {
  UnsubclassWindow();
  edit_ = edit;
  changed_ = false;
  edit_->Bind(wxEVT_TEXT, &CEditFmt::OnChange, this);
  edit_->Bind(wxEVT_KILL_FOCUS, &CEditFmt::OnKillFocus, this);
}

void CEditFmt::UnsubclassWindow() {
  if (edit_ == nullptr) return;
  edit_->Unbind(wxEVT_TEXT, &CEditFmt::OnChange, this);
  edit_->Unbind(wxEVT_KILL_FOCUS, &CEditFmt::OnKillFocus, this);
  edit_ = nullptr;
}

// The change stays the box's own: the dialog is not told of it.
void CEditFmt::OnChange(wxCommandEvent&) { changed_ = true; }

void CEditFmt::OnKillFocus(wxFocusEvent& event) {
  event.Skip();
  if (!changed_) return;
  if (const auto text = NormalDurationText(edit_->GetValue().ToStdWstring())) edit_->ChangeValue(*text);
  changed_ = false;
}

}  // namespace PardeloStravon
