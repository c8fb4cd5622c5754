#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <functional>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/Node.h"
#include "platform/gui/CommandIds.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestCatalogue.h"
#include "tests/views/dialogs/DialogDrive.h"
#include "tests/views/dialogs/DialogDriving.h"
#include "views/dialogs/DialogBuilder.h"
#include "views/dialogs/EOMore.h"
#include "views/dialogs/EditNodeCopies.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

constexpr int IdOk = MoreFirstId, IdCancel = MoreFirstId + 1, IdDefault = MoreFirstId + 2,
              IdRefresh = MoreFirstId + 3;
// Rows of the test type: the Delay3 reading, a settable reading, a setting,
// the pad that opens the third sub-group and the address after it.
constexpr int DelayRow = 1, BothRow = 3, SetRow = 5, PadRow = 6, AddressRow = 7, SettingRow = 8;

class EOMoreTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { LoadNetworkTestCatalogue(); }

  void SetUp() override {
    SetCurrentLanguage(0);
    copies_ = EditNodeCopies::Of(node_);
  }

  void StoreReadings() {
    const InstrPars readable = ReadablePars(node_.Type().Pars());
    InstrParValues values = DefaultValues(readable);
    ASSERT_TRUE(TextToValueFmt(*readable.at(1)->ParRange(), L"90", values.at(1), false));
    node_.LatestReadings(values);
  }

  // Runs the dialog on the copies; act drives it.
  bool Run(bool supervisor, bool dhms, const std::function<void(EOMore&)>& act) {
    ModalDriver driver([&](wxDialog& d) { act(dynamic_cast<EOMore&>(d)); });
    const bool result = EditAdvancedOptions(copies_.vIPOSt, copies_.vIPOPlt, copies_.vIPOFrm, copies_.vIPOFrmSub,
                                            copies_.vIPOFrmGrp, node_, supervisor, dhms);
    EXPECT_TRUE(driver.Acted());
    return result;
  }

  Node node_{MoreRunsType};
  EditNodeCopies copies_;
};

int Cell(EOMore& eo, int column, int row) { return eo.Layout().ids_.at(column).at(row); }
std::wstring CellText(EOMore& eo, int column, int row) { return EditBox(eo, Cell(eo, column, row)).GetValue().ToStdWstring(); }
wxCheckBox& CheckCell(EOMore& eo, int column, int row) {
  return *dynamic_cast<wxCheckBox*>(eo.FindWindow(Platform::ToWxId(Cell(eo, column, row))));
}

const InstrParPure& Par(int i) { return *InstrByCode(MoreRunsType).Pars().at(i); }

}  // namespace

TEST_F(EOMoreTest, Refresh_ShowsValuesOrStarsAndDurationsInTheirForm) {
  const struct {
    const char* what;
    bool readings;
    bool dhms;
    const wchar_t* delay;  // the Delay3 reading's cell
    const wchar_t* both;   // a settable reading
  } cases[] = {
      {"no values yet", false, true, L"***", L"***"},
      {"readings, durations as days", true, true, L"1:30", nullptr},
      {"readings, plain seconds", true, false, L"90", nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.readings) StoreReadings();
    EXPECT_FALSE(Run(false, c.dhms, [&](EOMore& eo) {
      EXPECT_EQ(CellText(eo, colValue, DelayRow), c.delay);
      if (c.both) {
        EXPECT_EQ(CellText(eo, colValue, BothRow), c.both);
      }
      if (c.readings) {
        EXPECT_NE(CellText(eo, colValue, BothRow), L"***");
      }
      EXPECT_EQ(CellText(eo, colValue, SetRow), L"***") << "no settings received";
      EXPECT_EQ(CellText(eo, colStatusText, DelayRow), Par(DelayRow).ParSt());
      EXPECT_EQ(CellText(eo, colFormText, SetRow), Par(SetRow).ParDlg());
      EXPECT_TRUE(CheckCell(eo, colFormShown, SetRow).GetValue());
      // The sub-group and group opened by the pad show their titles on the
      // pad's row, with the pad's flags and the sub-group's options.
      const GroupSubRec& sub = Par(PadRow).ParSubGroup();
      EXPECT_EQ(CellText(eo, colSubTitle, PadRow), DictTextAt(sub.groupSubDlg));
      EXPECT_EQ(CellText(eo, colGrpTitle, PadRow), DictTextAt(GroupRecAt(sub.groupSubGroup).groupDlg));
      EXPECT_EQ(CellText(eo, colSubOpt, PadRow), copies_.vIPOFrmSub.at(2).frmTextOptSub_);
      EXPECT_TRUE(CheckCell(eo, colGrpShown, PadRow).GetValue()) << "the pad is settable";
      EXPECT_FALSE(CheckCell(eo, colSubNewCol, PadRow).GetValue()) << "settable after settable";
      EXPECT_TRUE(CheckCell(eo, colSubNewCol, BothRow).GetValue()) << "settable after readable";
      EXPECT_TRUE(CheckCell(eo, colSubShown, 0).GetValue()) << "the slave that opens the table is readable";
      ClickButton(eo, IdCancel);
    }));
  }
}

