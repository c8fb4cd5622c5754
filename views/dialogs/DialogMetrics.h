#pragma once
// The dialog units of the window that holds a dialog's controls, measured
// once from the font the controls really use (the average width of the
// alphabet and the line height, as the system measures its dialog font),
// and the room its texts were given. Kept on that window, so every
// conversion of its items agrees and the font is measured only once.
#include <wx/clntdata.h>
#include <wx/font.h>
#include <wx/gdicmn.h>

#include <string>

#include "views/dialogs/InterfItem.h"
#include "views/dialogs/TextRoom.h"

class wxWindow;

namespace PardeloStravon {

class DialogMetrics : public wxClientData {
 public:
  // Measures the font on the window.
  DialogMetrics(const wxWindow& window, const wxFont& font);

  // The metrics kept on the window: made from its font on first use.
  static DialogMetrics& Of(wxWindow& window);
  // Those kept on the window, or none.
  static DialogMetrics* Find(const wxWindow& window);

  // Pixels of 4 horizontal and 8 vertical dialog units.
  wxSize Base() const { return base_; }
  wxPoint ToPixels(int x, int y) const;
  // Dialog units that hold a width of pixels, rounded up.
  int WidthToUnits(int pixels) const;

  // The item's rectangle in pixels: its corners converted, after the room
  // given to the texts.
  wxRect RectToPixels(const InterfItem& item) const;
  // The dialog item's size in pixels, grown by the room given.
  wxSize SizeToPixels(const InterfItem& dialog) const { return SizeToPixels(dialog.cx_, dialog.cy_); }
  wxSize SizeToPixels(int cx, int cy) const;

  // One line of text in the font, in pixels.
  wxSize TextExtent(const std::wstring& text) const;
  int LineHeight() const { return lineHeight_; }

  // Whether any text was given room.
  bool RoomGiven() const { return !rooms_[0].Empty() || !rooms_[1].Empty(); }
  // The room given to the controls that end at or above splitY (a row of
  // its own, such as the form's buttons) and to the others.
  void SetRoom(TextRoom above, TextRoom below, int splitY);
  // Which room an item takes: 0 above the split, 1 below.
  int Band(const InterfItem& item) const { return item.y_ + item.cy_ <= splitY_ ? 0 : 1; }

 private:
  const wxWindow& window_;
  wxFont font_;
  wxSize base_;
  int lineHeight_ = 0;
  TextRoom rooms_[2];
  int splitY_ = 0;
};

}  // namespace PardeloStravon
