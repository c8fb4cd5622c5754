#include <gtest/gtest.h>

#include <wx/msgdlg.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

#include "foundation/gui/DataExchange.h"
#include "foundation/gui/DialogControls.h"
#include "tests/gui/TestDialog.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ScopedTz.h"

using namespace PardeloStravon;
using TestSupport::IdCheck;
using TestSupport::IdEdit;
using TestSupport::IdSecondEdit;
using TestSupport::TestDialog;

namespace {

using TestSupport::ScopedTz;

bool Show(wxWindow* dialog, const std::function<void(DataExchange&)>& exchange) {
  return UpdateData(dialog, false, exchange);
}
bool Read(wxWindow* dialog, const std::function<void(DataExchange&)>& exchange) {
  return UpdateData(dialog, true, exchange);
}

}  // namespace

TEST(DataExchange, Duration_ShownInTheChosenFormAndReadInEither) {
  TestDialog t;
  struct ShowCase {
    long seconds;
    bool dhms;
    const wchar_t* shown;
  };
  const ShowCase shows[] = {{86400, true, L"1 0:00:00"}, {86400, false, L"86400"}, {90, true, L"1:30"},
                            {90, false, L"90"}};
  for (const ShowCase& c : shows) {
    long seconds = c.seconds;
    ASSERT_TRUE(Show(t.dialog, [&](DataExchange& dx) { DDX_Duration(&dx, IdEdit, seconds, c.dhms); }));
    EXPECT_EQ(EditGetText(t.dialog, IdEdit), c.shown) << c.seconds << " dhms " << c.dhms;
  }

  struct ReadCase {
    const wchar_t* text;
    long seconds;
  };
  // Anything that is no duration reads as 0, without a message.
  const ReadCase reads[] = {{L"1 0:00:00", 86400}, {L"86400", 86400}, {L"1:30", 90}, {L" 2:00:00 ", 7200},
                            {L"abc", 0},           {L"", 0}};
  for (bool dhms : {true, false}) {
    for (const ReadCase& c : reads) {
      EditSetText(t.dialog, IdEdit, c.text);
      long seconds = -1;
      EXPECT_TRUE(Read(t.dialog, [&](DataExchange& dx) { DDX_Duration(&dx, IdEdit, seconds, dhms); }));
      EXPECT_EQ(seconds, c.seconds) << "'" << wxString(c.text) << "' dhms " << dhms;
    }
  }
}

TEST(DataExchange, TimeT_RoundTripsTheLocalTime) {
  ScopedTz tz("Europe/Berlin");
  TestDialog t;
  struct Case {
    std::time_t t;
    const wchar_t* shown;
  };
  const Case cases[] = {{1178040000, L"2007-05-01 19:20:00"}, {1200000000, L"2008-01-10 22:20:00"}};
  for (const Case& c : cases) {
    std::time_t shown = c.t;
    ASSERT_TRUE(Show(t.dialog, [&](DataExchange& dx) { DDX_TimeT(&dx, IdEdit, shown); }));
    EXPECT_EQ(EditGetText(t.dialog, IdEdit), c.shown);
    std::time_t read = 0;
    EXPECT_TRUE(Read(t.dialog, [&](DataExchange& dx) { DDX_TimeT(&dx, IdEdit, read); }));
    EXPECT_EQ(read, c.t) << wxString(c.shown);
  }
  // The date alone is midnight.
  EditSetText(t.dialog, IdEdit, L" 2008-01-10 ");
  std::time_t read = 0;
  EXPECT_TRUE(Read(t.dialog, [&](DataExchange& dx) { DDX_TimeT(&dx, IdEdit, read); }));
  EXPECT_EQ(read, 1199919600);
}

TEST(DataExchange, TimeT_TextThatIsNoDate_IsRefusedWithAMessageAndKeepsTheMember) {
  // The prompt comes from the dictionary, in English here.
  TestSupport::LoadShippedCatalogue();
  TestDialog t;
  for (const wchar_t* text : {L"2007-02-29 10:00:00", L"2007-05-01 24:00:00", L"05/01/2007", L"tomorrow", L""}) {
    SCOPED_TRACE(wxString(text));
    EditSetText(t.dialog, IdEdit, text);
    EditSetText(t.dialog, IdSecondEdit, L"later field");
    std::wstring message;
    TestSupport::ModalDriver driver([&](wxDialog& box) {
      if (auto* m = dynamic_cast<wxMessageDialogBase*>(&box)) message = m->GetMessage().ToStdWstring();
      box.EndModal(wxID_OK);
    });
    std::time_t value = 1178040000;
    std::wstring later;
    EXPECT_FALSE(Read(t.dialog, [&](DataExchange& dx) {
      DDX_TimeT(&dx, IdEdit, value);
      DDX_WString(&dx, IdSecondEdit, later);
    }));
    EXPECT_EQ(value, 1178040000);
    EXPECT_EQ(later, L"") << "the exchange stops at the refused field";
    EXPECT_EQ(message, L"Please enter a date and/or time.");
  }
}

TEST(DataExchange, BoolAndText_GoBothWays) {
  TestDialog t;
  bool on = true;
  std::wstring name = L"Cella 1 \u00E8";
  ASSERT_TRUE(Show(t.dialog, [&](DataExchange& dx) {
    DDX_Bool(&dx, IdCheck, on);
    DDX_WString(&dx, IdEdit, name);
  }));
  EXPECT_EQ(t.check->Get3StateValue(), wxCHK_CHECKED);
  EXPECT_EQ(t.edit->GetValue().ToStdWstring(), name);

  t.check->Set3StateValue(wxCHK_UNDETERMINED);
  t.edit->ChangeValue("Cella 2");
  on = false;
  ASSERT_TRUE(Read(t.dialog, [&](DataExchange& dx) {
    DDX_Bool(&dx, IdCheck, on);
    DDX_WString(&dx, IdEdit, name);
  }));
  EXPECT_TRUE(on) << "any non-zero state reads as true";
  EXPECT_EQ(name, L"Cella 2");
}
