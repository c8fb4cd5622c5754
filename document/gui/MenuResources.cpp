#include "document/gui/MenuResources.h"

#include <wx/defs.h>

#include <map>

#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

MenuEntry Item(int id, const wchar_t* text, bool grey = false, bool check = false) {
  MenuEntry e;
  e.id = id;
  e.text = text;
  e.grey = grey;
  e.check = check;
  return e;
}

MenuEntry Sep() {
  MenuEntry e;
  e.kind = MenuEntry::separator;
  return e;
}

MenuEntry Recent() {
  MenuEntry e;
  e.kind = MenuEntry::recentFiles;
  e.id = ID_FILE_MRU_FILE1;
  e.text = L"Recent File";
  e.grey = true;
  return e;
}

MenuEntry Popup(const wchar_t* text, std::vector<MenuEntry> items) {
  MenuEntry e;
  e.kind = MenuEntry::popup;
  e.text = text;
  e.items = std::move(items);
  return e;
}

std::vector<MenuEntry> MainMenu() {
  return {
      Popup(L"&File", {Item(ID_FILE_NEW, L"&New\tCtrl+N"), Item(ID_FILE_OPEN, L"&Open...\tCtrl+O"), Sep(),
                       Item(ID_FILE_PRINT_SETUP, L"P&rint Setup..."), Sep(), Recent(), Sep(),
                       Item(ID_APP_EXIT, L"E&xit")}),
      Popup(L"&View", {Item(ID_VIEW_TOOLBAR, L"&Toolbar"), Item(ID_VIEW_STATUS_BAR, L"&Status Bar")}),
      Popup(L"&Help", {Item(ID_INSTRUMENT_USER_MANUALS, L"&Instrument User Manuals"),
                       Item(ID_PROGRAM_HELP, L"&Glacira Monitor Help"),
                       Item(ID_APP_ABOUT, L"&About ZO Vezizav ...")}),
  };
}

std::vector<MenuEntry> DocumentMenu(bool zoom) {
  std::vector<MenuEntry> view = {Item(ID_VIEW_TOOLBAR, L"&Toolbar"),
                                 Item(ID_VIEW_STATUS_BAR, L"&Status Bar"),
                                 Sep(),
                                 Item(ID_VIEW_OPTIONS, L"&Options\tAlt+O"),
                                 Item(ID_VIEW_STATUS, L"&Status\tAlt+S"),
                                 Item(ID_VIEW_GRAPHIC, L"View &Graphic\tAlt+G"),
                                 Item(ID_VIEW_RX_STATUS, L"&Receive status\tAlt+R"),
                                 Item(ID_VIEW_CLOSE_STATUS, L"&Close status\tAlt+C")};
  if (zoom) {
    view.push_back(Sep());
    view.push_back(Item(ID_GRAPHIC_ZOOM_IN, L"Zoom +"));
    view.push_back(Item(ID_GRAPHIC_ZOOM_OUT, L"Zoom -"));
    view.push_back(Item(ID_GRAPHIC_ZOOM_RESET, L"Zoom 0"));
  }
  return {
      Popup(L"&File", {Item(ID_FILE_CLOSE, L"&Close"), Item(ID_FILE_SAVE, L"&Save\tCtrl+S"),
                       Item(ID_FILE_SAVE_AS, L"Save &As..."), Sep(), Item(ID_FILE_PRINT, L"&Print...\tCtrl+P"),
                       Item(ID_FILE_PRINT_PREVIEW, L"Print Pre&view"),
                       Item(ID_FILE_PRINT_SETUP, L"P&rint Setup..."), Sep(), Recent(), Sep()}),
      Popup(L"&Edit",
            {Item(ID_EDIT_UNDO, L"&Undo\tCtrl+Z"), Sep(), Item(ID_EDIT_CUT, L"Cu&t\tCtrl+X"),
             Item(ID_EDIT_COPY, L"&Copy\tCtrl+C"), Item(ID_EDIT_PASTE, L"&Paste\tCtrl+V"), Sep(),
             Item(ID_EDIT_LANGUAGE, L"La&nguage"), Item(ID_EDIT_LOGIN, L"User &login"),
             Item(ID_EDIT_LOGIN_SUP, L"Super&visor login"), Item(ID_EDIT_CHANGE_PASS, L"Change user password"),
             Item(ID_EDIT_CHANGE_PASS_SUP, L"Change supervisor password"),
             Item(ID_EDIT_RX, L"&Enable periodic rx", false, true),
             Item(ID_EDIT_TROUBLESHOOT_S_COMM, L"&Troubleshoot serial comm", false, true),
             Item(ID_EDIT_GLOBAL, L"&Global options\tCtrl+G"),
             Popup(L"&Format options",
                   {Item(ID_EDIT_FONT_OPTION, L"Font for options"), Item(ID_EDIT_FONTFORSTATUS, L"Font for status"),
                    Item(ID_EDIT_FONTFORPROGRAM, L"Font for program"),
                    Item(ID_EDIT_ROWSPERCOLUMN, L"Rows per column"),
                    Item(ID_EDIT_FONTFORGRAPH, L"Font for graphic"),
                    Item(ID_GRAPHIC_NUMBER_FORMAT, L"Graphic number format"),
                    Item(ID_EDIT_DATEFORMAT, L"Date format"), Item(ID_EDIT_GRAPHICDATEANGLE, L"Graphic date angle"),
                    Item(ID_EDIT_DATE_RIGHT_ALIGN, L"Date right alignment"),
                    Item(ID_EDIT_GRAPHIC_SPACING, L"Graphic regular spacing"),
                    Item(ID_Graph_Line_Thickness, L"Graphic line thickness"),
                    Item(ID_EDIT_TIME_INTERVALS_AS_DHMS, L"Time intervals asdd hh:mm:ss")}),
             Item(ID_EDIT_MODIFY_THE_ALARM_PROGR, L"Modify the alarm program"),
             Item(ID_EDIT_TEST_THE_ALARM_PROGR, L"Test the alarm program"), Sep(),
             Item(ID_EDIT_EDIT, L"&Edit\tCtrl+E"), Item(ID_EDIT_ADD, L"&Add\tCtrl+A"),
             Item(ID_EDIT_REMOVE, L"&Remove\tCtrl+R"), Item(ID_EDIT_PROGRAM, L"Progra&m\t Ctrl+M")}),
      Popup(L"&View", std::move(view)),
      Popup(L"&Window", {Item(ID_WINDOW_NEW, L"&New Window"), Item(ID_WINDOW_CASCADE, L"&Cascade"),
                         Item(ID_WINDOW_TILE_HORZ, L"&Tile"), Item(ID_WINDOW_ARRANGE, L"&Arrange Icons")}),
      Popup(L"&Help", {Item(ID_INSTRUMENT_USER_MANUALS, L"&Instrument User Manuals"),
                       Item(ID_PROGRAM_HELP, L"&Glacira Monitor Help"), Item(ID_APP_ABOUT, L"&About ZO Vezizav")}),
  };
}

}  // namespace

