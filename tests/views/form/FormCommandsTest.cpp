// The settings form's buttons against a simulated instrument, run by the
// document's own queue and executor: what the form shows, what reaches the
// node and the instrument, and the settings files.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <thread>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueText.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/SettingsFiles.h"
#include "tests/support/GuiTest.h"
#include "tests/support/LineFixture.h"
#include "tests/views/form/FormLineFixture.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

class FormCommandsTest : public FormLineFixture {};

struct ReceiveCase {
  const char* name;
  unsigned button;
  bool silent;
  const std::wstring* token;
  const wchar_t* row;  // a parameter the answer fills
};

TEST_F(FormCommandsTest, Receive_ShowsTheAnswerAndItsText_ASilentInstrumentLeavesTheValues) {
  const ReceiveCase cases[] = {
      {"readings", 9001, false, &CTW_RX_OK, L"T_ROOM"},
      {"silent readings", 9001, true, &CTW_RX_KO, L"T_ROOM"},
      {"settings", 9002, false, &CTW_RY_OK, L"SP_TEMP"},
      {"silent settings", 9002, true, &CTW_RY_KO, L"SP_TEMP"},
  };
  Node& node = Place(L"TC100", {{L"T_ROOM", L"4.5"}, {L"SP_TEMP", L"-2.5"}});
  for (const ReceiveCase& c : cases) {
    SCOPED_TRACE(c.name);
    IWFrm* form = Open(Address);
    ASSERT_NE(form, nullptr);
    const std::size_t row = Row(form, c.row);
    const std::wstring before = form->RowText(row);
    const bool hadSettings = node.HasSettings();
    if (c.silent) line_.Sim().ArmFault(Simulator::Fault::silence, Simulator::InstrumentSimulator::forever);
    ASSERT_TRUE(form->OnCmdMsg(c.button, 0, nullptr));
    ASSERT_TRUE(AwaitStatus(form));
    EXPECT_EQ(Status(form), DictText(*c.token));
    if (c.silent) {
      EXPECT_EQ(form->RowText(row), before);
      EXPECT_EQ(node.HasSettings(), hadSettings);
    } else {
      EXPECT_EQ(form->RowText(row), c.button == 9001 ? L"4.5" : L"-2.5");
      EXPECT_EQ(form->IsValidSetForm(), c.button == 9002 || hadSettings);
    }
    line_.Sim().ClearFaults();
    form->View()->Frame()->Close();
    PumpEvents();
  }
  // A request changes nothing of the link or the schedule.
  EXPECT_EQ(static_cast<Node::InstrLink>(node.State().link_), Node::to_check);
}

TEST_F(FormCommandsTest, TwoFormsOfOneInstrument_BothShowEithersResult) {
  Place(L"TC100", {{L"T_ROOM", L"-1.5"}});
  IWFrm* first = Open(Address);
  IWFrm* second = Open(Address);
  ASSERT_NE(first, second);
  ASSERT_TRUE(second->OnCmdMsg(9001, 0, nullptr));
  ASSERT_TRUE(AwaitStatus(first));
  for (IWFrm* form : {first, second}) {
    EXPECT_EQ(Status(form), DictText(CTW_RX_OK));
    EXPECT_EQ(form->RowText(Row(form, L"T_ROOM")), L"-1.5");
  }
}

TEST_F(FormCommandsTest, SendBeforeAnySettings_QueuesNothing) {
  Place(L"TC100", {});
  IWFrm* form = Open(Address);
  ASSERT_FALSE(form->IsValidSetForm());
  ASSERT_TRUE(form->OnCmdMsg(9003, 0, nullptr));
  EXPECT_TRUE(Std().NetOpt().NoJobs());
  RunFor(std::chrono::milliseconds(300));
  EXPECT_EQ(line_.Sim().CompletedWrites(Address), 0);
  EXPECT_EQ(Status(form), L"");
}

TEST_F(FormCommandsTest, SendAfterEditing_LeavesTheValuesInTheInstrumentAndTheNodeWithTheOwnAddress) {
  Node& node = Place(L"TC100", {{L"SP_TEMP", L"3.5"}, {L"NET_ADDR", L"99"}});
  IWFrm* form = Open(Address);
  ReceiveSettings(form);
  EXPECT_EQ(form->RowText(Row(form, L"NET_ADDR")), L"99");
  Edit(form, Row(form, L"SP_TEMP"))->SetValue(L"12.5");
  form->SetStatusText(L"");
  ASSERT_TRUE(form->OnCmdMsg(9003, 0, nullptr));
  ASSERT_TRUE(AwaitStatus(form));
  EXPECT_EQ(Status(form), DictText(CTW_TY_OK));
  EXPECT_EQ(line_.Sim().CompletedWrites(Address), 1);
  const InstrParValues inInstrument = line_.Sim().SettingsValues(Address, node.Type().Pars());
  const InstrPars pars = node.Type().Pars();
  InstrParValues all = node.Values();
  EXPECT_EQ(Shown(node, L"SP_TEMP", all), L"12.5");
  EXPECT_EQ(Shown(node, L"NET_ADDR", all), L"7");
  const InstrPars settable = SettablePars(pars);
  for (std::size_t k = 0; k < settable.size(); ++k) {
    const std::wstring id = settable[k]->ParID();
    if (id == L"SP_TEMP") {
      EXPECT_EQ(ValueToTextFmt(*settable[k]->ParRange(), inInstrument[k], false), L"12.5");
    }
    if (id == L"NET_ADDR") {
      EXPECT_EQ(ValueToTextFmt(*settable[k]->ParRange(), inInstrument[k], false), L"7");
    }
  }
  EXPECT_EQ(form->RowText(Row(form, L"SP_TEMP")), L"12.5");
  EXPECT_EQ(form->RowText(Row(form, L"NET_ADDR")), L"7");
}

