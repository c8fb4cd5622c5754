#include "app/AppMessageBox.h"

#include <wx/msgdlg.h>

namespace PardeloStravon {
namespace {
MessageBoxFunction& Box() {
  static MessageBoxFunction box;
  return box;
}
std::function<void()>& Before() {
  static std::function<void()> before;
  return before;
}
}  // namespace

int AppMessageBox(const std::wstring& text, const std::wstring& caption, long style) {
  if (Before()) Before()();
  if (Box()) return Box()(text, caption, style);
  return wxMessageBox(text, caption, style, nullptr);
}

MessageBoxFunction SetMessageBoxFunction(MessageBoxFunction box) {
  MessageBoxFunction old = std::move(Box());
  Box() = std::move(box);
  return old;
}

void SetBeforeMessageBox(std::function<void()> before) { Before() = std::move(before); }

}  // namespace PardeloStravon
