#pragma once
// The window, dialog and control style bits of the system's dialog
// templates, with the values its templates store. The dialog builder reads
// them; nothing here is passed to the toolkit as it stands.
#include <cstdint>

namespace Platform {

using WinStyle = std::uint32_t;

// Every window.
constexpr WinStyle WS_OVERLAPPED = 0x00000000;
constexpr WinStyle WS_POPUP = 0x80000000;
constexpr WinStyle WS_CHILD = 0x40000000;
constexpr WinStyle WS_MINIMIZE = 0x20000000;
constexpr WinStyle WS_VISIBLE = 0x10000000;
constexpr WinStyle WS_DISABLED = 0x08000000;
constexpr WinStyle WS_CLIPSIBLINGS = 0x04000000;
constexpr WinStyle WS_CLIPCHILDREN = 0x02000000;
constexpr WinStyle WS_MAXIMIZE = 0x01000000;
constexpr WinStyle WS_BORDER = 0x00800000;
constexpr WinStyle WS_DLGFRAME = 0x00400000;
constexpr WinStyle WS_CAPTION = 0x00C00000;  // border and dialog frame
constexpr WinStyle WS_VSCROLL = 0x00200000;
constexpr WinStyle WS_HSCROLL = 0x00100000;
constexpr WinStyle WS_SYSMENU = 0x00080000;
constexpr WinStyle WS_THICKFRAME = 0x00040000;
constexpr WinStyle WS_GROUP = 0x00020000;
constexpr WinStyle WS_TABSTOP = 0x00010000;
// The same bits mean the frame's boxes on a top-level window.
constexpr WinStyle WS_MINIMIZEBOX = 0x00020000;
constexpr WinStyle WS_MAXIMIZEBOX = 0x00010000;

// Extended styles.
constexpr WinStyle WS_EX_DLGMODALFRAME = 0x00000001;
constexpr WinStyle WS_EX_CLIENTEDGE = 0x00000200;
constexpr WinStyle WS_EX_RIGHT = 0x00001000;
constexpr WinStyle WS_EX_STATICEDGE = 0x00020000;

// Dialogs.
constexpr WinStyle DS_ABSALIGN = 0x01;
constexpr WinStyle DS_SYSMODAL = 0x02;
constexpr WinStyle DS_LOCALEDIT = 0x20;
constexpr WinStyle DS_SETFONT = 0x40;
constexpr WinStyle DS_MODALFRAME = 0x80;
constexpr WinStyle DS_NOIDLEMSG = 0x100;
constexpr WinStyle DS_SETFOREGROUND = 0x200;
constexpr WinStyle DS_3DLOOK = 0x0004;
constexpr WinStyle DS_FIXEDSYS = 0x0008;
constexpr WinStyle DS_NOFAILCREATE = 0x0010;
constexpr WinStyle DS_CONTROL = 0x0400;
constexpr WinStyle DS_CENTER = 0x0800;
constexpr WinStyle DS_CENTERMOUSE = 0x1000;
constexpr WinStyle DS_CONTEXTHELP = 0x2000;
constexpr WinStyle DS_SHELLFONT = DS_SETFONT | DS_FIXEDSYS;

// Edit controls.
constexpr WinStyle ES_LEFT = 0x0000;
constexpr WinStyle ES_CENTER = 0x0001;
constexpr WinStyle ES_RIGHT = 0x0002;
constexpr WinStyle ES_MULTILINE = 0x0004;
constexpr WinStyle ES_UPPERCASE = 0x0008;
constexpr WinStyle ES_LOWERCASE = 0x0010;
constexpr WinStyle ES_PASSWORD = 0x0020;
constexpr WinStyle ES_AUTOVSCROLL = 0x0040;
constexpr WinStyle ES_AUTOHSCROLL = 0x0080;
constexpr WinStyle ES_NOHIDESEL = 0x0100;
constexpr WinStyle ES_OEMCONVERT = 0x0400;
constexpr WinStyle ES_READONLY = 0x0800;
constexpr WinStyle ES_WANTRETURN = 0x1000;
constexpr WinStyle ES_NUMBER = 0x2000;

// Buttons; the low four bits are the kind.
constexpr WinStyle BS_PUSHBUTTON = 0x0;
constexpr WinStyle BS_DEFPUSHBUTTON = 0x1;
constexpr WinStyle BS_CHECKBOX = 0x2;
constexpr WinStyle BS_AUTOCHECKBOX = 0x3;
constexpr WinStyle BS_RADIOBUTTON = 0x4;
constexpr WinStyle BS_3STATE = 0x5;
constexpr WinStyle BS_AUTO3STATE = 0x6;
constexpr WinStyle BS_GROUPBOX = 0x7;
constexpr WinStyle BS_AUTORADIOBUTTON = 0x9;
constexpr WinStyle BS_TYPEMASK = 0xF;
constexpr WinStyle BS_LEFTTEXT = 0x20;
constexpr WinStyle BS_RIGHTBUTTON = BS_LEFTTEXT;
constexpr WinStyle BS_MULTILINE = 0x2000;

// Static controls; the low five bits are the kind.
constexpr WinStyle SS_LEFT = 0x00;
constexpr WinStyle SS_CENTER = 0x01;
constexpr WinStyle SS_RIGHT = 0x02;
constexpr WinStyle SS_TYPEMASK = 0x1F;
constexpr WinStyle SS_NOPREFIX = 0x80;
constexpr WinStyle SS_NOTIFY = 0x100;
constexpr WinStyle SS_CENTERIMAGE = 0x200;
constexpr WinStyle SS_SUNKEN = 0x1000;

// Combo boxes; the low two bits are the kind.
constexpr WinStyle CBS_SIMPLE = 0x1;
constexpr WinStyle CBS_DROPDOWN = 0x2;
constexpr WinStyle CBS_DROPDOWNLIST = 0x3;
constexpr WinStyle CBS_AUTOHSCROLL = 0x40;
constexpr WinStyle CBS_SORT = 0x100;
constexpr WinStyle CBS_HASSTRINGS = 0x200;
constexpr WinStyle CBS_NOINTEGRALHEIGHT = 0x400;

// Predefined window classes of a template's controls, by ordinal.
constexpr int ClassButton = 0x0080;
constexpr int ClassEdit = 0x0081;
constexpr int ClassStatic = 0x0082;
constexpr int ClassListBox = 0x0083;
constexpr int ClassScrollBar = 0x0084;
constexpr int ClassComboBox = 0x0085;

}  // namespace Platform
