// The settings form in its program view: the display of values, the road
// of commands, the view's ownership of the form, and screenshots.
#include <gtest/gtest.h>

#include <boost/any.hpp>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestCatalogue.h"
#include "tests/views/form/FormFixture.h"
#include "views/dialogs/DialogBuilder.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

// Values of the type's parameters, read from one text each (an empty text
// keeps the default).
InstrParValues ValuesOf(const Node& node, const std::vector<std::wstring>& texts) {
  const InstrPars pars = node.Type().Pars();
  InstrParValues values = DefaultValues(pars);
  for (std::size_t i = 0; i < pars.size() && i < texts.size(); ++i) {
    if (!texts[i].empty()) {
      EXPECT_TRUE(TextToValueFmt(*pars[i]->ParRange(), texts[i], values[i], false));
    }
  }
  return values;
}

class FormWindowTest : public FormFixture {};

// F0 Tper R, F1 Hmty S, F2 Bit R, F3 UChr S, F4 Del3 neither, F5 Hmty RS.
TEST_F(FormWindowTest, Display_StarsBeforeValues_ThenReadingsThenSettings_DotKept) {
  Node& node = AddNode(5, SparseFrameType);
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  const std::vector<std::wstring> before = {L"***", L"***", L"1", L"***", L".", L"***"};
  for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(form->RowText(i), before[i]) << i;
  EXPECT_EQ(Box(form, 2)->Get3StateValue(), wxCHK_UNDETERMINED);
  EXPECT_FALSE(form->IsValidSetForm());

  const InstrPars pars = node.Type().Pars();
  const InstrParValues readings = ValuesOf(node, {L"12.5", L"", L"1", L"", L"", L"40"});
  node.LatestReadings(ReadableValues(pars, readings));
  ASSERT_TRUE(form->OnCmdMsg(9000, 0, nullptr));
  const auto text = [&](std::size_t i, const InstrParValues& v) {
    return ValueToTextFmt(*pars[i]->ParRange(), v[i], false);
  };
  EXPECT_EQ(form->RowText(0), text(0, readings));
  EXPECT_EQ(form->RowText(1), L"***");
  EXPECT_EQ(Box(form, 2)->Get3StateValue(), wxCHK_CHECKED);
  EXPECT_EQ(form->RowText(4), L".");
  // Written by both, the settings last: none stored yet.
  EXPECT_EQ(form->RowText(5), L"***");
  EXPECT_FALSE(form->IsValidSetForm());

  const InstrParValues settings = ValuesOf(node, {L"", L"55", L"", L"7", L"", L"60"});
  node.LatestSettings(SettableValues(pars, settings));
  ASSERT_TRUE(form->OnCmdMsg(9000, 0, nullptr));
  EXPECT_EQ(form->RowText(1), text(1, settings));
  EXPECT_EQ(form->RowText(3), text(3, settings));
  // Written by both: the settings come last.
  EXPECT_EQ(form->RowText(5), text(5, settings));
  EXPECT_EQ(form->RowText(4), L".");
  EXPECT_TRUE(form->IsValidSetForm());
  // A readings signal writes the row again with the reading.
  Std().EmitDocSignal(5, dsRxOk);
  EXPECT_EQ(form->RowText(5), text(5, node.Values()));
}

TEST_F(FormWindowTest, Display_IndeterminateBoxReadsOneAndCheckedStatesFollowTheText) {
  AddNode(5, SparseFrameType);
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  const struct {
    std::wstring text;
    wxCheckBoxState state;
    std::wstring reads;
  } cases[] = {{L"***", wxCHK_UNDETERMINED, L"1"},
               {L"1", wxCHK_CHECKED, L"1"},
               {L"0", wxCHK_UNCHECKED, L"0"},
               {L"x", wxCHK_UNCHECKED, L"0"}};
  for (const auto& c : cases) {
    form->SetRowText(2, c.text);
    EXPECT_EQ(Box(form, 2)->Get3StateValue(), c.state);
    EXPECT_EQ(form->RowText(2), c.reads);
  }
}

