#include "app/MainStatusBar.h"

#include <wx/utils.h>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/StringTable.h"

namespace PardeloStravon {

std::wstring TranslatePrompt(const std::wstring& prompt) {
  if (prompt.empty()) return DictText(CTW_STB_READY);
  const auto found = FindStringTableToken(CString(prompt));
  return found.first ? DictTextAt(found.second) : prompt;
}

bool KeyboardLockOn(int lock) {
  static const wxKeyCode keys[3] = {WXK_CAPITAL, WXK_NUMLOCK, WXK_SCROLL};
  return lock >= 0 && lock < 3 && wxGetKeyState(keys[lock]);
}

MainStatusBar::MainStatusBar(wxWindow* parent) : wxStatusBar(parent, wxID_ANY), lockQuery_(KeyboardLockOn) {
  SetFieldsCount(4);
}

void MainStatusBar::SetTexts(const std::wstring& ready, const std::wstring& caps, const std::wstring& num,
                             const std::wstring& scroll) {
  indicators_[0] = caps;
  indicators_[1] = num;
  indicators_[2] = scroll;
  int widths[4] = {-1, 0, 0, 0};
  for (int i = 0; i < 3; ++i) widths[i + 1] = GetTextExtent(indicators_[i].empty() ? L"XX" : indicators_[i]).x + 16;
  SetStatusWidths(4, widths);
  SetStatusText(ready, 0);
  UpdateIndicators();
  Update();
}

void MainStatusBar::ShowPrompt(const std::wstring& prompt) {
  SetStatusText(TranslatePrompt(prompt), 0);
  Update();
}

void MainStatusBar::UpdateIndicators() {
  for (int i = 0; i < 3; ++i) {
    const wxString text = lockQuery_ && lockQuery_(i) ? wxString(indicators_[i]) : wxString();
    if (GetStatusText(i + 1) != text) SetStatusText(text, i + 1);
  }
}

}  // namespace PardeloStravon
