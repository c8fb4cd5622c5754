// The font dialog: it shows the record and colour it was given, returns
// the changed size, effects and colour with the rest of the record kept,
// and Cancel changes nothing.
#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clrpicker.h>
#include <wx/spinctrl.h>

#include <cstring>

#include "platform/gui/FontConv.h"
#include "platform/gui/FontDialog.h"
#include "tests/support/GuiTest.h"

namespace {

LOGFONTW Record() {
  LOGFONTW lf;
  lf.lfHeight = -16;
  lf.lfWeight = 400;
  lf.lfCharSet = 0;
  lf.lfEscapement = 0;
  lf.lfQuality = 2;
  const char16_t face[] = u"DejaVu Sans";
  std::memcpy(lf.lfFaceName, face, sizeof face);
  return lf;
}

TEST(FontDialog, ShowsTheRecordAndReturnsTheChangesWithTheRestKept) {
  LOGFONTW font = Record();
  COLORREF colour = RGB(10, 20, 30);
  int shownSize = 0;
  wxString shownFace;
  wxColour shownColour;
  TestSupport::ModalDriver driver([&](wxDialog& d) {
    auto& f = dynamic_cast<Platform::FontDialog&>(d);
    TestSupport::SaveWindowShot(d, "font_dialog");
    shownFace = f.face_->GetStringSelection();
    shownSize = f.size_->GetValue();
    shownColour = f.colour_->GetColour();
    f.size_->SetValue(shownSize * 2);
    f.underline_->SetValue(true);
    f.strikeOut_->SetValue(true);
    f.colour_->SetColour(wxColour(200, 100, 50));
    d.EndModal(wxID_OK);
  });
  ASSERT_TRUE(Platform::ChooseFont(nullptr, &font, &colour));
  EXPECT_EQ(shownFace, L"DejaVu Sans");
  EXPECT_EQ(shownSize, Platform::ToWxFont(Record()).GetPointSize());
  EXPECT_EQ(shownColour, wxColour(10, 20, 30));
  EXPECT_LT(font.lfHeight, Record().lfHeight * 3 / 2);
  EXPECT_EQ(font.lfUnderline, 1);
  EXPECT_EQ(font.lfStrikeOut, 1);
  EXPECT_EQ(font.lfQuality, 2);
  EXPECT_EQ(std::u16string(font.lfFaceName), u"DejaVu Sans");
  EXPECT_EQ(colour, RGB(200, 100, 50));
}

TEST(FontDialog, CancelChangesNothing) {
  LOGFONTW font = Record();
  COLORREF colour = RGB(1, 2, 3);
  TestSupport::ModalDriver driver([](wxDialog& d) {
    dynamic_cast<Platform::FontDialog&>(d).underline_->SetValue(true);
    d.EndModal(wxID_CANCEL);
  });
  EXPECT_FALSE(Platform::ChooseFont(nullptr, &font, &colour));
  EXPECT_EQ(font.lfUnderline, 0);
  EXPECT_EQ(font.lfHeight, -16);
  EXPECT_EQ(colour, RGB(1, 2, 3));
}

}  // namespace
