// The check of settings typed into the settings form: a changed row must
// hold exactly one value of its type inside its range; an unchanged or
// read-only row is read as it always was; a refusal names the row and the
// range and puts the focus on the row.
#include <gtest/gtest.h>

#include <wx/frame.h>
#include <wx/msgdlg.h>
#include <wx/textctrl.h>

#include <string>

#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/ParamTable.h"
#include "foundation/core/TextConv.h"
#include "foundation/values/ValueText.h"
#include "platform/gui/CommandIds.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestCatalogue.h"
#include "views/form/TypedSettingsCheck.h"

using namespace PardeloStravon;

namespace {

class TypedSettingsCheck : public testing::Test {
 public:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }
};

const RTTRange& RangeOf(const wchar_t* parId) { return *ParByKey(parId)->ParRange(); }

// A value of the parameter as its type prints it.
boost::any Value(const wchar_t* parId, const std::wstring& text) {
  const RTTRange& range = RangeOf(parId);
  boost::any value = range.DefaultValue();
  EXPECT_TRUE(TextToValue(range, text, value)) << ToUtf8(text);
  return value;
}

struct Case {
  const wchar_t* parId;
  bool asDuration;
  bool editable;
  const wchar_t* shown;
  const wchar_t* typed;
  bool accepted;
  const wchar_t* value;  // accepted: the value's plain text
};

// Stored value of every row: the parameter's "0" or its own minimum text.
TEST_F(TypedSettingsCheck, ChangedRowsMustHoldOneValueInRangeOthersReadAsBefore) {
  const Case cases[] = {
      // A one-byte row 0..247: a number the byte would wrap is refused.
      {L"BCAST_ADDR", false, true, L"12", L"300", false, nullptr},
      {L"BCAST_ADDR", false, true, L"12", L"256", false, nullptr},
      {L"BCAST_ADDR", false, true, L"12", L"248", false, nullptr},
      {L"BCAST_ADDR", false, true, L"12", L"247", true, L"247"},
      {L"BCAST_ADDR", false, true, L"12", L"0", true, L"0"},
      {L"BCAST_ADDR", false, true, L"12", L"-1", false, nullptr},
      {L"BCAST_ADDR", false, true, L"12", L"12a", false, nullptr},
      {L"BCAST_ADDR", false, true, L"12", L"", false, nullptr},
      {L"BCAST_ADDR", false, true, L"12", L" 13", false, nullptr},
      {L"BCAST_ADDR", false, true, L"12", L"13.5", false, nullptr},
      // The own address 1..247.
      {L"NET_ADDR", false, true, L"5", L"0", false, nullptr},
      {L"NET_ADDR", false, true, L"5", L"1", true, L"1"},
      // A temperature -30..40 in tenths.
      {L"SP_TEMP", false, true, L"4", L"-30.1", false, nullptr},
      {L"SP_TEMP", false, true, L"4", L"-30", true, L"-30"},
      {L"SP_TEMP", false, true, L"4", L"40.1", false, nullptr},
      {L"SP_TEMP", false, true, L"4", L"40", true, L"40"},
      {L"SP_TEMP", false, true, L"4", L"12.5", true, L"12.5"},
      {L"SP_TEMP", false, true, L"4", L"12.5C", false, nullptr},
      // A duration 60..7200 s, the format off: plain seconds only.
      {L"DEFROST_DUR", false, true, L"600", L"1:30", false, nullptr},
      {L"DEFROST_DUR", false, true, L"600", L"90", true, L"90"},
      {L"DEFROST_DUR", false, true, L"600", L"59", false, nullptr},
      {L"DEFROST_DUR", false, true, L"600", L"7201", false, nullptr},
      // The format on: any duration form, nothing else.
      {L"DEFROST_DUR", true, true, L"10:00", L"abc", false, nullptr},
      {L"DEFROST_DUR", true, true, L"10:00", L"1:3x", false, nullptr},
      {L"DEFROST_DUR", true, true, L"10:00", L"", false, nullptr},
      {L"DEFROST_DUR", true, true, L"10:00", L"1:30", true, L"90"},
      {L"DEFROST_DUR", true, true, L"10:00", L"90", true, L"90"},
      {L"DEFROST_DUR", true, true, L"10:00", L"1:00", true, L"60"},
      {L"DEFROST_DUR", true, true, L"10:00", L"0:59", false, nullptr},
      {L"DEFROST_DUR", true, true, L"10:00", L"2:00:00", true, L"7200"},
      {L"DEFROST_DUR", true, true, L"10:00", L"2:00:01", false, nullptr},
      {L"DEFROST_DUR", true, true, L"10:00", L"99999999", false, nullptr},
      {L"DEFROST_DUR", true, true, L"10:00", L"-1:30", false, nullptr},
      // The format concerns durations only.
      {L"SP_TEMP", true, true, L"4", L"1:30", false, nullptr},
      {L"SP_TEMP", true, true, L"4", L"12.5", true, L"12.5"},
      // A check box: "1" and "0" are its only texts.
      {L"EN_BUZZER", false, true, L"***", L"1", true, L"1"},
      {L"EN_BUZZER", false, true, L"1", L"0", true, L"0"},
      // What the form showed is read as before, in range or not.
      {L"BCAST_ADDR", false, true, L"250", L"250", true, L"250"},
      {L"SP_TEMP", false, true, L"45", L"45", true, L"45"},
      {L"DEFROST_DUR", true, true, L"0:30", L"0:30", true, L"30"},
      {L"DEFROST_DUR", false, true, L"30", L"30", true, L"30"},
      // A read-only row is never the user's text: read as before.
      {L"FW_VERSION", false, false, L"7", L"12a", true, L"12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(std::wstring(c.parId) + L" shown \"" + c.shown + L"\" typed \"" + c.typed +
                        L"\"" + (c.asDuration ? L" as duration" : L"")));
    const RTTRange& range = RangeOf(c.parId);
    const TypedSetting row{&range, L"Row", c.editable, c.asDuration};
    const boost::any stored = range.DefaultValue();
    const TypedSettingResult r = CheckTypedSetting(row, c.shown, c.typed, stored);
    EXPECT_EQ(r.accepted, c.accepted);
    if (c.accepted) {
      EXPECT_TRUE(r.message.empty());
      EXPECT_EQ(ToUtf8(ValueToText(range, r.value)), ToUtf8(c.value));
    } else {
      EXPECT_EQ(r.message, TypedSettingPrompt(row));
    }
  }
}