TEST_F(FormWindowTest, EditGetSettings_ReadsTheRowsLeniently_AndFailsWithoutSettings) {
  Node& node = AddNode(5, SparseFrameType);
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  EXPECT_THROW(form->EditGetSettings(), std::exception);
  const InstrPars pars = node.Type().Pars();
  node.LatestSettings(SettableValues(pars, ValuesOf(node, {L"", L"55", L"", L"7", L"", L"60"})));
  ASSERT_TRUE(form->OnCmdMsg(9000, 0, nullptr));
  // What the parse leaves of a typo: the form sends this only as shown.
  form->SetRowText(3, L"12a");
  const InstrParValues settings = form->EditGetSettings();
  const InstrPars settable = SettablePars(pars);
  ASSERT_EQ(settings.size(), settable.size());
  EXPECT_EQ(ValueToTextFmt(*settable[0]->ParRange(), settings[0], false), L"55");
  EXPECT_EQ(ValueToTextFmt(*settable[1]->ParRange(), settings[1], false), L"12");
  EXPECT_EQ(ValueToTextFmt(*settable[2]->ParRange(), settings[2], false), L"60");
}

TEST_F(FormWindowTest, Controls_SitAtTheirConvertedRectanglesInTheFormsFont) {
  AddNode(5, L"RC500");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  wxWindow* panel = form->Panel();
  const std::vector<InterfItem>& items = form->FormItems();
  EXPECT_EQ(panel->GetFont().GetPointSize(), DialogFont(items[0]).GetPointSize());
  for (std::size_t i = 1; i < items.size(); ++i) {
    wxWindow* control = Control(form, items[i].id_);
    ASSERT_NE(control, nullptr) << items[i].id_;
    EXPECT_EQ(control->GetRect(), DialogRectToPixels(*panel, items[i])) << items[i].id_;
  }
  // The panel holds the whole form; the scrolled window scrolls over it.
  const wxSize size = DialogSizeToPixels(*panel, items[0]);
  EXPECT_EQ(panel->GetSize(), size);
  const wxSize virtualSize = form->View()->Scroller()->GetVirtualSize();
  EXPECT_GE(virtualSize.x, size.x);
  EXPECT_GE(virtualSize.y, size.y);
}

TEST_F(FormWindowTest, Commands_FormAnswersOnlyItsButtons_OthersGoToViewAndDocument) {
  AddNode(5, SparseFrameType);
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  PrgView* view = form->View();
  const CommandRoute route = BuildRoute(view, &view->Frame()->Target(), &main_->Target(), &ApplicationTarget());
  for (int id = 9000; id <= 9009; ++id) EXPECT_EQ(FindCommandTarget(route, id), &form->Target()) << id;
  using namespace Platform;
  for (int id : {ID_FILE_SAVE, ID_EDIT_ADD, ID_EDIT_RX, ID_RUN_GUI_TASKS})
    EXPECT_EQ(FindCommandTarget(route, id), &doc_->Target()) << id;
  // No print command on this view.
  EXPECT_EQ(FindCommandTarget(route, ID_FILE_PRINT), nullptr);
  EXPECT_FALSE(QueryCommandState(route, ID_FILE_PRINT).enabled);
  EXPECT_FALSE(form->OnCmdMsg(ID_FILE_SAVE, 0, nullptr));
  EXPECT_FALSE(form->OnCmdMsg(8999, 0, nullptr));
  EXPECT_FALSE(form->OnCmdMsg(9010, 0, nullptr));
  // Send and save without settings do nothing and still answer.
  EXPECT_TRUE(form->OnCmdMsg(9003, 0, nullptr));
  EXPECT_TRUE(form->OnCmdMsg(9004, 0, nullptr));
  EXPECT_TRUE(Std().NetOpt().NoJobs());
  // A click on a button takes the same road.
  wxCommandEvent click(wxEVT_BUTTON, Platform::ToWxId(9002));
  click.SetEventObject(Control(form, 9002));
  Control(form, 9002)->GetEventHandler()->ProcessEvent(click);
  EXPECT_FALSE(Std().NetOpt().NoJobs());
}

TEST_F(FormWindowTest, StartValueWithoutAForm_FailsBeforeAnyWindowExists) {
  AddNode(5, SparseFrameType);
  const int children = ChildCount();
  const std::size_t views = doc_->GetViews().size();
  const std::size_t windows = wxTopLevelWindows.size();
  MyCMultiDocTemplate* tpl = templates_->TplPrg();
  for (const boost::any& start : {boost::any(), boost::any(42), boost::any(static_cast<InstrWin*>(nullptr))}) {
    EXPECT_THROW(tpl->CreateNewFrameEx(doc_, nullptr, start), boost::bad_any_cast);
    PumpEvents();
    EXPECT_EQ(ChildCount(), children);
    EXPECT_EQ(doc_->GetViews().size(), views);
    EXPECT_EQ(wxTopLevelWindows.size(), windows);
  }
}

