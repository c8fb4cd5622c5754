#include "tests/views/tables/TableViewsFixture.h"

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/InstrTable.h"
#include "platform/gui/ResourceIds.h"
#include "tests/support/GuiTest.h"
#include "views/placeholder/PlaceholderViews.h"
#include "views/tables/OptView.h"
#include "views/tables/SerView.h"
#include "views/tables/StsView.h"

namespace TestSupport {

using namespace PardeloStravon;

TheAppIMFC::ViewClasses TableViewsFixture::ViewClasses() const {
  return {wxCLASSINFO(OptView), wxCLASSINFO(StsView), wxCLASSINFO(SerView), wxCLASSINFO(GraphPlaceholder),
          wxCLASSINFO(ProgramPlaceholder)};
}

void TableViewsFixture::SetUp() {
  FrameworkFixture::SetUp();
  views_.answer = true;
  main_->RouteCommand(Platform::ID_FILE_NEW);
  PumpEvents();
  doc_ = OpenDoc();
  ASSERT_NE(doc_, nullptr);
}

void TableViewsFixture::TearDown() {
  if (OpenDoc()) Std().NetOpt().SetTroubleshootSerial(false);
  FrameworkFixture::TearDown();
}

void TableViewsFixture::Settle(wxWindow* window, const int* paints) {
  int last = paints ? *paints : 0;
  int still = 0;
  for (int round = 0; round < 200 && still < (paints ? 10 : 3); ++round) {
    PumpEvents();
    if (window) window->Update();
    wxMilliSleep(10);
    if (paints && *paints != last) {
      last = *paints;
      still = 0;
    } else {
      ++still;
    }
  }
  PumpEvents();
}

std::wstring TableViewsFixture::Pane(wxView* view) {
  auto* frame = dynamic_cast<ChildFrm*>(view->GetFrame());
  return frame ? frame->StatusPane(0) : std::wstring(L"<no frame>");
}

Node& TableViewsFixture::Add(int address, const std::wstring& name, bool active) {
  Node node(InstrCodes().front());
  node.Opt().nm_ = name;
  node.Opt().act_ = active;
  Net().InsertNew(address, node);
  return Net().GetPresent(address);
}

}  // namespace TestSupport
