#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <ctime>
#include <functional>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DialogControls.h"
#include "network/nodes/InstrNet.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestCatalogue.h"
#include "tests/views/dialogs/DialogDrive.h"
#include "tests/views/dialogs/DialogDriving.h"
#include "tests/views/dialogs/DialogLayout.h"
#include "views/dialogs/DurationExchange.h"
#include "views/dialogs/EOMore.h"
#include "views/dialogs/EditNodeCopies.h"
#include "views/dialogs/InstrEdit.h"
#include "views/dialogs/PrintPeriod.h"

using namespace PardeloStravon;
using namespace TestSupport;
using Platform::IDCANCEL;
using Platform::IDOK;

namespace {

constexpr int Address = 5;

class InstrEditTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { LoadNetworkTestCatalogue(); }

  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
    SetCurrentLanguage(0);
    for (int address : {Address, 7, 9}) net_.EraseIfPresent(address);
    Node node(OneRunType);
    NodeOpt opt = node.Opt();
    opt.nm_ = L"Node five";
    opt.xs_ = 45;
    node.SetOpt(opt);
    node.UpdateState([](NodeSt& st) {
      st.xn_ = 1000000000;
      st.gn_ = 1000000300;
    });
    net_.InsertNew(Address, node);
    Node source(OneRunType);
    source.OptSt().at(0).stTextOpt_ = L"Source";
    net_.InsertNew(7, source);
    net_.InsertNew(9, Node(TurnSettableType));
  }

  Node& Edited() { return net_.GetPresent(Address); }

  bool Run(bool dhms, const std::function<void(wxDialog&)>& act) {
    ModalDriver driver(act);
    const bool result = EditNode(net_, Address, false, dhms);
    EXPECT_TRUE(driver.Acted());
    return result;
  }

  InstrNet net_;
};

std::wstring Text(wxWindow& dialog, int id) { return EditBox(dialog, id).GetValue().ToStdWstring(); }

// Confirms the advanced options after typing a status label in the first row.
void MoreWithLabel(wxDialog& dialog, const std::wstring& label) {
  ModalDriver more([&](wxDialog& shown) {
    auto& eo = dynamic_cast<EOMore&>(shown);
    TypeInto(eo, eo.Layout().ids_[colStOpt][0], label);
    ClickButton(eo, MoreFirstId);
  });
  ClickButton(dialog, IDC_EDINSTR_MORE);
  EXPECT_TRUE(more.Acted());
}

void Untick(wxWindow& dialog, int id) {
  dynamic_cast<wxCheckBox*>(dialog.FindWindow(Platform::ToWxId(id)))->SetValue(false);
}

long Xs(const Node& n) { return n.Opt().xs_; }
std::wstring Name(const Node& n) { return n.Opt().nm_; }

}  // namespace

