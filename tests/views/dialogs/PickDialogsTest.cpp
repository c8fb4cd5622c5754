#include <gtest/gtest.h>

#include <functional>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Clock.h"
#include "foundation/gui/DialogControls.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "platform/gui/ControlAccess.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/SimpleComboBox.h"

#include <wx/textctrl.h>

#include <cwctype>
#include "tests/support/CatalogueFixture.h"
#include "tests/support/DocDouble.h"
#include "tests/support/GuiTest.h"
#include "tests/views/dialogs/DialogDrive.h"
#include "tests/views/dialogs/DialogLayout.h"
#include "views/dialogs/FromToPick.h"
#include "views/dialogs/InstrPick.h"
#include "views/dialogs/InstrType.h"
#include "views/dialogs/PickRules.h"

using namespace PardeloStravon;
using Platform::IDCANCEL;
using Platform::IDOK;
using TestSupport::ClickButton;
using TestSupport::ModalDriver;
using TestSupport::TypeInto;

namespace {

Platform::SimpleComboBox& Combo(wxDialog& d, int id) {
  return dynamic_cast<Platform::SimpleComboBox&>(Platform::FindControl(&d, id, "no combo box"));
}

std::vector<std::wstring> Entries(Platform::SimpleComboBox& combo) {
  std::vector<std::wstring> entries;
  for (unsigned i = 0; i < combo.Count(); ++i) entries.push_back(combo.Item(i));
  return entries;
}

class PickTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void SetUp() override {
    ASSERT_FALSE(InstrCodes().empty());
    for (int a : {3, 17}) {
      Node n(InstrCodes().front());
      NodeOpt opt = n.Opt();
      opt.nm_ = a == 3 ? L"Cella \u00E8" : L"Room 3";
      n.SetOpt(opt);
      doc_.NetOpt().Network().InsertNew(a, n);
    }
  }
  void TearDown() override { SetCurrentLanguage(0); }

  TestSupport::DocDouble doc_;
};

}  // namespace

TEST_F(PickTest, Lists_OfferPresentOrFreeAddressesInAddressOrder) {
  const InstrNet& net = doc_.NetOpt().Network();
  EXPECT_EQ(InstrumentEntries(net, 2), (std::vector<std::wstring>{L"003 - Cella \u00E8", L"017 - Room 3"}));
  EXPECT_EQ(InstrumentEntries(net, 0), InstrumentEntries(net, 2));
  const std::vector<std::wstring> free = InstrumentEntries(net, 1);
  ASSERT_EQ(free.size(), 252u);
  EXPECT_EQ(free[0], L"1");
  EXPECT_EQ(free[2], L"4");
  EXPECT_EQ(free[15], L"18");
  EXPECT_EQ(free.back(), L"254");
  for (int mode : {-1, 3, 100}) EXPECT_TRUE(InstrumentEntries(net, mode).empty()) << mode;
  TestSupport::DocDouble empty;
  EXPECT_TRUE(InstrumentEntries(empty.NetOpt().Network(), 2).empty());
  EXPECT_EQ(InstrumentEntries(empty.NetOpt().Network(), 1).size(), 254u);
}

TEST_F(PickTest, TypedText_GivesTheAddressByTheFirstThreeCharacters) {
  struct Case {
    const wchar_t* text;
    std::optional<int> address;
  };
  const Case cases[] = {{L"12", 12},          {L"1234", 123}, {L"017 - Room 3", 17}, {L"+12", 12},
                        {L"-5", -5},          {L"0", 0},      {L"9999", 999},        {L"abc", {}},
                        {L" 12", {}},         {L"", {}},      {L"12a", {}},          {L"+123", {}},
                        {L"ab12", {}},        {L"254", 254}};
  for (const Case& c : cases) EXPECT_EQ(TextToPickAddress(c.text), c.address) << "'" << wxString(c.text) << "'";
  const std::vector<std::wstring> codes = {L"QZ100", L"QZ200"};
  EXPECT_EQ(ChosenCode(codes, L"QZ200"), L"QZ200");
  EXPECT_EQ(ChosenCode(codes, L"qz200"), L"");
  EXPECT_EQ(ChosenCode(codes, L"QZ20"), L"");
}

