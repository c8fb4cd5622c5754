// Send and save check what the user typed: a refused row stops the command
// with the message and the focus on the row; accepted rows reach the
// instrument as typed or as shown.
#include <gtest/gtest.h>
#include <wx/msgdlg.h>

#include <filesystem>

#include "document/gui/MainFrameBase.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "tests/views/form/FormLineFixture.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

class FormTypedSettingsTest : public FormLineFixture {};

struct TypedCase {
  const wchar_t* par;
  bool dhms;
  const wchar_t* typed;  // null: the row keeps what the form showed
  bool refused;
  const wchar_t* sent;   // the instrument's value afterwards, as printed plainly
};

// RC500: BCAST_ADDR one byte 0 to 247, SP_TEMP -30 to 40, DEFROST_DUR 60 to
// 7200 seconds. The instrument holds 250 in BCAST_ADDR, outside its range.
TEST_F(FormTypedSettingsTest, SendAndSaveRefuseWhatIsNotOneValueInRange_AcceptTheRest) {
  const TypedCase cases[] = {
      {L"BCAST_ADDR", false, L"300", true, nullptr},
      {L"SP_TEMP", false, L"12a", true, nullptr},
      {L"SP_TEMP", false, L"", true, nullptr},
      {L"SP_TEMP", false, L"-30.1", true, nullptr},
      {L"SP_TEMP", false, L"40.1", true, nullptr},
      {L"SP_TEMP", false, L"-30", false, L"-30"},
      {L"SP_TEMP", false, L"40", false, L"40"},
      {L"DEFROST_DUR", false, L"1:30", true, nullptr},
      {L"DEFROST_DUR", false, L"90", false, L"90"},
      {L"DEFROST_DUR", true, L"abc", true, nullptr},
      {L"DEFROST_DUR", true, L"1:30", false, L"90"},
      {L"DEFROST_DUR", true, L"2:00:00", false, L"7200"},
      {L"BCAST_ADDR", false, L"247", false, L"247"},
      {L"BCAST_ADDR", false, L"0", false, L"0"},
      {L"BCAST_ADDR", false, nullptr, false, L"250"},
  };
  for (const TypedCase& c : cases) {
    SCOPED_TRACE(ToUtf8(std::wstring(c.par) + L" \"" + (c.typed ? c.typed : L"(as shown)") + L"\"" +
                        (c.dhms ? L" as duration" : L"")));
    Net().EraseIfPresent(Address);
    Std().SetTmDhms(c.dhms);
    Node& node = Place(L"RC500", {{L"BCAST_ADDR", L"250"}, {L"DEFROST_DUR", L"600"}, {L"SP_TEMP", L"4"}});
    IWFrm* form = Open(Address);
    ASSERT_NE(form, nullptr);
    main_->Raise();
    ReceiveSettings(form);
    const std::size_t row = Row(form, c.par);
    if (c.typed) Edit(form, row)->SetValue(c.typed);
    const int writes = line_.Sim().CompletedWrites(Address);
    files_.asked.clear();
    std::filesystem::remove(std::filesystem::path(files_.path));

    for (unsigned command : {9003u, 9004u}) {
      SCOPED_TRACE(command);
      std::wstring message;
      ModalDriver driver([&](wxDialog& box) {
        if (auto* m = dynamic_cast<wxMessageDialogBase*>(&box)) message = m->GetMessage().ToStdWstring();
        box.EndModal(wxID_OK);
      });
      form->SetStatusText(L"");
      ASSERT_TRUE(form->OnCmdMsg(command, 0, nullptr));
      PumpEvents();
      EXPECT_EQ(driver.Acted(), c.refused);
      if (c.refused) {
        EXPECT_NE(message.find(L"\"" + node.OptFrm()[row].frmTextOpt_ + L"\""), std::wstring::npos) << ToUtf8(message);
        EXPECT_EQ(wxWindow::FindFocus(), Control(form, form->Rows()[row].first));
        EXPECT_TRUE(Std().NetOpt().NoJobs());
        EXPECT_TRUE(files_.asked.empty());
      } else if (command == 9003) {
        ASSERT_TRUE(AwaitStatus(form));
        EXPECT_EQ(Status(form), DictText(CTW_TY_OK));
      }
    }
    if (c.refused) {
      RunFor(std::chrono::milliseconds(200));
      EXPECT_EQ(line_.Sim().CompletedWrites(Address), writes);
      EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(files_.path)));
    } else {
      EXPECT_EQ(line_.Sim().CompletedWrites(Address), writes + 1);
      EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(files_.path)));
      const InstrPars settable = SettablePars(node.Type().Pars());
      const InstrParValues held = line_.Sim().SettingsValues(Address, node.Type().Pars());
      for (std::size_t k = 0; k < settable.size(); ++k) {
        if (settable[k]->ParID() == c.par) {
          EXPECT_EQ(ValueToTextFmt(*settable[k]->ParRange(), held[k], false), c.sent);
        }
      }
    }
    form->View()->Frame()->Close();
    PumpEvents();
  }
}

}  // namespace