TEST_F(InstrEditTest, UserActions_ChangeTheNodeOnlyThroughOK) {
  const struct {
    const char* what;
    std::function<void(wxDialog&)> act;
    bool result;
    std::function<void(const Node&)> check;
  } cases[] = {
      {"Cancel",
       [](wxDialog& d) {
         TypeInto(d, IDC_EDINSTR_NAME, L"Changed");
         ClickButton(d, IDCANCEL);
       },
       false, [](const Node& n) { EXPECT_EQ(Name(n), L"Node five"); }},
      {"Cancel after Default",
       [](wxDialog& d) {
         ClickButton(d, IDC_EDINSTR_DEFAULT);
         ClickButton(d, IDCANCEL);
       },
       false, [](const Node& n) { EXPECT_EQ(Xs(n), 45); }},
      {"Cancel after a confirmed More",
       [](wxDialog& d) {
         MoreWithLabel(d, L"Edited");
         ClickButton(d, IDCANCEL);
       },
       false, [](const Node& n) { EXPECT_NE(n.OptSt().at(0).stTextOpt_, L"Edited"); }},
      {"OK with edits",
       [](wxDialog& d) {
         TypeInto(d, IDC_EDINSTR_NAME, L"Cold room");
         Untick(d, IDC_EDINSTR_ACTIVE);
         TypeInto(d, IDC_EDINSTR_XS, L"90");
         MoreWithLabel(d, L"Edited");
         ClickButton(d, IDOK);
       },
       true,
       [](const Node& n) {
         EXPECT_EQ(Name(n), L"Cold room");
         EXPECT_FALSE(static_cast<bool>(n.Opt().act_));
         EXPECT_EQ(Xs(n), 90);
         EXPECT_EQ(n.OptSt().at(0).stTextOpt_, L"Edited");
       }},
      {"copy-from an instrument of the same type: its options again after OK",
       [](wxDialog& d) {
         TypeInto(d, IDC_EDINSTR_COPY_FROM, L"7");
         MoreWithLabel(d, L"Edited");
         ClickButton(d, IDOK);
       },
       true,
       [](const Node& n) {
         EXPECT_EQ(static_cast<int>(n.Opt().cpyAdvFrm_), 7);
         EXPECT_EQ(n.OptSt().at(0).stTextOpt_, L"Source");
       }},
      {"copy-from an absent address is cleared",
       [](wxDialog& d) {
         TypeInto(d, IDC_EDINSTR_COPY_FROM, L"99");
         ClickButton(d, IDOK);
       },
       true, [](const Node& n) { EXPECT_EQ(static_cast<int>(n.Opt().cpyAdvFrm_), 0); }},
      {"copy-from an instrument of another type is cleared",
       [](wxDialog& d) {
         TypeInto(d, IDC_EDINSTR_COPY_FROM, L"9");
         ClickButton(d, IDOK);
       },
       true, [](const Node& n) { EXPECT_EQ(static_cast<int>(n.Opt().cpyAdvFrm_), 0); }},
      {"Default restores the name as it was at opening",
       [](wxDialog& d) {
         TypeInto(d, IDC_EDINSTR_NAME, L"Typed");
         ClickButton(d, IDC_EDINSTR_DEFAULT);
         EXPECT_EQ(Text(d, IDC_EDINSTR_NAME), L"Node five");
         EXPECT_EQ(Text(d, IDC_EDINSTR_XS), L"30");
         ClickButton(d, IDOK);
       },
       true,
       [](const Node& n) {
         EXPECT_EQ(Name(n), L"Node five");
         EXPECT_EQ(Xs(n), 30);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    EXPECT_EQ(Run(false, c.act), c.result);
    c.check(Edited());
  }
}

TEST_F(InstrEditTest, AbsentAddress_ShowsNothing) {
  ModalDriver driver([](wxDialog& d) { d.EndModal(wxID_OK); });
  EXPECT_FALSE(EditNode(net_, 42, true, true));
  EXPECT_FALSE(driver.Acted());
}

// With the format on, leaving a typed field shows it in the normal form; a
// text that is no duration stays; with it off nothing is rewritten.
TEST_F(InstrEditTest, DurationField_NormalisesWhatWasTypedWhenLeft) {
  const struct {
    bool dhms;
    const wchar_t* typed;
    const wchar_t* shown;
  } cases[] = {
      {true, L"90", L"1:30"},          {true, L"86400", L"1 0:00:00"}, {true, L"", L"0"},
      {true, L"16777216", L"194 4:20:15"}, {true, L"abc", L"abc"},  {true, L" 2:00 ", L"2:00"},
      {false, L"90", L"90"},
  };
  for (bool dhms : {true, false}) {
    EXPECT_FALSE(Run(dhms, [&](wxDialog& d) {
      // A text the program set is left alone when the focus passes by.
      const std::wstring before = Text(d, IDC_EDINSTR_YS);
      EXPECT_EQ(before, dhms ? L"1:00:00" : L"3600");
      EditBox(d, IDC_EDINSTR_YS).SetFocus();
      LeaveField(d, IDC_EDINSTR_YS);
      EXPECT_EQ(Text(d, IDC_EDINSTR_YS), before);
      for (const auto& c : cases) {
        if (c.dhms != dhms) continue;
        for (int id : {IDC_EDINSTR_XS, IDC_EDINSTR_LOST_LINK}) {
          TypeInto(d, id, c.typed);
          LeaveField(d, id);
          EXPECT_EQ(Text(d, id), c.shown) << c.typed;
        }
      }
      ClickButton(d, IDCANCEL);
    }));
  }
}

// OK over one typed field: accepted and stored, or refused with its prompt,
// the focus on the field and the node unchanged.
TEST_F(InstrEditTest, TypedField_IsStoredOrRefusedAtThatField) {
  const std::wstring number = L"Please enter a number.";
  const std::wstring printRange = PrintPeriodRangePrompt(DictText(CTW_ID_EDINSTR_PRINT_INT));
  const DurationField readings = {1, 16777215, DictText(CTW_ID_EDINSTR_READ_INT) + L" (" +
                                                   DictText(CTW_ID_INSTR_EDIT_READ_CAPTION) + L")"};
  const struct {
    int id;
    const wchar_t* typed;
    bool dhms;
    std::wstring prompt;  // empty: accepted
    std::function<void(const Node&)> check;
  } cases[] = {
      {IDC_EDINSTR_XS, L"2:00", false, L"", [](const Node& n) { EXPECT_EQ(Xs(n), 120); }},
      {IDC_EDINSTR_XS, L"1 0:00:00", true, L"", [](const Node& n) { EXPECT_EQ(Xs(n), 86400); }},
      {IDC_EDINSTR_XS, L"", false, DurationRangePrompt(readings, false), nullptr},
      {IDC_EDINSTR_LOST_LINK, L"0", false, L"",
       [](const Node& n) { EXPECT_EQ(static_cast<long>(n.Opt().lostLinkDelay_), 0); }},
      {IDC_EDINSTR_XS, L"abc", false, DurationPrompt(), nullptr},
      {IDC_EDINSTR_XS, L"1:3O", true, DurationPrompt(), nullptr},
      {IDC_EDINSTR_LOST_LINK, L"1.5", false, DurationPrompt(), nullptr},
      {IDC_EDINSTR_PS, L"1.5", false, L"", [](const Node& n) { EXPECT_EQ(static_cast<long>(n.Opt().ps_), 129600); }},
      {IDC_EDINSTR_PS, L"0.00001", false, printRange, nullptr},
      {IDC_EDINSTR_PS, L"-1", false, printRange, nullptr},
      {IDC_EDINSTR_PS, L"inf", false, number, nullptr},
      {IDC_EDINSTR_PS, L"1e300", false, printRange, nullptr},
      {IDC_EDINSTR_PS, L"24856", false, printRange, nullptr},
      {IDC_EDINSTR_COPY_FROM, L"12a", false, L"Please enter an integer.", nullptr},
      {IDC_EDINSTR_XN, L"2007-02-30", false, L"Please enter a date and/or time.", nullptr},
      {IDC_EDINSTR_XN, L"2007-02-28 10:00", false, L"",
       [](const Node& n) { EXPECT_EQ(static_cast<long>(n.State().xn_), 1172656800); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " " << std::string(c.typed, c.typed + wcslen(c.typed)));
    const EditNodeCopies before = EditNodeCopies::Of(Edited());
    const bool result = Run(c.dhms, [&](wxDialog& d) {
      TypeInto(d, c.id, c.typed);
      const std::wstring message = ClickAnsweringPrompt(d, IDOK);
      EXPECT_EQ(message, c.prompt);
      if (c.prompt.empty()) return;
      EXPECT_TRUE(d.IsModal()) << "the dialog stays open";
      EXPECT_TRUE(FocusIsOn(d, c.id)) << "the focus is on the field";
      d.EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(result, c.prompt.empty());
    if (c.check) c.check(Edited());
    if (!c.prompt.empty()) {
      EXPECT_EQ(Xs(Edited()), static_cast<long>(before.opt.xs_));
      EXPECT_EQ(static_cast<long>(Edited().Opt().ps_), static_cast<long>(before.opt.ps_));
      EXPECT_EQ(static_cast<long>(Edited().State().xn_), static_cast<long>(before.st.xn_));
    }
  }
}

// A value the field cannot hold is refused with a prompt that names the field
// and its range, in the user's language; the node keeps every option.
TEST_F(InstrEditTest, Refusals_NameTheFieldAndItsRange_AndNothingIsStored) {
  const std::wstring forms = L": seconds, m:ss, h:mm:ss or d h:mm:ss.";
  const std::wstring forme = L": secondi, m:ss, h:mm:ss oppure g h:mm:ss.";
  const struct {
    int id;
    const wchar_t* typed;
    bool dhms;
    std::size_t language;
    std::wstring prompt;  // empty: taken
  } cases[] = {
      {IDC_EDINSTR_XS, L"-5", false, 0,
       L"Please enter a duration between 1 and 16777215 for \"Reading interval (Readings)\"" + forms},
      {IDC_EDINSTR_XS, L"", true, 0,
       L"Please enter a duration between 1 and 194 4:20:15 for \"Reading interval (Readings)\"" + forms},
      {IDC_EDINSTR_YS, L"0", false, 1,
       L"Inserire una durata compresa tra 1 e 16777215 per \"Intervallo di lettura (Impostazioni)\"" + forme},
      {IDC_EDINSTR_GS, L" ", false, 0,
       L"Please enter a duration between 1 and 16777215 for \"Recording interval (Readings)\"" + forms},
      {IDC_EDINSTR_HS, L"16777216", false, 0,
       L"Please enter a duration between 1 and 16777215 for \"Recording interval (Settings)\"" + forms},
      {IDC_EDINSTR_VS, L"-1:30", true, 0,
       L"Please enter a duration between 1 and 194 4:20:15 for \"Graph update interval\"" + forms},
      {IDC_EDINSTR_LOST_LINK, L"-1", false, 1,
       L"Inserire una durata compresa tra 0 e 16777215 per \"Timeout collegamento perso\"" + forme},
      {IDC_EDINSTR_PS, L"0", false, 0,
       L"Please enter a number of days between 0.0000116 and 24855 for \"Print interval (days)\"."},
      {IDC_EDINSTR_PS, L"-1", false, 1,
       L"Inserire un numero di giorni compreso tra 0.0000116 e 24855 per \"Intervallo di stampa (giorni)\"."},
      {IDC_EDINSTR_XS, L"16777215", false, 0, L""},
      {IDC_EDINSTR_XS, L"1", true, 0, L""},
      {IDC_EDINSTR_LOST_LINK, L"0", false, 0, L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " '" << wxString(c.typed) << "' language " << c.language);
    SetCurrentLanguage(c.language);
    const EditNodeCopies before = EditNodeCopies::Of(Edited());
    const bool result = Run(c.dhms, [&](wxDialog& d) {
      TypeInto(d, c.id, c.typed);
      EXPECT_EQ(ClickAnsweringPrompt(d, IDOK), c.prompt);
      if (c.prompt.empty()) return;
      EXPECT_TRUE(FocusIsOn(d, c.id)) << "the focus is on the field";
      d.EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(result, c.prompt.empty());
    if (!c.prompt.empty()) {
      const NodeOpt& now = Edited().Opt();
      const NodeOpt& was = before.opt;
      const long fields[][2] = {{now.xs_, was.xs_}, {now.ys_, was.ys_}, {now.gs_, was.gs_},
                                {now.hs_, was.hs_}, {now.vs_, was.vs_}, {now.ps_, was.ps_},
                                {now.lostLinkDelay_, was.lostLinkDelay_}};
      for (const auto& f : fields) EXPECT_EQ(f[0], f[1]);
    }
  }
  SetCurrentLanguage(0);
}

// The print period in the dialog's own copy, before the node raises short
// periods; and a field exchanged before a refused one keeps its new value
// in the copies.
TEST_F(InstrEditTest, PrintPeriod_IsDaysOnScreenAndWholeSecondsInTheCopy) {
  const struct {
    const wchar_t* typed;
    long seconds;
  } cases[] = {{L"7", 604800}, {L"1.5", 129600}, {L"0.0000116", 1}};
  for (const auto& c : cases) {
    EditNodeCopies copies = EditNodeCopies::Of(Edited());
    InstrEdit dialog(&copies.opt, &copies.st, &copies.vIPOSt, &copies.vIPOPlt, &copies.vIPOFrm, &copies.vIPOFrmSub,
                     &copies.vIPOFrmGrp, &Edited(), Address, false, false);
    ModalDriver driver([&](wxDialog& d) {
      EXPECT_EQ(Text(d, IDC_EDINSTR_PS), L"7");
      TypeInto(d, IDC_EDINSTR_PS, c.typed);
      ClickButton(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(static_cast<long>(copies.opt.ps_), c.seconds) << c.typed;
  }
  EditNodeCopies copies = EditNodeCopies::Of(Edited());
  InstrEdit dialog(&copies.opt, &copies.st, &copies.vIPOSt, &copies.vIPOPlt, &copies.vIPOFrm, &copies.vIPOFrmSub,
                   &copies.vIPOFrmGrp, &Edited(), Address, false, false);
  ModalDriver driver([&](wxDialog& d) {
    TypeInto(d, IDC_EDINSTR_NAME, L"Renamed");
    TypeInto(d, IDC_EDINSTR_PN, L"nonsense");
    EXPECT_EQ(ClickAnsweringPrompt(d, IDOK), L"Please enter a date and/or time.");
    d.EndModal(wxID_CANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(static_cast<std::wstring>(copies.opt.nm_), L"Renamed");
}

// What GUI tasks and the executor store while the dialog is open survives
// its OK; only due times the user changed are written.
TEST_F(InstrEditTest, WriteBack_KeepsTheStateStoredWhileTheDialogWasOpen) {
  for (bool defaulted : {false, true}) {
    SCOPED_TRACE(defaulted ? "after Default" : "renamed");
    SetUp();
    EXPECT_TRUE(Run(false, [&](wxDialog& d) {
      Edited().UpdateState([](NodeSt& st) {
        st.link_ = Node::lost_link;
        st.linkDeadline_ = 1000003600;
        st.linkAlarm_ = true;
        st.gn_ = 1000000600;
      });
      if (defaulted) {
        ClickButton(d, IDC_EDINSTR_DEFAULT);
      } else {
        TypeInto(d, IDC_EDINSTR_NAME, L"Renamed");
        TypeInto(d, IDC_EDINSTR_YN, L"2001-09-09 01:50:00");
      }
      ClickButton(d, IDOK);
    }));
    const NodeSt st = Edited().State();
    EXPECT_EQ(st.link_, Node::lost_link);
    EXPECT_EQ(static_cast<long>(st.linkDeadline_), 1000003600);
    EXPECT_TRUE(st.linkAlarm_);
    if (defaulted) {
      for (auto due : DueTimes) EXPECT_EQ(static_cast<long>(st.*due), 0);
    } else {
      EXPECT_EQ(Name(Edited()), L"Renamed");
      EXPECT_EQ(static_cast<long>(st.gn_), 1000000600) << "advanced by the executor";
      EXPECT_EQ(static_cast<long>(st.xn_), 1000000000);
      EXPECT_EQ(static_cast<long>(st.yn_), 1000000200) << "typed";
    }
  }
}

TEST_F(InstrEditTest, Screenshots_EveryControlInItsRectangleInEachLanguage) {
  for (std::size_t language = 0; language < DictLanguages().size(); ++language) {
    for (bool dhms : {false, true}) {
      SetCurrentLanguage(language);
      Run(dhms, [&](wxDialog& d) {
        ExpectLayoutAsItems(d, InstrEditItems());
        EXPECT_EQ(d.GetTitle().ToStdWstring(), DictText(CTW_ID_EDINSTR_CAPTION));
        EXPECT_EQ(EditGetText(&d, 1133), DictText(CTW_ID_INSTR_EDIT_COPY_ADV_FROM));
        EXPECT_EQ(EditGetText(&d, 1124), L"") << "the settings column's boxes have no text";
        ShootInLanguage(d, dhms ? "InstrEdit_dhms" : "InstrEdit_seconds");
        ClickButton(d, IDCANCEL);
      });
    }
  }
  SetCurrentLanguage(0);
}