TEST_F(PickTest, PickInstrument_OpensTranslatedWithTheModesList) {
  for (std::size_t lang = 0; lang < DictLanguages().size(); ++lang) {
    SetCurrentLanguage(lang);
    ModalDriver driver([&](wxDialog& d) {
      EXPECT_EQ(d.GetTitle().ToStdWstring(), DictText(CTW_ID_PLEASE_SEL_AN_INSTR));
      EXPECT_EQ(EditGetText(&d, IDOK), DictText(CTW_OK));
      EXPECT_EQ(EditGetText(&d, IDCANCEL), DictText(CTW_Cancel));
      EXPECT_EQ(Entries(Combo(d, 1000)), (std::vector<std::wstring>{L"003 - Cella \u00E8", L"017 - Room 3"}));
      EXPECT_EQ(Combo(d, 1000).GetText(), L"");
      TestSupport::ExpectLayoutAsItems(d, InstrPickItems());
      Combo(d, 1000).Choose(1);
      TestSupport::ShootInLanguage(d, "InstrPick");
      ClickButton(d, IDOK);
    });
    EXPECT_EQ(PickInstrument(doc_, 2), 17);
  }
}

TEST_F(PickTest, PickInstrument_AnswersAsTheUserChose) {
  struct Case {
    const char* name;
    int mode;
    std::function<void(wxDialog&)> act;
    int address;
  };
  auto typed = [](const wchar_t* text) {
    return [text](wxDialog& d) {
      TypeInto(d, 1000, text);
      ClickButton(d, IDOK);
    };
  };
  const Case cases[] = {
      {"free address chosen", 1, [](wxDialog& d) { Combo(d, 1000).Choose(15); ClickButton(d, IDOK); }, 18},
      {"typed 12 (no instrument there)", 2, typed(L"12"), 12},
      {"typed 1234", 2, typed(L"1234"), 123},
      {"typed +12", 1, typed(L"+12"), 12},
      {"Enter on a chosen entry", 2, [](wxDialog& d) {
         Combo(d, 1000).Choose(0);
         Combo(d, 1000).Edit()->SetFocus();
         TestSupport::PressKey(d, WXK_RETURN);
       },
       3},
      {"Cancel after choosing", 2, [](wxDialog& d) { Combo(d, 1000).Choose(0); ClickButton(d, IDCANCEL); }, 0},
      {"Escape", 2, [](wxDialog& d) { TestSupport::PressKey(d, WXK_ESCAPE); }, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver(c.act);
    EXPECT_EQ(PickInstrument(doc_, c.mode), c.address);
    EXPECT_TRUE(driver.Acted());
  }
}

// What the strict conversion refuses, and addresses no list offers that no
// instrument holds, stay in the dialog with the focus on the field.
TEST_F(PickTest, PickInstrument_RefusesTextsThatNameNoAddress) {
  struct Case {
    const wchar_t* text;
    const wchar_t* prompt;
  };
  const Case cases[] = {
      {L"abc", L"Please enter an integer."}, {L" 12", L"Please enter an integer."},
      {L"", L"Please enter an integer."},    {L"12a", L"Please enter an integer."},
      {L"x123", L"Please enter an integer."},
      {L"9999", L"Please enter an integer between 1 and 254."},
      {L"0", L"Please enter an integer between 1 and 254."},
      {L"-5", L"Please enter an integer between 1 and 254."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(wxString(c.text));
    std::wstring prompt;
    bool open = false, focused = false;
    ModalDriver driver([&](wxDialog& d) {
      TypeInto(d, 1000, c.text);
      prompt = TestSupport::ClickAnsweringPrompt(d, IDOK);
      open = d.IsModal();
      focused = TestSupport::FocusIsOn(d, 1000);
      ClickButton(d, IDCANCEL);
    });
    EXPECT_EQ(PickInstrument(doc_, 2), 0);
    EXPECT_EQ(prompt, c.prompt);
    EXPECT_TRUE(open);
    EXPECT_TRUE(focused);
  }
  // An instrument of a hand-written document beyond the lists can still be
  // typed.
  doc_.NetOpt().Network().InsertNew(300, Node(InstrCodes().front()));
  ModalDriver driver([](wxDialog& d) {
    TypeInto(d, 1000, L"300");
    ClickButton(d, IDOK);
  });
  EXPECT_EQ(PickInstrument(doc_, 2), 300);
}

TEST_F(PickTest, PickInstrType_GivesOnlyAListedCode) {
  const std::vector<std::wstring>& codes = InstrCodes();
  ASSERT_GE(codes.size(), 1u);
  for (std::size_t lang = 0; lang < DictLanguages().size(); ++lang) {
    SetCurrentLanguage(lang);
    ModalDriver driver([&](wxDialog& d) {
      EXPECT_EQ(d.GetTitle().ToStdWstring(), DictText(CTW_ID_PLEASE_SEL_AN_INSTR_TYPE));
      EXPECT_EQ(EditGetText(&d, IDOK), DictText(CTW_OK));
      EXPECT_EQ(Entries(Combo(d, 1010)), codes);
      TestSupport::ExpectLayoutAsItems(d, InstrTypeItems());
      Combo(d, 1010).Choose(static_cast<unsigned>(codes.size() - 1));
      TestSupport::ShootInLanguage(d, "InstrType");
      ClickButton(d, IDOK);
    });
    EXPECT_EQ(PickInstrType(codes), codes.back());
  }
  struct Case {
    const char* name;
    std::function<void(wxDialog&)> act;
    std::wstring code;
  };
  std::wstring lower = codes.front();
  for (wchar_t& ch : lower) ch = static_cast<wchar_t>(std::towlower(ch));
  const Case cases[] = {
      {"typed exactly", [&](wxDialog& d) { TypeInto(d, 1010, codes.front()); ClickButton(d, IDOK); }, codes.front()},
      {"other case", [&](wxDialog& d) { TypeInto(d, 1010, lower); ClickButton(d, IDOK); }, L""},
      {"unknown", [](wxDialog& d) { TypeInto(d, 1010, L"nothing"); ClickButton(d, IDOK); }, L""},
      {"Cancel", [](wxDialog& d) { Combo(d, 1010).Choose(0); ClickButton(d, IDCANCEL); }, L""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver(c.act);
    EXPECT_EQ(PickInstrType(codes), c.code);
  }
  ModalDriver none([](wxDialog& d) {
    EXPECT_EQ(Combo(d, 1010).Count(), 0u);
    ClickButton(d, IDOK);
  });
  EXPECT_EQ(PickInstrType({}), L"");
}

class FromToTest : public PickTest {
 protected:
  void SetUp() override {
    PickTest::SetUp();
    setenv("TZ", "Europe/Berlin", 1);
    tzset();
  }
  void TearDown() override {
    unsetenv("TZ");
    tzset();
    PickTest::TearDown();
  }
};

TEST_F(FromToTest, OpensOnTheLastSevenCalendarDays) {
  // 2021-03-30 10:00:00 in Berlin (summer time); 7 days earlier is winter time.
  TestClock clock(1617091200);
  EXPECT_EQ(DaysBefore(1617091200, 7), 1617091200 - 7 * 86400 + 3600);
  for (std::size_t lang = 0; lang < DictLanguages().size(); ++lang) {
    SetCurrentLanguage(lang);
    ModalDriver driver([&](wxDialog& d) {
      EXPECT_EQ(d.GetTitle().ToStdWstring(), DictText(CTW_ID_FROM_TO));
      EXPECT_EQ(EditGetText(&d, 32843), DictText(CTW_ID_FROM));
      EXPECT_EQ(EditGetText(&d, 32844), DictText(CTW_ID_TO));
      EXPECT_EQ(EditGetText(&d, 32850), DictText(CTW_ID_INSTR_EDIT_RV_ACTIVE));
      EXPECT_EQ(EditGetText(&d, 1301), L"2021-03-23 10:00:00");
      EXPECT_EQ(EditGetText(&d, 1302), L"2021-03-30 10:00:00");
      EXPECT_FALSE(ButtonGetCheck(&d, 32850));
      TestSupport::ExpectLayoutAsItems(d, FromToPickItems());
      TestSupport::ShootInLanguage(d, "FromToPick");
      ClickButton(d, IDOK);
    });
    std::time_t from = 0, to = 0;
    bool follow = true;
    EXPECT_TRUE(PickFromTo(&from, &to, &follow));
    EXPECT_EQ(to, 1617091200);
    EXPECT_EQ(from, 1617091200 - 7 * 86400 + 3600);
    EXPECT_FALSE(follow);
  }
}

TEST_F(FromToTest, UserActions_DecideTheSpan) {
  TestClock clock(1617091200);
  struct Case {
    const char* name;
    std::function<void(wxDialog&)> act;
    bool ok;
    std::time_t from, to;
    bool follow;
  };
  const Case cases[] = {
      {"edited and following",
       [](wxDialog& d) {
         TypeInto(d, 1301, L"2021-03-01 00:00:00");
         ButtonSetCheck(&d, 32850, 1);
         ClickButton(d, IDOK);
       },
       true, 1614553200, 1617091200, true},
      {"equal times", [](wxDialog& d) { TypeInto(d, 1301, L"2021-03-30 10:00:00"); ClickButton(d, IDOK); }, true,
       1617091200, 1617091200, false},
      {"Cancel after edits",
       [](wxDialog& d) {
         TypeInto(d, 1301, L"2021-03-01 00:00:00");
         ClickButton(d, IDCANCEL);
       },
       false, -1, -1, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ModalDriver driver(c.act);
    std::time_t from = -1, to = -1;
    bool follow = true;
    EXPECT_EQ(PickFromTo(&from, &to, &follow), c.ok);
    EXPECT_EQ(from, c.from);
    EXPECT_EQ(to, c.to);
    EXPECT_EQ(follow, c.follow);
  }
}

TEST_F(FromToTest, BadSpan_StaysInTheDialog) {
  TestClock clock(1617091200);
  struct Case {
    int field;
    const wchar_t* text;
    const wchar_t* prompt;
    int focus;
  };
  const Case cases[] = {
      {1301, L"2021-03-30 10:00:01", L"Please enter an end that does not lie before the start.", 1302},
      {1302, L"2021-03-01 00:00:00", L"Please enter an end that does not lie before the start.", 1302},
      {1301, L"yesterday", L"Please enter a date and/or time.", 1301},
      {1302, L"2021-02-30 10:00:00", L"Please enter a date and/or time.", 1302},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(wxString(c.text));
    std::wstring prompt;
    bool open = false, focused = false;
    ModalDriver driver([&](wxDialog& d) {
      TypeInto(d, c.field, c.text);
      prompt = TestSupport::ClickAnsweringPrompt(d, IDOK);
      open = d.IsModal();
      focused = TestSupport::FocusIsOn(d, c.focus);
      ClickButton(d, IDCANCEL);
    });
    std::time_t from = -1, to = -1;
    bool follow = false;
    EXPECT_FALSE(PickFromTo(&from, &to, &follow));
    EXPECT_EQ(prompt, c.prompt);
    EXPECT_TRUE(open);
    EXPECT_TRUE(focused);
    EXPECT_EQ(from, -1);
  }
}
