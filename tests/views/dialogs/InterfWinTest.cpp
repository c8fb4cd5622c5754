#include <gtest/gtest.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "platform/gui/WindowStyles.h"
#include "tests/views/dialogs/TemplateDecoder.h"
#include "views/dialogs/InterfWin.h"
#include "views/dialogs/DlgNewPass.h"
#include "views/dialogs/DlgPassword.h"
#include "views/dialogs/FromToPick.h"
#include "views/dialogs/InstrEditGlobal.h"
#include "views/dialogs/InstrPick.h"
#include "views/dialogs/InstrType.h"
#include "views/dialogs/MFCInputDlg.h"

using namespace PardeloStravon;
using namespace Platform;

namespace {

// "0A 00 ff" -> bytes; blanks and line breaks separate bytes.
VUC Hex(const std::string& text) {
  VUC v;
  unsigned byte = 0;
  int digits = 0;
  for (char c : text) {
    if (c == ' ' || c == '\n') continue;
    byte = byte * 16 + static_cast<unsigned>(std::stoi(std::string(1, c), nullptr, 16));
    if (++digits == 2) {
      v.push_back(static_cast<unsigned char>(byte));
      byte = 0;
      digits = 0;
    }
  }
  return v;
}

std::string ToHex(const VUC& v) {
  std::string out;
  char buf[4];
  for (unsigned char b : v) {
    std::snprintf(buf, sizeof buf, "%02X ", b);
    out += buf;
  }
  return out;
}

InterfItem Control(int id, int atom, std::wstring text) {
  return InterfItem(id, atom, WS_CHILD | WS_VISIBLE, std::move(text), 10, 20, 30, 40, 0, 0, L"");
}

InterfItem Dialog(std::wstring title, int fontSize, std::wstring face) {
  return InterfItem(0, 0, WS_POPUP | WS_CAPTION | DS_SETFONT, std::move(title), 0, 0, 100, 50, 0, fontSize,
                    std::move(face));
}

}  // namespace