TEST_F(TypedSettingsCheck, UnchangedRowThatReadsAsNothingKeepsTheStoredValue) {
  const RTTRange& range = RangeOf(L"SP_TEMP");
  const boost::any stored = Value(L"SP_TEMP", L"21.5");
  const TypedSetting row{&range, L"Set point", true, false};
  const TypedSettingResult r = CheckTypedSetting(row, L".", L".", stored);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(ValueToText(range, r.value), L"21.5");
}

TEST_F(TypedSettingsCheck, PromptNamesTheRowAndTheRangeAsTheTypePrintsIt) {
  struct PromptCase {
    const wchar_t* parId;
    bool asDuration;
    const wchar_t* label;
    const wchar_t* prompt;
  };
  const PromptCase cases[] = {
      {L"SP_TEMP", false, L"Set point", L"Please enter a value between -30 and 40 for \"Set point\"."},
      {L"DIFF_TEMP", false, L"Differential", L"Please enter a value between 0.2 and 10 for \"Differential\"."},
      {L"BCAST_ADDR", true, L"Broadcast", L"Please enter a value between 0 and 247 for \"Broadcast\"."},
      {L"DEFROST_DUR", false, L"Defrost", L"Please enter a value between 60 and 7200 for \"Defrost\"."},
      {L"DEFROST_DUR", true, L"Defrost",
       L"Please enter a duration between 1:00 and 2:00:00 for \"Defrost\": seconds, m:ss, h:mm:ss or "
       L"d h:mm:ss."},
  };
  for (const PromptCase& c : cases) {
    const TypedSetting row{&RangeOf(c.parId), c.label, true, c.asDuration};
    EXPECT_EQ(ToUtf8(TypedSettingPrompt(row)), ToUtf8(c.prompt));
  }
}

TEST_F(TypedSettingsCheck, RefusalShowsTheMessageAndPutsTheFocusOnTheRow) {
  using Platform::ToWxId;
  wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "form");
  wxTextCtrl* first = new wxTextCtrl(frame, ToWxId(9011), "1", wxPoint(10, 10));
  wxTextCtrl* refused = new wxTextCtrl(frame, ToWxId(9013), "300", wxPoint(10, 50));
  frame->Show();
  first->SetFocus();
  TestSupport::PumpEvents();

  std::wstring message;
  {
    TestSupport::ModalDriver driver([&](wxDialog& box) {
      if (auto* m = dynamic_cast<wxMessageDialogBase*>(&box)) message = m->GetMessage().ToStdWstring();
      box.EndModal(wxID_OK);
    });
    RefuseTypedSetting(frame, 9013, L"Please enter a value between 0 and 247 for \"Broadcast\".");
    EXPECT_TRUE(driver.Acted());
  }
  TestSupport::PumpEvents();
  EXPECT_EQ(message, L"Please enter a value between 0 and 247 for \"Broadcast\".");
  EXPECT_EQ(wxWindow::FindFocus(), refused);
  frame->Destroy();
  TestSupport::PumpEvents();
}

}  // namespace
