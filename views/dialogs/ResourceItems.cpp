#include "views/dialogs/ResourceItems.h"

#include "platform/gui/WindowStyles.h"

namespace PardeloStravon {

using namespace Platform;

namespace {
constexpr WinStyle Child = WS_CHILD | WS_VISIBLE;
}

InterfItem ResourceFrame(const std::wstring& caption, int cx, int cy) {
  return {0, 0, DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU, caption, 0, 0, cx, cy, 0, 8,
          L"MS Shell Dlg"};
}

InterfItem DefaultButton(int id, const std::wstring& text, int x, int y, int cx, int cy) {
  return {id, ClassButton, Child | WS_TABSTOP | BS_DEFPUSHBUTTON, text, x, y, cx, cy, 0, 0, L""};
}

InterfItem PushButton(int id, const std::wstring& text, int x, int y, int cx, int cy) {
  return {id, ClassButton, Child | WS_TABSTOP | BS_PUSHBUTTON, text, x, y, cx, cy, 0, 0, L""};
}

InterfItem LeftTextCheckBox(int id, const std::wstring& text, int x, int y, int cx, int cy) {
  return {id, ClassButton, Child | WS_TABSTOP | BS_AUTOCHECKBOX | BS_LEFTTEXT, text, x, y, cx, cy, 0, 0, L""};
}

InterfItem BorderEdit(int id, int x, int y, int cx, int cy, std::uint32_t extra) {
  return {id, ClassEdit, Child | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | extra, L"", x, y, cx, cy, 0, 0, L""};
}

InterfItem GroupLabel(int id, const std::wstring& text, int x, int y, int cx, int cy) {
  return {id, ClassStatic, Child | WS_GROUP | SS_LEFT, text, x, y, cx, cy, 0, 0, L""};
}

InterfItem SimpleCombo(int id, int x, int y, int cx, int cy) {
  return {id, ClassComboBox, Child | WS_TABSTOP | WS_VSCROLL | CBS_SIMPLE | CBS_AUTOHSCROLL, L"", x, y, cx, cy,
          WS_EX_RIGHT, 0, L""};
}

}  // namespace PardeloStravon