TEST_F(FormCommandsTest, SaveThenLoad_AsSupervisorShowsTheFileWithTheOwnAddress) {
  Place(L"TC100", {{L"SP_TEMP", L"3.5"}, {L"NET_ADDR", L"99"}});
  IWFrm* form = Open(Address);
  // Save needs settings to save.
  ASSERT_TRUE(form->OnCmdMsg(9004, 0, nullptr));
  EXPECT_TRUE(files_.asked.empty());
  ReceiveSettings(form);
  Edit(form, Row(form, L"SP_TEMP"))->SetValue(L"-8");
  ASSERT_TRUE(form->OnCmdMsg(9004, 0, nullptr));
  ASSERT_EQ(files_.asked.size(), 1u);
  EXPECT_EQ(files_.asked[0], L"007_TC100.qzis save");
  ASSERT_TRUE(std::filesystem::exists(std::filesystem::path(files_.path)));
  // Refresh puts back what the node holds; load shows the file, unsent.
  ASSERT_TRUE(form->OnCmdMsg(9000, 0, nullptr));
  EXPECT_EQ(form->RowText(Row(form, L"SP_TEMP")), L"3.5");
  ASSERT_TRUE(form->OnCmdMsg(9005, 0, nullptr));
  EXPECT_EQ(files_.asked.back(), L"007_TC100.qzis open");
  EXPECT_EQ(form->RowText(Row(form, L"SP_TEMP")), L"-8");
  EXPECT_EQ(form->RowText(Row(form, L"NET_ADDR")), L"7");
  EXPECT_TRUE(form->IsValidSetForm());
  EXPECT_EQ(line_.Sim().CompletedWrites(Address), 0);
  EXPECT_EQ(files_.empty, 0);
}

struct LoadCase {
  const char* name;
  bool stored;     // the node holds settings before the load
  bool free;       // SP_TEMP may be changed by a user
  bool shown;      // the load shows anything
  const wchar_t* spTemp;  // SP_TEMP after the load
};

TEST_F(FormCommandsTest, LoadAsUser_MixesFreeRowsIntoTheStoredOnes_OrShowsNothingWithoutThem) {
  const LoadCase cases[] = {
      {"no stored settings", false, true, false, L"***"},
      {"stored, not free", true, false, true, L"3.5"},
      {"stored, free", true, true, true, L"-8"},
  };
  Node& node = Place(L"TC100", {{L"SP_TEMP", L"3.5"}, {L"DIFF_TEMP", L"2"}, {L"NET_ADDR", L"7"}});
  // The file: the instrument's settings with another set point.
  {
    IWFrm* form = Open(Address);
    ReceiveSettings(form);
    Edit(form, Row(form, L"SP_TEMP"))->SetValue(L"-8");
    Edit(form, Row(form, L"DIFF_TEMP"))->SetValue(L"4");
    ASSERT_TRUE(form->OnCmdMsg(9004, 0, nullptr));
    form->View()->Frame()->Close();
    PumpEvents();
  }
  const InstrParValues stored = node.Values();
  Std().SetPassSup(L"sup");
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    Net().ErasePresent(Address);
    Node& fresh = AddNode(Address, L"TC100");
    if (c.stored) fresh.LatestSettings(SettableValues(fresh.Type().Pars(), stored));
    for (std::size_t i = 0; i < fresh.OptFrm().size(); ++i)
      fresh.OptFrm()[i].frmFreeOpt_ = c.free && fresh.Type().Pars()[i]->ParID() == L"SP_TEMP";
    IWFrm* form = Open(Address);
    const bool validBefore = form->IsValidSetForm();
    ASSERT_TRUE(form->OnCmdMsg(9005, 0, nullptr));
    EXPECT_EQ(form->RowText(Row(form, L"SP_TEMP")), c.spTemp);
    // Not free: the stored value stays, whatever the file says.
    if (c.shown) {
      EXPECT_EQ(form->RowText(Row(form, L"DIFF_TEMP")), L"2");
    }
    EXPECT_EQ(form->IsValidSetForm(), c.shown || validBefore);
    form->View()->Frame()->Close();
    PumpEvents();
  }
  EXPECT_EQ(files_.empty, 0) << ToUtf8(errors_.Text());
}

TEST_F(FormCommandsTest, LoadCancelledOrOfAnotherType_ChangesNothing) {
  Place(L"TC100", {{L"SP_TEMP", L"3.5"}});
  IWFrm* form = Open(Address);
  ReceiveSettings(form);
  Edit(form, Row(form, L"SP_TEMP"))->SetValue(L"1");
  files_.path.clear();
  ASSERT_TRUE(form->OnCmdMsg(9005, 0, nullptr));
  EXPECT_EQ(form->RowText(Row(form, L"SP_TEMP")), L"1");
  const int boxes = files_.empty;
  // A file of another type: the empty box, nothing shown.
  AddNode(Address + 1, L"TH200");
  Net().GetPresent(Address + 1).LatestSettings(SettableValues(
      Net().GetPresent(Address + 1).Type().Pars(), DefaultValues(Net().GetPresent(Address + 1).Type().Pars())));
  files_.path = dir_.Wide() + L"/other.qzis";
  IWFrm* other = Open(Address + 1);
  ASSERT_TRUE(other->OnCmdMsg(9004, 0, nullptr));
  ASSERT_TRUE(form->OnCmdMsg(9005, 0, nullptr));
  EXPECT_EQ(files_.empty, boxes + 1) << ToUtf8(errors_.Text());
  EXPECT_EQ(form->RowText(Row(form, L"SP_TEMP")), L"1");
}

}  // namespace
