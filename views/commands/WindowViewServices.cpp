#include "views/commands/WindowViewServices.h"

#include "views/dialogs/Passwords.h"
#include "views/form/IWFrm.h"
#include "views/graph/GphView.h"

namespace PardeloStravon {

GphView* WindowViewServices::NewGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to,
                                        bool follow, bool print) {
  return GphView::NewGraphic(address, doc, from, to, follow, print);
}

bool WindowViewServices::PrintGraphic(QziDoc* doc, int address, std::time_t from, std::time_t to) {
  return GphView::PrintGraphic(address, doc, from, to);
}

bool WindowViewServices::CheckPassword(const std::wstring& stored) { return PardeloStravon::CheckPassword(stored); }

void WindowViewServices::OpenSettingsForm(QziDoc* doc, int address) { NewIWFrm(doc, address)->OpenWin(); }

}  // namespace PardeloStravon