TEST_F(EOMoreTest, RefreshButton_DropsWhatWasTyped) {
  copies_.vIPOSt.at(DelayRow).stTextOpt_ = L"Kept";
  EXPECT_FALSE(Run(false, false, [&](EOMore& eo) {
    TypeInto(eo, Cell(eo, colStOpt, DelayRow), L"typed");
    TypeInto(eo, Cell(eo, colSubOpt, PadRow), L"typed");
    ClickButton(eo, IdRefresh);
    EXPECT_EQ(CellText(eo, colStOpt, DelayRow), L"Kept");
    EXPECT_EQ(CellText(eo, colSubOpt, PadRow), copies_.vIPOFrmSub.at(2).frmTextOptSub_);
    ClickButton(eo, IdCancel);
  }));
}

// Default writes the catalogue's values into every entry, those of the pad
// and the slaves included, and into a disabled pass-free cell's option.
TEST_F(EOMoreTest, DefaultThenOK_WritesTheDefaultsAndCancelAfterDefaultNothing) {
  for (bool confirm : {true, false}) {
    SCOPED_TRACE(confirm ? "OK" : "Cancel");
    SetUp();
    for (int i : {0, 2, 4, 6}) copies_.vIPOSt.at(i).stTextOpt_ = L"custom";
    copies_.vIPOFrm.at(AddressRow).frmFreeOpt_ = true;
    copies_.vIPOFrmSub.at(2).frmTextOptSub_ = L"custom";
    copies_.vIPOFrmGrp.at(1).frmGrpNewCol_ = true;
    const EditNodeCopies before = copies_;
    EXPECT_EQ(Run(false, false, [&](EOMore& eo) {
      ClickButton(eo, IdDefault);
      EXPECT_EQ(CellText(eo, colSubOpt, PadRow), DictTextAt(Par(PadRow).ParSubGroup().groupSubDlg));
      ClickButton(eo, confirm ? IdOk : IdCancel);
    }), confirm);
    if (!confirm) {
      EXPECT_EQ(copies_.vIPOSt.at(2).stTextOpt_, L"custom");
      EXPECT_TRUE(copies_.vIPOFrm.at(AddressRow).frmFreeOpt_);
      EXPECT_EQ(copies_.vIPOFrmSub.at(2).frmTextOptSub_, L"custom");
      continue;
    }
    for (int i : {0, 2, 4, 6}) {
      EXPECT_EQ(copies_.vIPOSt.at(i).stTextOpt_, Par(i).ParSt()) << i;
      EXPECT_EQ(copies_.vIPOPlt.at(i).pltDefOpt_, Par(i).ParIsDSt()) << i;
      EXPECT_EQ(copies_.vIPOFrm.at(i).frmTextOpt_, Par(i).ParDlg()) << i;
      EXPECT_TRUE(copies_.vIPOFrm.at(i).frmDefOpt_) << i;
    }
    EXPECT_FALSE(copies_.vIPOFrm.at(AddressRow).frmFreeOpt_);
    EXPECT_EQ(copies_.vIPOFrmSub.at(2).frmTextOptSub_, DictTextAt(Par(PadRow).ParSubGroup().groupSubDlg));
    EXPECT_FALSE(copies_.vIPOFrmSub.at(2).frmDefOptSub_) << "the pad is not readable";
    EXPECT_TRUE(copies_.vIPOFrmSub.at(1).frmSubNewCol_);
    EXPECT_TRUE(copies_.vIPOFrmGrp.at(1).frmDefOptGrp_);
    EXPECT_FALSE(copies_.vIPOFrmGrp.at(1).frmGrpNewCol_);
    EXPECT_EQ(copies_.vIPOFrm.at(SetRow).frmSubIdx_, before.vIPOFrm.at(SetRow).frmSubIdx_) << "indices kept";
  }
}

