#include "foundation/gui/StringTable.h"

#include <wx/msgdlg.h>

#include <cstdlib>
#include <vector>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"
#include "foundation/catalogue/Tokens.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/StringResources.h"

namespace PardeloStravon {
namespace {

using namespace Platform;

// Each prompt's token is "CTW_TBL_" and the framework's name of its identifier.
std::vector<std::pair<int, const std::wstring*>> PromptTokens() {
  return {
      {32771, &CTW_TBL_ID_EDIT_EDIT},
      {32772, &CTW_TBL_ID_EDIT_ADD},
      {32773, &CTW_TBL_ID_EDIT_REMOVE},
      {32775, &CTW_TBL_ID_EDIT_RX},
      {32776, &CTW_TBL_ID_EDIT_TROUBLESHOOT_S_COMM},
      {32808, &CTW_TBL_ID_EDIT_LOGIN},
      {32821, &CTW_TBL_ID_EDIT_LANGUAGE},
      {ID_FILE_NEW, &CTW_TBL_ID_FILE_NEW},
      {ID_FILE_OPEN, &CTW_TBL_ID_FILE_OPEN},
      {ID_FILE_CLOSE, &CTW_TBL_ID_FILE_CLOSE},
      {ID_FILE_SAVE, &CTW_TBL_ID_FILE_SAVE},
      {ID_FILE_SAVE_AS, &CTW_TBL_ID_FILE_SAVE_AS},
      {ID_FILE_PAGE_SETUP, &CTW_TBL_ID_FILE_PAGE_SETUP},
      {ID_FILE_PRINT_SETUP, &CTW_TBL_ID_FILE_PRINT_SETUP},
      {ID_FILE_PRINT, &CTW_TBL_ID_FILE_PRINT},
      {ID_FILE_PRINT_PREVIEW, &CTW_TBL_ID_FILE_PRINT_PREVIEW},
      {ID_FILE_MRU_FILE1 + 0, &CTW_TBL_ID_FILE_MRU_FILE1},
      {ID_FILE_MRU_FILE1 + 1, &CTW_TBL_ID_FILE_MRU_FILE2},
      {ID_FILE_MRU_FILE1 + 2, &CTW_TBL_ID_FILE_MRU_FILE3},
      {ID_FILE_MRU_FILE1 + 3, &CTW_TBL_ID_FILE_MRU_FILE4},
      {ID_FILE_MRU_FILE1 + 4, &CTW_TBL_ID_FILE_MRU_FILE5},
      {ID_FILE_MRU_FILE1 + 5, &CTW_TBL_ID_FILE_MRU_FILE6},
      {ID_FILE_MRU_FILE1 + 6, &CTW_TBL_ID_FILE_MRU_FILE7},
      {ID_FILE_MRU_FILE1 + 7, &CTW_TBL_ID_FILE_MRU_FILE8},
      {ID_FILE_MRU_FILE1 + 8, &CTW_TBL_ID_FILE_MRU_FILE9},
      {ID_FILE_MRU_FILE1 + 9, &CTW_TBL_ID_FILE_MRU_FILE10},
      {ID_FILE_MRU_FILE1 + 10, &CTW_TBL_ID_FILE_MRU_FILE11},
      {ID_FILE_MRU_FILE1 + 11, &CTW_TBL_ID_FILE_MRU_FILE12},
      {ID_FILE_MRU_FILE1 + 12, &CTW_TBL_ID_FILE_MRU_FILE13},
      {ID_FILE_MRU_FILE1 + 13, &CTW_TBL_ID_FILE_MRU_FILE14},
      {ID_FILE_MRU_FILE1 + 14, &CTW_TBL_ID_FILE_MRU_FILE15},
      {ID_FILE_MRU_FILE1 + 15, &CTW_TBL_ID_FILE_MRU_FILE16},
      {ID_EDIT_CLEAR, &CTW_TBL_ID_EDIT_CLEAR},
      {ID_EDIT_CLEAR_ALL, &CTW_TBL_ID_EDIT_CLEAR_ALL},
      {ID_EDIT_COPY, &CTW_TBL_ID_EDIT_COPY},
      {ID_EDIT_CUT, &CTW_TBL_ID_EDIT_CUT},
      {ID_EDIT_FIND, &CTW_TBL_ID_EDIT_FIND},
      {ID_EDIT_PASTE, &CTW_TBL_ID_EDIT_PASTE},
      {ID_EDIT_REPEAT, &CTW_TBL_ID_EDIT_REPEAT},
      {ID_EDIT_REPLACE, &CTW_TBL_ID_EDIT_REPLACE},
      {ID_EDIT_SELECT_ALL, &CTW_TBL_ID_EDIT_SELECT_ALL},
      {ID_EDIT_UNDO, &CTW_TBL_ID_EDIT_UNDO},
      {ID_EDIT_REDO, &CTW_TBL_ID_EDIT_REDO},
      {ID_WINDOW_NEW, &CTW_TBL_ID_WINDOW_NEW},
      {ID_WINDOW_ARRANGE, &CTW_TBL_ID_WINDOW_ARRANGE},
      {ID_WINDOW_CASCADE, &CTW_TBL_ID_WINDOW_CASCADE},
      {ID_WINDOW_TILE_HORZ, &CTW_TBL_ID_WINDOW_TILE_HORZ},
      {ID_WINDOW_TILE_VERT, &CTW_TBL_ID_WINDOW_TILE_VERT},
      {ID_WINDOW_SPLIT, &CTW_TBL_ID_WINDOW_SPLIT},
      {ID_APP_ABOUT, &CTW_TBL_ID_APP_ABOUT},
      {ID_APP_EXIT, &CTW_TBL_ID_APP_EXIT},
      {ID_NEXT_PANE, &CTW_TBL_ID_NEXT_PANE},
      {ID_PREV_PANE, &CTW_TBL_ID_PREV_PANE},
      {ID_VIEW_TOOLBAR, &CTW_TBL_ID_VIEW_TOOLBAR},
      {ID_VIEW_STATUS_BAR, &CTW_TBL_ID_VIEW_STATUS_BAR},
      {AFX_IDS_SCSIZE, &CTW_TBL_AFX_IDS_SCSIZE},
      {AFX_IDS_SCMOVE, &CTW_TBL_AFX_IDS_SCMOVE},
      {AFX_IDS_SCMINIMIZE, &CTW_TBL_AFX_IDS_SCMINIMIZE},
      {AFX_IDS_SCMAXIMIZE, &CTW_TBL_AFX_IDS_SCMAXIMIZE},
      {AFX_IDS_SCNEXTWINDOW, &CTW_TBL_AFX_IDS_SCNEXTWINDOW},
      {AFX_IDS_SCPREVWINDOW, &CTW_TBL_AFX_IDS_SCPREVWINDOW},
      {AFX_IDS_SCCLOSE, &CTW_TBL_AFX_IDS_SCCLOSE},
      {AFX_IDS_SCRESTORE, &CTW_TBL_AFX_IDS_SCRESTORE},
      {AFX_IDS_SCTASKLIST, &CTW_TBL_AFX_IDS_SCTASKLIST},
      {AFX_IDS_MDICHILD, &CTW_TBL_AFX_IDS_MDICHILD},
      {AFX_IDS_PREVIEW_CLOSE, &CTW_TBL_AFX_IDS_PREVIEW_CLOSE},
  };
}

[[noreturn]] void StringTableLoadFailed(int id) {
  const std::wstring text = L"Error during string table loading. Closing the application";
  LogError(TimeStamp() + L"Error in QZ::StringTableTokens(): no string resource " + std::to_wstring(id) + L"\n");
  wxMessageBox(text);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

StringTable StringTableTokens() {
  std::map<int, std::size_t> positions;
  for (const auto& [id, token] : PromptTokens()) positions[id] = TokenPos(*token);

  StringTable table;
  for (const auto& [id, position] : positions) {
    const std::optional<std::wstring> resource = LoadStringResource(id);
    if (!resource) StringTableLoadFailed(id);
    table[resource->substr(0, resource->find(L'\n'))] = position;
  }
  return table;
}

std::pair<bool, std::size_t> FindStringTableToken(const CString& text) {
  static const StringTable table = StringTableTokens();
  const auto it = table.find(text.Text());
  if (it == table.end()) return {false, 0};
  return {true, it->second};
}

}  // namespace PardeloStravon
