// The three views under the real frames: what they show on a document with
// instruments.
#include <gtest/gtest.h>

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "platform/gui/ProgramIds.h"
#include "tests/support/GuiTest.h"
#include "tests/views/tables/TableViewsFixture.h"
#include "views/tables/OptView.h"
#include "views/tables/SerView.h"
#include "views/tables/StsView.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

class TableViews : public TestSupport::TableViewsFixture {};

TEST_F(TableViews, EachViewOpensOnADocumentWithSeveralInstruments) {
  Add(3, L"Cold room 3");
  Add(7, L"Ripening 7", false);
  Add(12, L"Storage 12");
  Std().EmitDocSignal(12, dsAddInstr);
  const struct {
    int command;
    const char* shot;
    const std::wstring* caption;
  } cases[] = {
      {ID_VIEW_OPTIONS, "options-view", &CTW_Options_Title},
      {ID_VIEW_STATUS, "status-view", &CTW_Status_Title},
      {ID_EDIT_TROUBLESHOOT_S_COMM, "serial-view", &CTW_Serial_Line_Troubleshooting_Title},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shot);
    main_->RouteCommand(c.command);
    PumpEvents();
    ChildFrm* frame = dynamic_cast<ChildFrm*>(main_->GetActiveChild());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetTitle().ToStdWstring(), DictText(*c.caption) + doc_->GetTitle().ToStdWstring());
    EXPECT_FALSE(TestSupport::SaveWindowShot(*main_, c.shot).empty());
  }
}

}  // namespace