// OK reads every editable cell, the title cells of the pad's run included;
// a pass-free cell disabled for want of rights gives back what it showed.
TEST_F(EOMoreTest, OK_ReadsTheCellsIncludingTheTitlesOfARunOpenedByAPad) {
  copies_.vIPOFrm.at(SettingRow).frmFreeOpt_ = true;
  EXPECT_TRUE(Run(false, false, [&](EOMore& eo) {
    EXPECT_FALSE(eo.FindWindow(Platform::ToWxId(Cell(eo, colFrmFree, SettingRow)))->IsEnabled());
    TypeInto(eo, Cell(eo, colSubOpt, PadRow), L"Sub typed");
    TypeInto(eo, Cell(eo, colGrpOpt, PadRow), L"Group typed");
    TypeInto(eo, Cell(eo, colPltOpt, SetRow), L"Plot typed");
    CheckCell(eo, colFrmNewCol, SetRow).SetValue(true);
    CheckCell(eo, colSubNewColOpt, PadRow).SetValue(true);
    ClickButton(eo, IdOk);
  }));
  EXPECT_EQ(copies_.vIPOFrmSub.at(2).frmTextOptSub_, L"Sub typed");
  EXPECT_TRUE(copies_.vIPOFrmSub.at(2).frmSubNewCol_);
  EXPECT_EQ(copies_.vIPOFrmGrp.at(1).frmTextOptGrp_, L"Group typed");
  EXPECT_EQ(copies_.vIPOPlt.at(SetRow).pltTextOpt_, L"Plot typed");
  EXPECT_TRUE(copies_.vIPOFrm.at(SetRow).frmNewCol_);
  EXPECT_TRUE(copies_.vIPOFrm.at(SettingRow).frmFreeOpt_);
}

TEST_F(EOMoreTest, EnterConfirmsAndEscapeCancels) {
  for (int key : {WXK_RETURN, WXK_ESCAPE}) {
    SetUp();
    EXPECT_EQ(Run(true, false, [&](EOMore& eo) {
      TypeInto(eo, Cell(eo, colStOpt, DelayRow), L"by key");
      PressKey(eo, key);
    }), key == WXK_RETURN);
    EXPECT_EQ(copies_.vIPOSt.at(DelayRow).stTextOpt_ == L"by key", key == WXK_RETURN);
  }
}

namespace {

// Every control of the table at its rectangle, moved by the scroll
// positions, and no two overlapping.
void ExpectTableLayout(EOMore& eo, const std::vector<InterfItem>& items) {
  wxWindow& content = eo.Content();
  const wxPoint offset(eo.Model().HPos(), eo.Model().VPos());
  std::vector<wxRect> rects;
  for (std::size_t i = 1; i < items.size(); ++i) {
    const InterfItem& item = items[i];
    wxWindow* control = content.FindWindow(Platform::ToWxId(item.id_));
    ASSERT_NE(control, nullptr) << item.id_;
    wxRect expected = DialogRectToPixels(content, item);
    expected.Offset(-offset);
    EXPECT_EQ(control->GetRect(), expected) << item.id_;
    rects.push_back(expected);
  }
  for (std::size_t a = 0; a < rects.size(); ++a)
    for (std::size_t b = a + 1; b < rects.size(); ++b)
      EXPECT_FALSE(rects[a].Intersects(rects[b])) << items[a + 1].id_ << " and " << items[b + 1].id_ << " overlap";
}

std::vector<InterfItem> ItemsOf(Node& node, bool supervisor) {
  std::vector<InterfItem> items;
  MakeMoreLayout(node, supervisor, true, items);
  return items;
}

}  // namespace

