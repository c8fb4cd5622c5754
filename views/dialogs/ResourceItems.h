#pragma once
// Pieces of the resource dialogs written as items: the frame every one of
// them has ("MS Shell Dlg" 8, popup, caption, system menu, modal frame) and
// the kinds of control they hold. Every control is a visible child.
#include <cstdint>
#include <string>

#include "views/dialogs/InterfItem.h"

namespace PardeloStravon {

InterfItem ResourceFrame(const std::wstring& caption, int cx, int cy);
InterfItem DefaultButton(int id, const std::wstring& text, int x, int y, int cx, int cy);
InterfItem PushButton(int id, const std::wstring& text, int x, int y, int cx, int cy);
// An automatic check box with its text on the left.
InterfItem LeftTextCheckBox(int id, const std::wstring& text, int x, int y, int cx, int cy);
// A right-aligned edit with a border; extra adds style bits.
InterfItem BorderEdit(int id, int x, int y, int cx, int cy, std::uint32_t extra = 0);
// A static text that starts a group.
InterfItem GroupLabel(int id, const std::wstring& text, int x, int y, int cx, int cy);
// An edit field above an always-open list, unsorted, its text right-aligned.
InterfItem SimpleCombo(int id, int x, int y, int cx, int cy);

}  // namespace PardeloStravon