TEST(InterfItem, Bytes_AsTheClassicTemplateLaysThemOut) {
  struct Case {
    const char* name;
    VUC written;
    int size;
    std::string hex;
  };
  const InterfItem empty(9004, 0x81, 0x50010006, L"", 110, 35, 90, 64, 0x200, 7, L"ignored");
  const InterfItem three(-1, 0x82, 0x50000000, L"abc", -2, 3, 4, 5, 0, 0, L"");
  const InterfItem withNul = Control(1, 0x80, std::wstring(L"ab\0cd", 5));
  const InterfItem astral = Control(2, 0x80, L"\U0001F600");
  const InterfItem title = Dialog(L"Hi", 9, L"Arial");
  const InterfItem unset = Dialog(L"", 0, L"");
  const Case cases[] = {
      {"control with an empty text", empty.ItemTemplate(), empty.ItemSize(),
       "06 00 01 50  00 02 00 00  6E 00 23 00 5A 00 40 00  2C 23  FF FF 81 00  00 00  00 00"},
      {"control with three characters", three.ItemTemplate(), three.ItemSize(),
       "00 00 00 50  00 00 00 00  FE FF 03 00 04 00 05 00  FF FF  FF FF 82 00  61 00 62 00 63 00 00 00  00 00"},
      {"text cut at its NUL", withNul.ItemTemplate(), withNul.ItemSize(),
       "00 00 00 50  00 00 00 00  0A 00 14 00 1E 00 28 00  01 00  FF FF 80 00  61 00 62 00 00 00  00 00"},
      {"character above U+FFFF as a surrogate pair", astral.ItemTemplate(), astral.ItemSize(),
       "00 00 00 50  00 00 00 00  0A 00 14 00 1E 00 28 00  02 00  FF FF 80 00  3D D8 00 DE 00 00  00 00"},
      {"header with a two-character title and Arial", title.ContainerTemplate(3), title.ContainerSize(),
       "40 00 C0 80  00 00 00 00  03 00  00 00 00 00 64 00 32 00  00 00  00 00  48 00 69 00 00 00  09 00"
       "  41 00 72 00 69 00 61 00 6C 00 00 00"},
      {"header without font: 8 points, Arial", unset.ContainerTemplate(1), unset.ContainerSize(),
       "40 00 C0 80  00 00 00 00  01 00  00 00 00 00 64 00 32 00  00 00  00 00  00 00  08 00"
       "  41 00 72 00 69 00 61 00 6C 00 00 00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToHex(c.written), ToHex(Hex(c.hex)));
    EXPECT_EQ(static_cast<int>(c.written.size()), c.size);
  }
  EXPECT_EQ(empty.ItemSize(), 26);
  EXPECT_EQ(three.ItemSize(), 32);
  EXPECT_EQ(title.ContainerSize(), 42);
}

TEST(InterfWin, Controls_AreAlignedTo4BytesFromTheStartAndTheEndIsNotPadded) {
  struct Case {
    const char* name;
    InterfItem dialog;
    std::size_t firstControl;
  };
  const Case cases[] = {
      // 42 bytes of header: two zero bytes before the control.
      {"odd header", Dialog(L"Hi", 8, L"Arial"), 44},
      // 1 + 5 characters: 40 bytes, the control follows at once.
      {"even header", Dialog(L"T", 8, L"Arial"), 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const InterfItem control = Control(7, 0x80, L"abc");  // 32 bytes, a multiple of 4 neither
    const InterfItem second = Control(8, 0x80, L"a");     // ends at an odd word
    const InterfWin win({c.dialog, control, second});
    const VUC bytes = win.WinTemplate();
    const std::size_t secondAt = c.firstControl + 32;
    ASSERT_EQ(bytes.size(), secondAt + 28) << "no padding after the last control";
    EXPECT_EQ(static_cast<int>(bytes.size()), win.WinSize());
    for (std::size_t i = c.dialog.ContainerSize(); i < c.firstControl; ++i) EXPECT_EQ(bytes[i], 0) << i;
    EXPECT_EQ(VUC(bytes.begin() + c.firstControl, bytes.begin() + secondAt), control.ItemTemplate());
    EXPECT_EQ(VUC(bytes.begin() + secondAt, bytes.end()), second.ItemTemplate());
  }
}

TEST(InterfWin, InputDialogTemplate_ToTheByte) {
  const InterfWin win(InputDlgItems(L"V", L"T", L"OK", L"No", L"Df"));
  const std::string expected =
      // header: 5 controls, 210 x 109, title "T", 8 points, "Arial" (40 bytes)
      "40 00 C0 90  00 00 00 00  05 00  00 00 00 00 D2 00 6D 00  00 00  00 00  54 00 00 00  08 00"
      "  41 00 72 00 69 00 61 00 6C 00 00 00"
      // edit 9004 at 40
      "  06 00 01 50  00 00 00 00  6E 00 23 00 5A 00 40 00  2C 23  FF FF 81 00  00 00  00 00"
      // 2 bytes to 68, label 9003
      "  00 00  00 00 00 50  00 00 00 00  0A 00 23 00 5A 00 40 00  2B 23  FF FF 82 00  56 00 00 00  00 00"
      // OK 9000 at 96
      "  00 00 C1 50  00 00 00 00  0A 00 0A 00 28 00 0F 00  28 23  FF FF 80 00  4F 00 4B 00 00 00  00 00"
      // 2 bytes to 128, Cancel 9001
      "  00 00  00 00 C1 50  00 00 00 00  3C 00 0A 00 28 00 0F 00  29 23  FF FF 80 00  4E 00 6F 00 00 00  00 00"
      // 2 bytes to 160, Default 9002, ending at 190
      "  00 00  00 00 C1 50  00 00 00 00  6E 00 0A 00 28 00 0F 00  2A 23  FF FF 80 00  44 00 66 00 00 00  00 00";
  EXPECT_EQ(ToHex(win.WinTemplate()), ToHex(Hex(expected)));
  EXPECT_EQ(win.WinSize(), 190);
}

TEST(InterfWin, CallerErrors_ThrowWithTheirTexts) {
  try {
    InterfWin win({Dialog(L"only", 8, L"")});
    FAIL() << "a dialog without controls was accepted";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "In InterfWin::InterfWin: !(1<vItems_.size())");
  }
  EXPECT_THROW(InterfWin({}), std::logic_error);
  for (int n : {0, 65535, -1}) {
    try {
      Dialog(L"T", 8, L"").ContainerTemplate(n);
      FAIL() << n << " controls accepted";
    } catch (const std::range_error& e) {
      EXPECT_STREQ(e.what(), "In InterfItem::ContainerTemplate: !(0<n && n< std::numeric_limits<WORD>::max())");
    }
  }
  EXPECT_EQ(Dialog(L"T", 8, L"").ContainerTemplate(65534).size(), 40u);
}

// What the decoder reads back is what the items said, for every item list
// a dialog of the program is built from.
TEST(InterfWin, ItemListsOfTheDialogs_RoundTripThroughTheirTemplates) {
  struct Case {
    const char* name;
    std::vector<InterfItem> items;
  };
  const Case cases[] = {
      {"input dialog", InputDlgItems(L"Rows per column", L"Program form", L"OK", L"Cancel", L"Default")},
      {"input dialog, non-Latin texts", InputDlgItems(L"\u0420\u044f\u0434\u044b", L"\u8868", L"\u00C9", L"x",
                                                      L"\U0001F600")},
      {"global options", GlobalOptionsItems()},
      {"pick instrument", InstrPickItems()},
      {"pick instrument type", InstrTypeItems()},
      {"from ... to ...", FromToPickItems()},
      {"password", DlgPasswordItems()},
      {"new password", DlgNewPassItems()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<InterfItem> back = TestSupport::DecodeTemplate(InterfWin(c.items).WinTemplate());
    ASSERT_EQ(back.size(), c.items.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
      SCOPED_TRACE(i);
      const InterfItem& a = c.items[i];
      const InterfItem& b = back[i];
      if (i > 0) {
        EXPECT_EQ(b.id_, a.id_ & 0xFFFF);
        EXPECT_EQ(b.atom_, a.atom_);
        EXPECT_EQ(b.exStyle_, a.exStyle_);
      } else {
        EXPECT_EQ(b.fontSize_, a.FontSizeUsed());
        EXPECT_EQ(b.fontName_, a.FontNameUsed());
      }
      EXPECT_EQ(b.style_, a.style_);
      EXPECT_EQ(b.text_, a.text_);
      EXPECT_EQ((std::vector<int>{b.x_, b.y_, b.cx_, b.cy_}), (std::vector<int>{a.x_, a.y_, a.cx_, a.cy_}));
    }
  }
}
