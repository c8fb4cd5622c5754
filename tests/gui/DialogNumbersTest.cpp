#include <gtest/gtest.h>

#include <wx/msgdlg.h>

#include <cmath>
#include <optional>

#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "foundation/gui/DialogNumbers.h"
#include "tests/gui/TestDialog.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/GuiTest.h"

using namespace PardeloStravon;

TEST(DialogNumbers, TypedTexts_AreReadByTheDialogRules) {
  struct IntCase {
    const wchar_t* text;
    std::optional<int> value;
  };
  const IntCase ints[] = {
      {L" 12 ", 12}, {L"+5", 5}, {L"0", 0}, {L" 0 ", 0}, {L"00", 0}, {L"\t-7\t", -7},
      {L"2147483647", 2147483647}, {L"-2147483648", -2147483647 - 1},
      {L"1 2", {}}, {L"12a", {}}, {L"-0", {}}, {L"+0", {}}, {L"", {}}, {L"  ", {}}, {L"+", {}},
      {L"2147483648", {}}, {L"-2147483649", {}}, {L"99999999999999999999", {}}, {L"1.0", {}},
      {L"\u0661", {}},  // a digit of another script
  };
  for (const IntCase& c : ints) EXPECT_EQ(ReadDialogInt(c.text), c.value) << "int '" << wxString(c.text) << "'";

  struct RealCase {
    const wchar_t* text;
    std::optional<double> value;
  };
  const RealCase floats[] = {
      {L"0.5", 0.5},  {L"1e3", 1000}, {L" -2.5 ", -2.5}, {L"0.0", 0},   {L"0", 0},  {L"3", 3},
      {L"-0", {}},    {L".0", {}},    {L"1,5", {}},      {L"inf", {}},  {L"nan", {}}, {L"1e39", {}},
      {L"-1e39", {}}, {L"", {}},      {L"1.5x", {}},     {L"1 .5", {}},
  };
  for (const RealCase& c : floats) {
    const std::optional<float> f = ReadDialogFloat(c.text);
    ASSERT_EQ(f.has_value(), c.value.has_value()) << "float '" << wxString(c.text) << "'";
    if (f) {
      EXPECT_EQ(*f, static_cast<float>(*c.value)) << "float '" << wxString(c.text) << "'";
    }
  }
  // The double takes what the float cannot hold, and keeps every digit.
  EXPECT_EQ(ReadDialogDouble(L"1e39"), 1e39);
  EXPECT_EQ(ReadDialogDouble(L"0.1"), 0.1);
  EXPECT_EQ(ReadDialogDouble(L"1e999"), std::nullopt);
  EXPECT_EQ(ReadDialogDouble(L"-0"), std::nullopt);

  EXPECT_EQ(ShowDialogFloat(0.5f), L"0.5");
  EXPECT_EQ(ShowDialogFloat(1000.0f), L"1000");
  EXPECT_EQ(ShowDialogFloat(1234567.0f), L"1.23457e+06");
  EXPECT_EQ(ShowDialogDouble(0.1), L"0.1");
  EXPECT_EQ(ShowDialogDouble(2.0 / 3), L"0.666666666666667");
  EXPECT_EQ(ShowDialogInt(-12), L"-12");
}

// A refused field shows its prompt and keeps its member; fields before it
// keep their new values; the range check refers to the field read last.
TEST(DialogNumbers, Exchange_RefusesWithTheFixedPrompts) {
  // The prompts come from the dictionary, in English here.
  TestSupport::LoadShippedCatalogue();
  TestSupport::TestDialog t;
  struct Case {
    const wchar_t* first;
    const wchar_t* second;
    bool accepted;
    const wchar_t* prompt;
    int firstAfter;
    float secondAfter;
  };
  const Case cases[] = {
      {L"12", L"0.5", true, L"", 12, 0.5f},
      {L"x", L"0.5", false, L"Please enter an integer.", 7, 2.0f},
      {L"12", L"1e39", false, L"Please enter a number.", 12, 2.0f},
      {L"-1", L"0.5", false, L"Please enter an integer between 0 and 12345678.", -1, 2.0f},
      {L"12345679", L"0.5", false, L"Please enter an integer between 0 and 12345678.", 12345679, 2.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(wxString(c.first) + " / " + wxString(c.second));
    EditSetText(t.dialog, TestSupport::IdEdit, c.first);
    EditSetText(t.dialog, TestSupport::IdSecondEdit, c.second);
    std::wstring prompt;
    TestSupport::ModalDriver box([&](wxDialog& d) {
      if (auto* m = dynamic_cast<wxMessageDialogBase*>(&d)) prompt = m->GetMessage().ToStdWstring();
      d.EndModal(wxID_OK);
    });
    int first = 7;
    float second = 2.0f;
    const bool accepted = UpdateData(t.dialog, true, [&](DataExchange& dx) {
      DDX_Text(&dx, TestSupport::IdEdit, first);
      DDV_MinMaxInt(&dx, first, 0, 12345678);
      DDX_Text(&dx, TestSupport::IdSecondEdit, second);
    });
    EXPECT_EQ(accepted, c.accepted);
    EXPECT_EQ(prompt, c.prompt);
    EXPECT_EQ(first, c.firstAfter);
    EXPECT_EQ(second, c.secondAfter);
  }
  // Shown: the member's text.
  double period = 2.5;
  CString text(L"a\nb");
  ASSERT_TRUE(UpdateData(t.dialog, false, [&](DataExchange& dx) {
    DDX_Text(&dx, TestSupport::IdEdit, period);
    DDX_Text(&dx, TestSupport::IdSecondEdit, text);
  }));
  EXPECT_EQ(EditGetText(t.dialog, TestSupport::IdEdit), L"2.5");
  EXPECT_EQ(EditGetText(t.dialog, TestSupport::IdSecondEdit), L"a\nb");
}
