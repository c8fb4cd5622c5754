#include <gtest/gtest.h>

#include <wx/checkbox.h>

#include <functional>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/gui/DialogControls.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/DocDouble.h"
#include "tests/support/GuiTest.h"
#include "tests/views/dialogs/DialogDrive.h"
#include "tests/views/dialogs/DialogLayout.h"
#include "views/dialogs/InstrEditGlobal.h"

using namespace PardeloStravon;
using Platform::IDCANCEL;
using Platform::IDOK;
using TestSupport::ClickButton;
using TestSupport::ModalDriver;
using TestSupport::TypeInto;

namespace {

// Every field of the record, for comparing two of them.
std::vector<long> Fields(const NetOptRecord& r) {
  std::vector<long> f = {r.rxEn_, r.troubleshoot_, r.onNetAlarm_, r.intNetAlarm_};
  for (int i = 0; i < BroadcastSlots; ++i) {
    f.push_back(r.periodicBroadcastEn_[i]);
    f.push_back(r.periodicBroadcastInt_[i]);
    f.push_back(r.periodicBroadcastAddr_[i]);
  }
  return f;
}

class GlobalOptionsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadShippedCatalogue(); }
  void SetUp() override {
    NetOptRecord r;
    r.rxEn_ = true;
    r.troubleshoot_ = true;
    for (int i = 0; i < BroadcastSlots; ++i) {
      r.periodicBroadcastEn_[i] = i == 1;
      r.periodicBroadcastInt_[i] = 60 * (i + 1);
      r.periodicBroadcastAddr_[i] = i + 3;
    }
    r.onNetAlarm_ = true;
    r.intNetAlarm_ = 900;
    doc_.NetOpt().SetOptions(r);
    start_ = r;
  }
  void TearDown() override { SetCurrentLanguage(0); }

  TestSupport::DocDouble doc_;
  NetOptRecord start_;
};

}  // namespace

TEST_F(GlobalOptionsTest, Opens_WithTranslatedTextsAndTheStoredValues) {
  for (std::size_t lang = 0; lang < DictLanguages().size(); ++lang) {
    SetCurrentLanguage(lang);
    ModalDriver driver([&](wxDialog& d) {
      EXPECT_EQ(d.GetTitle().ToStdWstring(), DictText(CTW_ID_GLOBAL_OPTIONS));
      EXPECT_EQ(EditGetText(&d, IDOK), DictText(CTW_OK));
      EXPECT_EQ(EditGetText(&d, IDCANCEL), DictText(CTW_Cancel));
      EXPECT_EQ(EditGetText(&d, 1204), DictText(CTW_ID_GLOB_OPT_BROAD_ACTIVE2));
      EXPECT_EQ(EditGetText(&d, 32839), DictText(CTW_ID_GLOPT_BROADC_INT));
      EXPECT_EQ(EditGetText(&d, 32840), DictText(CTW_ID_GLOPT_BROADC_ADD));
      EXPECT_EQ(EditGetText(&d, 1210), DictText(CTW_ID_GLOB_OPT_NET_ALARM_EN));
      EXPECT_EQ(EditGetText(&d, 32841), DictText(CTW_ID_GLOPT_BLACK_TO));
      EXPECT_EQ(EditGetText(&d, 1205), L"120");
      EXPECT_EQ(EditGetText(&d, 1209), L"5");
      EXPECT_EQ(EditGetText(&d, 1211), L"900");
      EXPECT_FALSE(ButtonGetCheck(&d, 1201));
      EXPECT_TRUE(ButtonGetCheck(&d, 1204));
      TestSupport::ExpectLayoutAsItems(d, GlobalOptionsItems());
      TestSupport::ShootInLanguage(d, "InstrEditGlobal");
      ClickButton(d, IDCANCEL);
    });
    EXPECT_FALSE(EditGlobalOptions(doc_.NetOpt()));
    EXPECT_TRUE(driver.Acted());
  }
}

TEST_F(GlobalOptionsTest, UserActions_DecideWhatIsStored) {
  struct Case {
    const char* name;
    std::function<void(wxDialog&)> act;
    bool stored;
    std::function<void(NetOptRecord&)> expect;
  };
  const Case cases[] = {
      {"Cancel after edits",
       [](wxDialog& d) {
         TypeInto(d, 1202, L"5");
         ButtonSetCheck(&d, 1201, 1);
         ClickButton(d, IDCANCEL);
       },
       false, [](NetOptRecord&) {}},
      {"Escape after edits",
       [](wxDialog& d) {
         TypeInto(d, 1211, L"5");
         TestSupport::PressKey(d, WXK_ESCAPE);
       },
       false, [](NetOptRecord&) {}},
      {"OK without change", [](wxDialog& d) { ClickButton(d, IDOK); }, true, [](NetOptRecord&) {}},
      {"largest time-out, interval 0, negative address",
       [](wxDialog& d) {
         TypeInto(d, 1211, L"12345678");
         TypeInto(d, 1208, L"0");
         TypeInto(d, 1206, L" -3 ");
         ButtonSetCheck(&d, 1201, 1);
         ButtonSetCheck(&d, 1210, 0);
         ClickButton(d, IDOK);
       },
       true,
       [](NetOptRecord& r) {
         r.intNetAlarm_ = 12345678;
         r.periodicBroadcastInt_[2] = 0;
         r.periodicBroadcastAddr_[1] = -3;
         r.periodicBroadcastEn_[0] = true;
         r.onNetAlarm_ = false;
       }},
      {"time-out 0", [](wxDialog& d) { TypeInto(d, 1211, L"0"); ClickButton(d, IDOK); }, true,
       [](NetOptRecord& r) { r.intNetAlarm_ = 0; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    doc_.NetOpt().SetOptions(start_);
    ModalDriver driver(c.act);
    EXPECT_EQ(EditGlobalOptions(doc_.NetOpt()), c.stored);
    NetOptRecord expected = start_;
    c.expect(expected);
    EXPECT_EQ(Fields(doc_.NetOpt().Options()), Fields(expected));
    EXPECT_TRUE(driver.Acted());
  }
}

// A refused field keeps the dialog open with the focus on it; Cancel then
// stores nothing, not even the fields read before it.
TEST_F(GlobalOptionsTest, BadField_ShowsItsPromptAndChangesNothing) {
  struct Case {
    int field;
    const wchar_t* text;
    const wchar_t* prompt;
  };
  const Case cases[] = {
      {1211, L"12345679", L"Please enter an integer between 0 and 12345678."},
      {1211, L"-1", L"Please enter an integer between 0 and 12345678."},
      {1211, L"", L"Please enter an integer."},
      {1205, L"6o", L"Please enter an integer."},
      {1203, L"1.5", L"Please enter an integer."},
      {1209, L"99999999999", L"Please enter an integer."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.field << " '" << wxString(c.text) << "'");
    doc_.NetOpt().SetOptions(start_);
    std::wstring prompt;
    bool open = false, focused = false;
    ModalDriver driver([&](wxDialog& d) {
      TypeInto(d, 1202, L"7");  // read before every refused field
      TypeInto(d, c.field, c.text);
      prompt = TestSupport::ClickAnsweringPrompt(d, IDOK);
      open = d.IsModal();
      focused = TestSupport::FocusIsOn(d, c.field);
      ClickButton(d, IDCANCEL);
    });
    EXPECT_FALSE(EditGlobalOptions(doc_.NetOpt()));
    EXPECT_EQ(prompt, c.prompt);
    EXPECT_TRUE(open);
    EXPECT_TRUE(focused);
    EXPECT_EQ(Fields(doc_.NetOpt().Options()), Fields(start_));
  }
}
