#pragma once
// One window of a dialog built at run time: the dialog itself (the first
// item of an InterfWin) or one of its controls, and its bytes in the
// classic dialog template.
#include <cstdint>
#include <string>

#include "foundation/values/VUC.h"

namespace PardeloStravon {

class InterfItem {
 public:
  InterfItem(int id, int atom, std::uint32_t style, std::wstring text, int x, int y, int cx, int cy,
             std::uint32_t exStyle, int fontSize, std::wstring fontName);

  // A control's entry: 2 bytes for every character of its text and 26 more.
  int ItemSize() const;
  // The control's entry, without the zero bytes that align it.
  VUC ItemTemplate() const;

  // The dialog header: title and typeface, 2 bytes a character, and 28 more.
  int ContainerSize() const;
  // The header of a dialog holding n controls; n from 1 to 65534.
  VUC ContainerTemplate(int n) const;

  // The point size and typeface the header names: 8 and "Arial" when unset.
  int FontSizeUsed() const;
  std::wstring FontNameUsed() const;

  int id_;
  int atom_;
  std::uint32_t style_;
  std::wstring text_;
  int x_, y_, cx_, cy_;
  std::uint32_t exStyle_;
  int fontSize_;
  std::wstring fontName_;
};

}  // namespace PardeloStravon
