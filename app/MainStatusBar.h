#pragma once
// The main frame's status bar: the message pane and the three key
// indicators. Prompts of menu items and toolbar buttons are shown in the
// current language; the indicators show their texts only while their lock
// is on, as the framework's key indicators do.
#include <wx/statusbr.h>

#include <functional>
#include <string>

namespace PardeloStravon {

// The text pane 0 shows for a prompt: the translation of a known prompt,
// any other text as it is, the ready text for none.
std::wstring TranslatePrompt(const std::wstring& prompt);

class MainStatusBar : public wxStatusBar {
 public:
  // Whether Caps Lock (0), Num Lock (1) or Scroll Lock (2) is on.
  using LockQuery = std::function<bool(int lock)>;

  explicit MainStatusBar(wxWindow* parent);

  // Pane 0 and the three indicator texts, each redrawn at once.
  void SetTexts(const std::wstring& ready, const std::wstring& caps, const std::wstring& num,
                const std::wstring& scroll);
  void ShowPrompt(const std::wstring& prompt);
  // Shows or hides each indicator after its lock.
  void UpdateIndicators();
  void SetLockQuery(LockQuery query) { lockQuery_ = std::move(query); }
  std::wstring PaneText(int pane) const { return GetStatusText(pane).ToStdWstring(); }

 private:
  std::wstring indicators_[3];
  LockQuery lockQuery_;
};

// The keyboard's own lock states.
bool KeyboardLockOn(int lock);

}  // namespace PardeloStravon
