#pragma once
// The font dialog of the font commands: face, style, size, underline,
// strike-out and text colour, with OK and Cancel and fixed labels. The
// toolkit's own font dialog here offers neither colour nor underline nor
// strike-out.
#include <wx/dialog.h>

#include "platform/ColorRef.h"
#include "platform/LogFont.h"

class wxCheckBox;
class wxChoice;
class wxColourPickerCtrl;
class wxSpinCtrl;

namespace Platform {

class FontDialog : public wxDialog {
 public:
  FontDialog(wxWindow* owner, const LOGFONTW& font, COLORREF colour);

  // The record with the chosen face, style, size and effects; the fields
  // the dialog does not show are those it was given.
  LOGFONTW Font() const;
  COLORREF Colour() const;

  wxChoice* face_;
  wxChoice* style_;
  wxSpinCtrl* size_;
  wxCheckBox* underline_;
  wxCheckBox* strikeOut_;
  wxColourPickerCtrl* colour_;

 private:
  LOGFONTW base_;
};

// Runs the dialog; on OK stores the font and colour and returns true.
bool ChooseFont(wxWindow* owner, LOGFONTW* font, COLORREF* colour);

}  // namespace Platform
