// The settings form under the real mouse and keyboard of the display:
// three-state boxes and the tab order.
#include <gtest/gtest.h>
#include <wx/uiaction.h>

#include <set>

#include "document/QziDocIStd.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/values/ValueTypes.h"
#include "platform/gui/CommandIds.h"
#include "tests/support/GuiTest.h"
#include "tests/views/form/FormFixture.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

class FormInputTest : public FormFixture {
 protected:
  void Click(wxWindow* window) {
    wxUIActionSimulator mouse;
    const wxRect r = window->GetScreenRect();
    mouse.MouseMove(r.x + r.width / 2, r.y + r.height / 2);
    PumpEvents();
    mouse.MouseClick();
    PumpEvents();
    wxMilliSleep(30);
    PumpEvents();
  }
};

// TC100: EN_DEFROST (settable, its partner DEFROST_ELEC), OUT_COOL (readable).
TEST_F(FormInputTest, EditableBoxCyclesThroughThreeStates_ReadOnlyBoxKeepsItsState) {
  AddNode(5, L"TC100");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  main_->Raise();
  PumpEvents();
  const std::size_t editable = FindRow(form, [](const InstrParPure& p) { return p.ParIsBitMain(); });
  const std::size_t readOnly = FindRow(form, [](const InstrParPure& p) { return p.ParIsRead() && p.ParRange()->BitCount() == 1; });
  wxCheckBox* box = Box(form, editable);
  ASSERT_NE(box, nullptr);
  std::set<int> seen;
  const wxCheckBoxState start = box->Get3StateValue();
  for (int k = 0; k < 3; ++k) {
    seen.insert(box->Get3StateValue());
    Click(box);
  }
  EXPECT_EQ(seen.size(), 3u);
  EXPECT_EQ(box->Get3StateValue(), start);

  wxCheckBox* fixed = Box(form, readOnly);
  ASSERT_NE(fixed, nullptr);
  for (wxCheckBoxState state : {wxCHK_UNDETERMINED, wxCHK_CHECKED, wxCHK_UNCHECKED}) {
    fixed->Set3StateValue(state);
    Click(fixed);
    EXPECT_EQ(fixed->Get3StateValue(), state);
  }
}

TEST_F(FormInputTest, TabFollowsTheItemOrder_AndLeavesAStarredDurationAsItIs) {
  Std().SetTmDhms(true);
  AddNode(5, L"TC100");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  main_->Raise();
  PumpEvents();
  const std::size_t delay = FindRow(form, [](const InstrParPure& p) { return p.ParIsSet() && IsDelay3Range(*p.ParRange()); });
  wxTextCtrl* edit = Edit(form, delay);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetValue(), L"***");
  edit->SetFocus();
  PumpEvents();
  ASSERT_EQ(wxWindow::FindFocus(), edit);
  // The next control that takes the focus, in the items' order.
  const std::vector<InterfItem>& items = form->FormItems();
  std::size_t at = 0;
  while (items[at].id_ != form->Rows()[delay].first) ++at;
  std::vector<int> expected;
  for (std::size_t i = at + 1; i < items.size() && expected.size() < 3; ++i)
    if (items[i].atom_ != 0x0082) expected.push_back(items[i].id_);
  wxUIActionSimulator keys;
  for (int id : expected) {
    keys.Char(WXK_TAB);
    PumpEvents();
    wxMilliSleep(30);
    PumpEvents();
    wxWindow* focus = wxWindow::FindFocus();
    ASSERT_NE(focus, nullptr);
    ASSERT_EQ(focus->GetParent(), form->Panel()) << focus->GetClassInfo()->GetClassName() << " " << focus->GetId();
    EXPECT_EQ(Platform::FromWxId(focus->GetId()), id);
  }
  EXPECT_EQ(edit->GetValue(), L"***");
  EXPECT_EQ(form->RowText(delay), L"***");
  // Back with Shift+Tab; round from the last stop to the first button.
  keys.Char(WXK_TAB, wxMOD_SHIFT);
  PumpEvents();
  EXPECT_EQ(Platform::FromWxId(wxWindow::FindFocus()->GetId()), expected[expected.size() - 2]);
  std::size_t last = items.size() - 1;
  while (items[last].atom_ == 0x0082) --last;
  Control(form, items[last].id_)->SetFocus();
  PumpEvents();
  keys.Char(WXK_TAB);
  PumpEvents();
  EXPECT_EQ(Platform::FromWxId(wxWindow::FindFocus()->GetId()), 9000);
}

}  // namespace