const std::vector<MenuEntry>& MenuResource(int menuId) {
  static const std::map<int, std::vector<MenuEntry>> menus = {
      {IDR_MAINFRAME, MainMenu()},      {IDR_OPTIONS, DocumentMenu(false)}, {IDR_STATUS, DocumentMenu(false)},
      {IDR_GRAPHIC, DocumentMenu(true)}, {IDR_PROGRAM, DocumentMenu(false)},
  };
  static const std::vector<MenuEntry> none;
  auto it = menus.find(menuId);
  return it == menus.end() ? none : it->second;
}

std::wstring MenuLabel(const std::wstring& text) { return text.substr(0, text.find(L'\t')); }

const std::vector<AccelEntry>& AcceleratorTable() {
  static const std::vector<AccelEntry> table = {
      {true, false, false, 'A', ID_EDIT_ADD},
      {true, false, false, 'C', ID_EDIT_COPY},
      {true, false, false, 'E', ID_EDIT_EDIT},
      {true, false, false, 'G', ID_EDIT_GLOBAL},
      {true, false, false, 'M', ID_EDIT_PROGRAM},
      {true, false, false, 'N', ID_FILE_NEW},
      {true, false, false, 'O', ID_FILE_OPEN},
      {true, false, false, 'P', ID_FILE_PRINT},
      {true, false, false, 'R', ID_EDIT_REMOVE},
      {true, false, false, 'S', ID_FILE_SAVE},
      {true, false, false, 'Z', ID_EDIT_UNDO},
      {true, false, false, 'X', ID_EDIT_CUT},
      {true, false, false, 'V', ID_EDIT_PASTE},
      {false, true, false, WXK_BACK, ID_EDIT_UNDO},
      {false, false, true, WXK_DELETE, ID_EDIT_CUT},
      {true, false, false, WXK_INSERT, ID_EDIT_COPY},
      {false, false, true, WXK_INSERT, ID_EDIT_PASTE},
      {false, false, false, WXK_F6, ID_NEXT_PANE},
      {false, false, true, WXK_F6, ID_PREV_PANE},
      {false, true, false, 'C', ID_VIEW_CLOSE_STATUS},
      {false, true, false, 'G', ID_VIEW_GRAPHIC},
      {false, true, false, 'O', ID_VIEW_OPTIONS},
      {false, true, false, 'R', ID_VIEW_RX_STATUS},
      {false, true, false, 'S', ID_VIEW_STATUS},
  };
  return table;
}

int FindAccelerator(int key, bool ctrl, bool alt, bool shift) {
  if (key >= 'a' && key <= 'z') key -= 'a' - 'A';
  for (const AccelEntry& e : AcceleratorTable())
    if (e.key == key && e.ctrl == ctrl && e.alt == alt && e.shift == shift) return e.id;
  return 0;
}

}  // namespace PardeloStravon
