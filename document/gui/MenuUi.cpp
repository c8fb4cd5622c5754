#include "document/gui/MenuUi.h"

#include <wx/app.h>
#include <wx/filehistory.h>
#include <wx/frame.h>
#include <wx/menu.h>

#include "document/gui/MenuLabels.h"
#include "document/gui/MenuResources.h"
#include "foundation/core/Assert.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/MenuShortcutHint.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/StringResources.h"

namespace PardeloStravon {
namespace {

constexpr std::size_t MaxMenuText = 100;

std::wstring StatusPrompt(int id) {
  auto text = Platform::LoadStringResource(id);
  if (!text) return L"";
  return text->substr(0, text->find(L'\n'));
}

// Items whose check mark follows a setting.
bool IsSwitch(int id) {
  using namespace Platform;
  for (int s : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_EDIT_LOGIN, ID_EDIT_LOGIN_SUP, ID_EDIT_RX,
                ID_EDIT_TROUBLESHOOT_S_COMM, ID_EDIT_DATE_RIGHT_ALIGN, ID_EDIT_GRAPHIC_SPACING,
                ID_EDIT_TIME_INTERVALS_AS_DHMS})
    if (id == s) return true;
  return false;
}

wxMenu* BuildPopup(const std::vector<MenuEntry>& items) {
  auto* menu = new wxMenu;
  for (const MenuEntry& e : items) {
    switch (e.kind) {
      case MenuEntry::separator:
        menu->AppendSeparator();
        break;
      case MenuEntry::popup:
        menu->AppendSubMenu(BuildPopup(e.items), MenuLabel(e.text));
        break;
      case MenuEntry::item:
      case MenuEntry::recentFiles: {
        wxMenuItem* item = menu->Append(Platform::ToWxId(e.id), MenuLabel(e.text), StatusPrompt(e.id),
                                        e.check || IsSwitch(e.id) ? wxITEM_CHECK : wxITEM_NORMAL);
        if (e.grey) item->Enable(false);
        if (e.check) item->Check(true);
        Platform::ShowShortcutHint(*item, ShortcutHintOf(e.text));
        break;
      }
    }
  }
  return menu;
}

// The resource text of a popup of a bar with that many popups: the menu of
// no document has three, the document menus five.
std::wstring PopupResourceText(std::size_t popups, unsigned position) {
  const std::vector<MenuEntry>& menu = MenuResource(popups == 3 ? IDR_MAINFRAME : IDR_OPTIONS);
  return position < menu.size() && menu.size() == popups ? menu[position].text : std::wstring();
}

bool IsRecentFileId(int wxId) {
  return wxId >= Platform::ToWxId(Platform::ID_FILE_MRU_FILE1) &&
         wxId <= Platform::ToWxId(Platform::ID_FILE_MRU_FILE16);
}

}  // namespace

wxMenuBar* BuildMenuBar(int menuId) {
  const std::vector<MenuEntry>& popups = MenuResource(menuId);
  if (popups.empty()) return nullptr;
  auto* bar = new wxMenuBar;
  for (const MenuEntry& p : popups) bar->Append(BuildPopup(p.items), MenuLabel(p.text));
  return bar;
}

void FillRecentFiles(wxMenu& menu, const wxFileHistory& history) {
  size_t position = 0;
  bool found = false;
  for (size_t i = 0; i < menu.GetMenuItemCount();) {
    wxMenuItem* item = menu.FindItemByPosition(i);
    if (IsRecentFileId(item->GetId())) {
      if (!found) position = i;
      found = true;
      menu.Destroy(item);
    } else {
      ++i;
    }
  }
  if (!found) return;
  const size_t count = std::min<size_t>(history.GetCount(), 16);
  if (count == 0) {
    menu.Insert(position, Platform::ToWxId(Platform::ID_FILE_MRU_FILE1), L"Recent File")->Enable(false);
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    wxString path = history.GetHistoryFile(i);
    path.Replace(L"&", L"&&");
    const wxString label = wxString::Format(L"&%d %s", int(i + 1), path);
    menu.Insert(position + i, Platform::ToWxId(Platform::ID_FILE_MRU_FILE1 + int(i)), label);
  }
}

bool SetMenuItemText(wxMenuBar* menu, unsigned position, std::wstring text) {
  if (text.size() > MaxMenuText) text.resize(MaxMenuText);
  if (!menu || position >= menu->GetMenuCount()) return false;
  // Alt and a letter open a popup: its letter is one no other popup uses.
  std::wstring taken;
  for (unsigned i = 0; i < menu->GetMenuCount(); ++i)
    if (i != position)
      if (const wchar_t letter = MnemonicOf(menu->GetMenuLabel(i).ToStdWstring())) taken += letter;
  menu->SetMenuLabel(position, WithMnemonic(text, PopupResourceText(menu->GetMenuCount(), position), taken));
  return true;
}

bool SetMenuItemText(wxMenu* menu, unsigned position, std::wstring text) {
  if (text.size() > MaxMenuText) text.resize(MaxMenuText);
  if (!menu || position >= menu->GetMenuItemCount()) return false;
  std::wstring taken;
  for (unsigned i = 0; i < menu->GetMenuItemCount(); ++i)
    if (i != position)
      if (const wchar_t letter = MnemonicOf(menu->FindItemByPosition(i)->GetItemLabel().ToStdWstring()))
        taken += letter;
  wxMenuItem* item = menu->FindItemByPosition(position);
  std::wstring resource;
  try {
    resource = ResourceMenuText(Platform::FromWxId(item->GetId()));
  } catch (const Platform::UnmappedId&) {
    // A popup inside a popup has no command of its own.
  }
  item->SetItemLabel(WithMnemonic(text, resource, taken));
  return true;
}

std::function<void()>& MenuRedrawObserver() {
  static std::function<void()> observer;
  return observer;
}

void RedrawMenu() {
  wxWindow* pMain = wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
  ASSERT_THROW(pMain, L"!pMain");
  if (MenuRedrawObserver()) MenuRedrawObserver()();
  if (auto* frame = dynamic_cast<wxFrame*>(pMain))
    if (wxMenuBar* bar = frame->GetMenuBar()) bar->Refresh();
}

}  // namespace PardeloStravon
