// Every text of every dialog and of the settings form of each shipped type,
// in every language, shows whole: the controls are converted with the font
// they use and grow where a text needs more room.
#include <gtest/gtest.h>
#include <wx/dialog.h>

#include <functional>
#include <string>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DlgLanguage.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/DocDouble.h"
#include "tests/support/GuiTest.h"
#include "tests/views/dialogs/DialogDrive.h"
#include "tests/views/dialogs/LabelFit.h"
#include "tests/views/form/FormFixture.h"
#include "views/dialogs/DlgScroll.h"
#include "views/dialogs/EOMore.h"
#include "views/dialogs/FromToPick.h"
#include "views/dialogs/InstrEdit.h"
#include "views/dialogs/InstrEditGlobal.h"
#include "views/dialogs/InstrPick.h"
#include "views/dialogs/InstrType.h"
#include "views/dialogs/MFCInputDlg.h"
#include "views/dialogs/Passwords.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

std::wstring Joined(const std::vector<std::wstring>& texts) {
  std::wstring all;
  for (const std::wstring& t : texts) all += t + L"\n";
  return all;
}

// The window that holds the dialog's controls.
wxWindow& ControlsOf(wxDialog& d) {
  if (auto* scrolled = dynamic_cast<Scroll::DlgScroll*>(&d)) return scrolled->Content();
  return d;
}

class LabelFitTest : public FormFixture {
 protected:
  // Opens the dialog through its runner, checks it once shown and cancels it.
  void ExpectWhole(const std::string& name, const std::function<void()>& run) {
    SCOPED_TRACE(name);
    bool checked = false;
    ModalDriver driver([&](wxDialog& d) {
      PumpEvents();
      d.Update();
      PumpEvents();
      const std::vector<std::wstring> cut = CutTexts(ControlsOf(d));
      EXPECT_TRUE(cut.empty()) << wxString(Joined(cut));
      ShootInLanguage(d, "fit_" + name);
      checked = true;
      d.EndModal(wxID_CANCEL);
    });
    run();
    EXPECT_TRUE(checked);
  }
};

TEST_F(LabelFitTest, EveryDialog_ShowsItsTextsWholeInEachLanguage) {
  AddNode(5, InstrCodes().front());
  for (std::size_t language = 0; language < DictLanguages().size(); ++language) {
    SetCurrentLanguage(language);
    TestSupport::DocDouble doc;
    doc.NetOpt().Network().InsertNew(3, Node(InstrCodes().front()));
    ExpectWhole("InstrPick", [&] { PickInstrument(doc, 2); });
    ExpectWhole("InstrType", [&] { PickInstrType(InstrCodes()); });
    ExpectWhole("FromToPick", [&] {
      std::time_t from = 0, to = 0;
      bool follow = false;
      PickFromTo(&from, &to, &follow);
    });
    ExpectWhole("GlobalOptions", [&] { EditGlobalOptions(doc.NetOpt()); });
    for (bool dhms : {false, true})
      ExpectWhole(dhms ? "InstrEdit_dhms" : "InstrEdit", [&] { EditNode(doc.NetOpt().Network(), 3, true, dhms); });
    ExpectWhole("EOMore", [&] {
      Node& node = doc.NetOpt().Network().GetPresent(3);
      auto st = node.OptSt();
      auto plt = node.OptPlt();
      auto frm = node.OptFrm();
      auto sub = node.OptFrmSub();
      auto grp = node.OptFrmGrp();
      EditAdvancedOptions(st, plt, frm, sub, grp, node, true, false);
    });
    ExpectWhole("Password", [&] { CheckPassword(L"secret"); });
    ExpectWhole("NewPassword", [&] { ChangePassword(L"secret"); });
    ExpectWhole("Language", [&] {
      int index = static_cast<int>(language);
      SelectLanguage(&index);
    });
    const std::wstring* inputs[] = {&CTW_ID_EDIT_ROWSPERCOLUMN, &CTW_Gr_Line_Thickness, &CTW_Gr_Date_Angle,
                                    &CTW_Date_Format, &CTW_Gph_Nr_Fmt};
    for (const std::wstring* token : inputs) {
      ExpectWhole("Input_" + wxString(*token).ToStdString(), [&] {
        std::wstring out;
        RunInputDlg(L"1", L"1", &out, DictText(*token), DictText(*token), DictText(CTW_OK), DictText(CTW_Cancel),
                    DictText(CTW_Default));
      });
    }
  }
  SetCurrentLanguage(0);
}

TEST_F(LabelFitTest, SettingsFormOfEveryShippedType_ShowsItsLabelsWholeInEachLanguage) {
  int address = 20;
  for (std::size_t language = 0; language < DictLanguages().size(); ++language) {
    for (const std::wstring& code : InstrCodes()) {
      if (code.rfind(L"TST_", 0) == 0) continue;
      SetCurrentLanguage(language);
      const std::string name = "fit_form_" + wxString(code).ToStdString() + "_" +
                               wxString(DictLanguages()[language].first).ToStdString();
      SCOPED_TRACE(name);
      Std().SetPassSup(L"");
      AddNode(++address, code);
      IWFrm* form = Open(address);
      ASSERT_NE(form, nullptr);
      PumpEvents();
      const std::vector<std::wstring> cut = CutTexts(*form->Panel());
      EXPECT_TRUE(cut.empty()) << wxString(Joined(cut));
      EXPECT_FALSE(SaveWindowShot(*main_, name).empty());
      form->View()->Frame()->Close();
      PumpEvents();
    }
  }
  SetCurrentLanguage(0);
}

}  // namespace
