// The settings form's answer to the document signal and its paging.
#include <gtest/gtest.h>

#include <algorithm>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/values/ValueText.h"
#include "foundation/values/ValueTypes.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/support/GuiTest.h"
#include "tests/views/form/FormFixture.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

class FormSignalsTest : public FormFixture {
 protected:
  // Forms of an address, oldest first.
  std::vector<IWFrm*> FormsOf(int address) const {
    std::vector<IWFrm*> all = Forms();
    all.erase(std::remove_if(all.begin(), all.end(), [address](IWFrm* f) { return f->Address() != address; }),
              all.end());
    return all;
  }
};

TEST_F(FormSignalsTest, RebuildSignals_CloseTheFormAndOpenANewOneInItsPlace) {
  AddNode(5, L"TC100");
  const DocSignal rebuilds[] = {dsEditInstr, dsLogin, dsLoginSup, dsFontProgram, dsProgramLayout, dsLanguage};
  for (DocSignal s : rebuilds) {
    for (int address : {5, 0}) {
      SCOPED_TRACE(testing::Message() << "signal " << s << " address " << address);
      int freed = 0;
      (new CountedForm(doc_, 5, freed))->OpenWin();
      PumpEvents();
      ASSERT_EQ(Forms().size(), 1u);
      IWFrm* old = Forms()[0];
      formViews_.forms.clear();
      Std().EmitDocSignal(address, s);
      // Deaf at once, gone once the handler has returned.
      EXPECT_FALSE(old->IsConnected());
      EXPECT_EQ(freed, 0);
      Settle();
      EXPECT_EQ(freed, 1);
      EXPECT_EQ(formViews_.forms, std::vector<int>{5});
      ASSERT_EQ(Forms().size(), 1u);
      EXPECT_TRUE(Forms()[0]->IsConnected());
      Forms()[0]->View()->Frame()->Close();
      PumpEvents();
    }
  }
}

TEST_F(FormSignalsTest, RemoveInstr_ClosesEveryFormOfItsAddressOnly) {
  AddNode(5, L"TC100");
  AddNode(6, L"TH200");
  Open(5);
  Open(5);
  Open(6);
  ASSERT_EQ(Forms().size(), 3u);
  formViews_.forms.clear();
  Net().ErasePresent(5);
  Std().EmitDocSignal(5, dsRemoveInstr);
  Settle();
  ASSERT_EQ(Forms().size(), 1u);
  EXPECT_EQ(Forms()[0]->Address(), 6);
  EXPECT_TRUE(formViews_.forms.empty());
}

TEST_F(FormSignalsTest, RemoveInstr_OnTheDocumentsLastWindow_ClosesItAsTheUserWould) {
  AddNode(5, L"TC100");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  // Only the form is left.
  std::vector<wxWindow*> others;
  for (wxObject* view : doc_->GetViews())
    if (view != form->View()) others.push_back(static_cast<wxView*>(view)->GetFrame());
  for (wxWindow* frame : others) frame->Close();
  PumpEvents();
  ASSERT_EQ(doc_->GetViews().size(), 1u);
  Std().SetModified(false);
  Net().ErasePresent(5);
  Std().EmitDocSignal(5, dsRemoveInstr);
  Settle();
  EXPECT_EQ(OpenDoc(), nullptr);
}

TEST_F(FormSignalsTest, SignalsOfOtherAddresses_AreIgnored) {
  AddNode(5, L"TC100");
  AddNode(6, L"TC100");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  for (DocSignal s : {dsRxOk, dsRyKo, dsEditInstr, dsLanguage, dsRemoveInstr}) Std().EmitDocSignal(6, s);
  Settle();
  ASSERT_EQ(Forms().size(), 1u);
  EXPECT_EQ(Forms()[0], form);
  EXPECT_TRUE(form->IsConnected());
  EXPECT_EQ(form->View()->Frame()->StatusPane(0), L"");
}

