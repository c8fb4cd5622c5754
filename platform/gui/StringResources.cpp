#include "platform/gui/StringResources.h"

#include <map>

#include "platform/gui/ResourceIds.h"

namespace Platform {
namespace {

const std::map<int, std::wstring>& Table() {
  static const std::map<int, std::wstring> table = [] {
    std::map<int, std::wstring> t = {
        {32771, L"Edit a single instrument"},
        {32772, L"Add an instrument to the list"},
        {32773, L"Remove an instrument from the list"},
        {32775, L"Enable | Disable the status reception"},
        {32776, L"Enable | Disable serial line troubleshooting"},
        {32808, L"Login / logout"},
        {32821, L"Select the language"},
        {ID_FILE_NEW, L"Create a new document\nNew"},
        {ID_FILE_OPEN, L"Open an existing document\nOpen"},
        {ID_FILE_CLOSE, L"Close the active document\nClose"},
        {ID_FILE_SAVE, L"Save the active document\nSave"},
        {ID_FILE_SAVE_AS, L"Save the active document with a new name\nSave As"},
        {ID_FILE_PAGE_SETUP, L"Change the printing options\nPage Setup"},
        {ID_FILE_PRINT_SETUP, L"Change the printer and printing options\nPrint Setup"},
        {ID_FILE_PRINT, L"Print the active document\nPrint"},
        {ID_FILE_PRINT_PREVIEW, L"Display full pages\nPrint Preview"},
        {ID_EDIT_CLEAR, L"Erase the selection\nErase"},
        {ID_EDIT_CLEAR_ALL, L"Erase everything\nErase All"},
        {ID_EDIT_COPY, L"Copy the selection and put it on the Clipboard\nCopy"},
        {ID_EDIT_CUT, L"Cut the selection and put it on the Clipboard\nCut"},
        {ID_EDIT_FIND, L"Find the specified text\nFind"},
        {ID_EDIT_PASTE, L"Insert Clipboard contents\nPaste"},
        {ID_EDIT_REPEAT, L"Repeat the last action\nRepeat"},
        {ID_EDIT_REPLACE, L"Replace specific text with different text\nReplace"},
        {ID_EDIT_SELECT_ALL, L"Select the entire document\nSelect All"},
        {ID_EDIT_UNDO, L"Undo the last action\nUndo"},
        {ID_EDIT_REDO, L"Redo the previously undone action\nRedo"},
        {ID_WINDOW_NEW, L"Open another window for the active document\nNew Window"},
        {ID_WINDOW_ARRANGE, L"Arrange icons at the bottom of the window\nArrange Icons"},
        {ID_WINDOW_CASCADE, L"Arrange windows so they overlap\nCascade Windows"},
        {ID_WINDOW_TILE_HORZ, L"Arrange windows as non-overlapping tiles\nTile Windows"},
        {ID_WINDOW_TILE_VERT, L"Arrange windows as non-overlapping tiles\nTile Windows"},
        {ID_WINDOW_SPLIT, L"Split the active window into panes\nSplit"},
        {ID_APP_ABOUT, L"Display program information, version number and copyright\nAbout"},
        {ID_APP_EXIT, L"Quit the application; prompts to save documents\nExit"},
        {ID_NEXT_PANE, L"Switch to the next window pane\nNext Pane"},
        {ID_PREV_PANE, L"Switch back to the previous window pane\nPrevious Pane"},
        {ID_VIEW_TOOLBAR, L"Show or hide the toolbar\nToggle ToolBar"},
        {ID_VIEW_STATUS_BAR, L"Show or hide the status bar\nToggle StatusBar"},
        {AFX_IDS_SCSIZE, L"Change the window size"},
        {AFX_IDS_SCMOVE, L"Change the window position"},
        {AFX_IDS_SCMINIMIZE, L"Reduce the window to an icon"},
        {AFX_IDS_SCMAXIMIZE, L"Enlarge the window to full size"},
        {AFX_IDS_SCNEXTWINDOW, L"Switch to the next document window"},
        {AFX_IDS_SCPREVWINDOW, L"Switch to the previous document window"},
        {AFX_IDS_SCCLOSE, L"Close the active window and prompts to save the documents"},
        {AFX_IDS_SCRESTORE, L"Restore the window to normal size"},
        {AFX_IDS_SCTASKLIST, L"Activate Task List"},
        {AFX_IDS_MDICHILD, L"Activate this window"},
        {AFX_IDS_OPENFILE, L"Open"},
        {AFX_IDS_SAVEFILE, L"Save As"},
        {AFX_IDS_PREVIEW_CLOSE, L"Close print preview mode\nCancel Preview"},
    };
    for (int id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE16; ++id) t[id] = L"Open this document";
    return t;
  }();
  return table;
}

}  // namespace

std::optional<std::wstring> LoadStringResource(int id) {
  const auto it = Table().find(id);
  if (it == Table().end()) return std::nullopt;
  return it->second;
}

}  // namespace Platform
