#pragma once
// Identifiers of the framework's commands, prompts and dialog buttons, with
// the values the system's resources and documents use.
namespace Platform {

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

constexpr int ID_FILE_NEW = 57600;
constexpr int ID_FILE_OPEN = 57601;
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_SAVE = 57603;
constexpr int ID_FILE_SAVE_AS = 57604;
constexpr int ID_FILE_PAGE_SETUP = 57605;
constexpr int ID_FILE_PRINT_SETUP = 57606;
constexpr int ID_FILE_PRINT = 57607;
constexpr int ID_FILE_PRINT_DIRECT = 57608;
constexpr int ID_FILE_PRINT_PREVIEW = 57609;
constexpr int ID_FILE_MRU_FILE1 = 57616;
constexpr int ID_FILE_MRU_FILE16 = 57631;
constexpr int ID_EDIT_CLEAR = 57632;
constexpr int ID_EDIT_CLEAR_ALL = 57633;
constexpr int ID_EDIT_COPY = 57634;
constexpr int ID_EDIT_CUT = 57635;
constexpr int ID_EDIT_FIND = 57636;
constexpr int ID_EDIT_PASTE = 57637;
constexpr int ID_EDIT_REPEAT = 57640;
constexpr int ID_EDIT_REPLACE = 57641;
constexpr int ID_EDIT_SELECT_ALL = 57642;
constexpr int ID_EDIT_UNDO = 57643;
constexpr int ID_EDIT_REDO = 57644;
constexpr int ID_WINDOW_NEW = 57648;
constexpr int ID_WINDOW_ARRANGE = 57649;
constexpr int ID_WINDOW_CASCADE = 57650;
constexpr int ID_WINDOW_TILE_HORZ = 57651;
constexpr int ID_WINDOW_TILE_VERT = 57652;
constexpr int ID_WINDOW_SPLIT = 57653;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_NEXT_PANE = 57680;
constexpr int ID_PREV_PANE = 57681;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;

constexpr int AFX_IDS_SCSIZE = 61184;
constexpr int AFX_IDS_SCMOVE = 61185;
constexpr int AFX_IDS_SCMINIMIZE = 61186;
constexpr int AFX_IDS_SCMAXIMIZE = 61187;
constexpr int AFX_IDS_SCNEXTWINDOW = 61188;
constexpr int AFX_IDS_SCPREVWINDOW = 61189;
constexpr int AFX_IDS_SCCLOSE = 61190;
constexpr int AFX_IDS_SCRESTORE = 61202;
constexpr int AFX_IDS_SCTASKLIST = 61203;
constexpr int AFX_IDS_MDICHILD = 61215;
constexpr int AFX_IDS_OPENFILE = 61440;
constexpr int AFX_IDS_SAVEFILE = 61441;
constexpr int AFX_IDS_PREVIEW_CLOSE = 61445;

}  // namespace Platform