TEST_F(FormSignalsTest, ResultSignals_ShowTheirTextAndValues_OthersDoNothing) {
  Node& node = AddNode(5, L"TC100");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  const InstrPars pars = node.Type().Pars();
  InstrParValues values = DefaultValues(pars);
  ASSERT_TRUE(TextToValueFmt(*pars[0]->ParRange(), L"4.5", values[0], false));
  ASSERT_TRUE(TextToValueFmt(*pars[8]->ParRange(), L"-2", values[8], false));
  node.LatestReadings(ReadableValues(pars, values));
  node.LatestSettings(SettableValues(pars, values));
  const std::wstring reading = ValueToTextFmt(*pars[0]->ParRange(), values[0], false);
  const std::wstring setting = ValueToTextFmt(*pars[8]->ParRange(), values[8], false);
  const struct {
    DocSignal signal;
    const std::wstring* token;  // null: the status stays as it was
    bool readings, settings;    // rows written
  } cases[] = {
      {dsRxOk, &CTW_RX_OK, true, false},      {dsRxKo, &CTW_RX_KO, false, false},
      {dsRyOk, &CTW_RY_OK, false, true},      {dsRyKo, &CTW_RY_KO, false, false},
      {dsTyOk, &CTW_TY_OK, false, true},      {dsTyKo, &CTW_TY_KO, false, false},
      {dsRgOk, &CTW_RG_OK, true, false},      {dsRgKo, &CTW_RG_KO, false, false},
      {dsRhOk, &CTW_RH_OK, false, true},      {dsRhKo, &CTW_RH_KO, false, false},
      {dsRxEnable, &CTW_ID_EDIT_RX, false, false},
      {dsTick, nullptr, false, false},        {dsPrinted, nullptr, false, false},
      {dsAddInstr, nullptr, false, false},    {dsTimeFormat, nullptr, false, false},
      {dsTraceLine, nullptr, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.signal);
    form->SetRowText(0, L"x");
    form->SetRowText(8, L"y");
    form->SetStatusText(L"before");
    Std().EmitDocSignal(5, c.signal);
    EXPECT_EQ(form->View()->Frame()->StatusPane(0), c.token ? DictText(*c.token) : L"before");
    EXPECT_EQ(ResultText(*form, 5, c.signal), c.token ? DictText(*c.token) : L"");
    EXPECT_EQ(form->RowText(0), c.readings ? reading : L"x");
    EXPECT_EQ(form->RowText(8), c.settings ? setting : L"y");
    ASSERT_EQ(Forms().size(), 1u);
  }
}

TEST_F(FormSignalsTest, PagingButtons_ReopenAtTheTargetAndStayAtEitherEnd) {
  for (int address : {5, 7, 9}) AddNode(address, L"TC100");
  const struct {
    int from;
    unsigned button;
    int to;
  } cases[] = {{5, 9007, 5}, {5, 9006, 5}, {5, 9008, 7}, {7, 9007, 5}, {7, 9006, 5},
               {7, 9009, 9}, {9, 9008, 9}, {9, 9009, 9}, {9, 9007, 7}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " " << c.button);
    IWFrm* form = Open(c.from);
    ASSERT_NE(form, nullptr);
    formViews_.forms.clear();
    EXPECT_TRUE(form->OnCmdMsg(c.button, 0, nullptr));
    Settle();
    EXPECT_EQ(formViews_.forms, std::vector<int>{c.to});
    ASSERT_EQ(Forms().size(), 1u);
    EXPECT_EQ(Forms()[0]->Address(), c.to);
    Forms()[0]->View()->Frame()->Close();
    PumpEvents();
  }
}

TEST_F(FormSignalsTest, ReopenOfAnInstrumentGoneMeanwhile_OpensNothing) {
  AddNode(5, L"TC100");
  AddNode(6, L"TC100");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  EXPECT_TRUE(form->OnCmdMsg(9008, 0, nullptr));
  Net().ErasePresent(6);
  Settle();
  EXPECT_TRUE(Forms().empty());
}

TEST_F(FormSignalsTest, LayoutThenTimeFormat_RebuildsEveryFormInTheNewDurationForm) {
  Node& node = AddNode(5, L"TC100");
  AddNode(6, L"TC100");
  const InstrPars pars = node.Type().Pars();
  std::size_t delay = 0;
  while (!(pars[delay]->ParIsSet() && IsDelay3Range(*pars[delay]->ParRange()))) ++delay;
  InstrParValues values = DefaultValues(pars);
  ASSERT_TRUE(TextToValueFmt(*pars[delay]->ParRange(), L"5400", values[delay], false));
  node.LatestSettings(SettableValues(pars, values));
  Std().SetTmDhms(false);
  Open(5);
  Open(5);
  Open(6);
  for (IWFrm* form : FormsOf(5)) {
    EXPECT_EQ(form->RowText(delay), L"5400");
    EXPECT_EQ(form->FormItems().at(form->Rows()[delay].first - 9010 + 11).cx_, 32);
  }
  // As the format command does it: the layout signal first.
  Std().SetTmDhms(true);
  Std().EmitDocSignal(0, dsProgramLayout);
  Std().EmitDocSignal(0, dsTimeFormat);
  Settle();
  ASSERT_EQ(Forms().size(), 3u);
  for (IWFrm* form : FormsOf(5)) {
    EXPECT_EQ(form->RowText(delay), L"1:30:00");
    EXPECT_EQ(form->FormItems().at(form->Rows()[delay].first - 9010 + 11).cx_, 42);
  }
}

TEST_F(FormSignalsTest, Language_RetitlesThenRebuilds) {
  AddNode(5, L"TC100");
  IWFrm* form = Open(5);
  ASSERT_NE(form, nullptr);
  ChildFrm* frame = form->View()->Frame();
  SetCurrentLanguage(1);
  const std::wstring title = DictText(CTW_Program_Title);
  Std().EmitDocSignal(0, dsLanguage);
  EXPECT_NE(frame->GetTitle().ToStdWstring().find(title), std::wstring::npos);
  Settle();
  ASSERT_EQ(Forms().size(), 1u);
  EXPECT_NE(Forms()[0]->View()->Frame()->GetTitle().ToStdWstring().find(title), std::wstring::npos);
  EXPECT_EQ(Forms()[0]->FormItems()[1].text_, DictText(CTW_Refresh));
  SetCurrentLanguage(0);
}

}  // namespace