TEST_F(FormWindowTest, ClosedFrame_FormIsFreedAndHearsNoSignal) {
  AddNode(5, SparseFrameType);
  int freed = 0;
  (new CountedForm(doc_, 5, freed))->OpenWin();
  PumpEvents();
  ASSERT_EQ(Forms().size(), 1u);
  IWFrm* form = Forms()[0];
  EXPECT_TRUE(form->IsConnected());
  const int children = ChildCount();
  form->View()->Frame()->Close();
  PumpEvents();
  EXPECT_EQ(freed, 1);
  EXPECT_TRUE(Forms().empty());
  EXPECT_EQ(ChildCount(), children - 1);
  // Nothing left to reach: the signal finds no form.
  Std().EmitDocSignal(5, dsRxOk);
  Std().EmitDocSignal(0, dsTick);
  EXPECT_EQ(freed, 1);
}

TEST_F(FormWindowTest, FormThatNoViewTook_IsFreedAndNothingShown) {
  AddNode(5, SparseFrameType);
  int freed = 0;
  const int children = ChildCount();
  MyCMultiDocTemplate* tpl = templates_->TplPrg();
  templates_->TplPrg() = nullptr;
  (new CountedForm(doc_, 5, freed))->OpenWin();
  templates_->TplPrg() = tpl;
  PumpEvents();
  EXPECT_EQ(freed, 1);
  EXPECT_EQ(ChildCount(), children);
}

TEST_F(FormWindowTest, Opening_TitlesTheFrameAndClearsTheStatus) {
  Node& node = AddNode(5, SparseFrameType);
  NodeOpt opt = node.Opt();
  opt.nm_ = std::wstring(L"Cold room");
  node.SetOpt(opt);
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  ChildFrm* frame = form->View()->Frame();
  EXPECT_EQ(frame->GetTitle().ToStdWstring(),
            doc_->GetTitle().ToStdWstring() + DictText(CTW_Program_Title) + L"Cold room");
  EXPECT_EQ(frame->StatusPane(0), L"");
  EXPECT_TRUE(form->IsConnected());
  // Each opening is one more form, also of the same instrument.
  Open(5);
  EXPECT_EQ(Forms().size(), 2u);
}

struct ShotCase {
  const char* name;
  std::size_t language;
  bool supervisor;
  bool dhms;
};

TEST_F(FormWindowTest, Screenshots_LargestTypeInEachLanguageAccessAndDurationFormat) {
  const ShotCase cases[] = {
      {"form_en_sup_dhms", 0, true, true},    {"form_en_sup_plain", 0, true, false},
      {"form_en_user_dhms", 0, false, true},  {"form_en_user_plain", 0, false, false},
      {"form_it_sup_dhms", 1, true, true},    {"form_it_sup_plain", 1, true, false},
      {"form_it_user_dhms", 1, false, true},  {"form_it_user_plain", 1, false, false},
  };
  // The largest shipped type.
  std::wstring largest;
  std::size_t most = 0;
  for (const std::wstring& code : InstrCodes()) {
    if (code.rfind(L"TST_", 0) == 0) continue;
    const std::size_t n = Node(code).Type().Pars().size();
    if (n > most) most = n, largest = code;
  }
  Node& node = AddNode(12, largest);
  const InstrPars pars = node.Type().Pars();
  InstrParValues values = DefaultValues(pars);
  node.LatestReadings(ReadableValues(pars, values));
  node.LatestSettings(SettableValues(pars, values));
  // A user sees the rows marked for users: every other one here.
  for (std::size_t i = 0; i < node.OptFrm().size(); i += 2) node.OptFrm()[i].frmDefOpt_ = false;
  for (const ShotCase& c : cases) {
    SCOPED_TRACE(c.name);
    SetCurrentLanguage(c.language);
    Std().SetPassSup(c.supervisor ? L"" : L"sup");
    Std().SetTmDhms(c.dhms);
    IWFrm* form = Open(12);
    ASSERT_NE(form, nullptr);
    const std::vector<InterfItem>& items = form->FormItems();
    EXPECT_EQ(items[1].text_, DictText(CTW_Refresh));
    for (std::size_t i = 1; i < items.size(); ++i)
      EXPECT_EQ(Control(form, items[i].id_)->GetRect(), DialogRectToPixels(*form->Panel(), items[i]));
    EXPECT_FALSE(SaveWindowShot(*main_, c.name).empty());
    form->View()->Frame()->Close();
    PumpEvents();
  }
  SetCurrentLanguage(0);
}

}  // namespace