// Scrolling moves the controls; a dialog enlarged past its content comes
// back to its origin with every control in reach.
TEST_F(EOMoreTest, Scrolling_MovesTheTableAndAResizeKeepsItInReach) {
  Node large(L"RC500");
  copies_ = EditNodeCopies::Of(large);
  ModalDriver driver([&](wxDialog& d) {
    auto& eo = dynamic_cast<EOMore&>(d);
    const Scroll::ScrollModel& m = eo.Model();
    ASSERT_GT(m.VRange(), 0) << "the table is taller than the screen";
    wxWindow& ok = *eo.FindWindow(Platform::ToWxId(IdOk));
    const int top = ok.GetPosition().y;
    eo.OnVScroll(Scroll::SB_THUMBPOSITION, m.VRange() / 2);
    EXPECT_EQ(ok.GetPosition().y, top - m.VRange() / 2);
    eo.OnVScroll(Scroll::SB_PAGEUP, 0);
    EXPECT_EQ(m.VPos(), m.VRange() / 2 - m.VRange() / 5);
    EXPECT_TRUE(eo.OnMouseWheel(-240, 3));
    EXPECT_EQ(m.VPos(), m.VRange() / 2 - m.VRange() / 5 + 6 * (m.VRange() / 100));
    EXPECT_EQ(eo.Content().GetScrollPos(wxVERTICAL), m.VPos()) << "the bar shows the position";
    const wxSize full = eo.Content().ConvertDialogToPixels(wxSize(eo.Layout().width_, eo.Layout().height_));
    eo.SetSize(full + wxSize(100, 100));
    PumpEvents();
    EXPECT_EQ(m.VPos(), 0);
    EXPECT_EQ(m.HPos(), 0);
    EXPECT_EQ(ok.GetPosition().y, top) << "OK is back in reach";
    EXPECT_FALSE(eo.OnMouseWheel(-120, 3)) << "nothing left to scroll";
    ClickButton(eo, IdCancel);
  });
  EXPECT_FALSE(EditAdvancedOptions(copies_.vIPOSt, copies_.vIPOPlt, copies_.vIPOFrm, copies_.vIPOFrmSub,
                                   copies_.vIPOFrmGrp, large, true, true));
}

TEST_F(EOMoreTest, Screenshots_ScrolledToTheMiddleInEachLanguage) {
  Node large(L"RC500");
  for (std::size_t language = 0; language < DictLanguages().size(); ++language) {
    SetCurrentLanguage(language);
    copies_ = EditNodeCopies::Of(large);
    const std::vector<InterfItem> items = ItemsOf(large, true);
    ModalDriver driver([&](wxDialog& d) {
      auto& eo = dynamic_cast<EOMore&>(d);
      eo.OnVScroll(Scroll::SB_THUMBPOSITION, eo.Model().VRange() / 2);
      eo.OnHScroll(Scroll::SB_THUMBPOSITION, eo.Model().HRange() / 2);
      EXPECT_EQ(eo.GetTitle().ToStdWstring(), DictText(CTW_MoreInOpt));
      ExpectTableLayout(eo, items);
      ShootInLanguage(eo, "EOMore_middle");
      ClickButton(eo, IdCancel);
    });
    EXPECT_FALSE(EditAdvancedOptions(copies_.vIPOSt, copies_.vIPOPlt, copies_.vIPOFrm, copies_.vIPOFrmSub,
                                     copies_.vIPOFrmGrp, large, true, true));
  }
  SetCurrentLanguage(0);
}
