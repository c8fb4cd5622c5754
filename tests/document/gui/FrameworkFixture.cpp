#include "tests/document/gui/FrameworkFixture.h"

#include <wx/aui/auibook.h>

#include "app/MainFrame.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIStd.h"
#include "document/QziDocIStdImpl.h"
#include "document/gui/MainFrameBase.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/document/DocFileWriter.h"
#include "tests/support/CatalogueFixture.h"
#include "tests/support/GuiTest.h"
#include "views/placeholder/PlaceholderViews.h"

namespace TestSupport {

using namespace PardeloStravon;

void FrameworkFixture::SetUpTestSuite() { LoadShippedCatalogue(); }

void FrameworkFixture::SetUp() {
  SetCurrentLanguage(0);
  ThreadTimings timings;
  timings.executorPause = std::chrono::milliseconds(20);
  timings.watchPause = std::chrono::milliseconds(20);
  timings.tickPause = std::chrono::milliseconds(50);
  timings.closeWaitLimit = 2;
  timings.closeWaitPause = std::chrono::milliseconds(20);
  QziDoc::SetThreadTimings(timings);
  InstallShellServices(&shell_);
  InstallViewServices(&views_);
  SaveErrorBox() = [] { ADD_FAILURE() << "an error box of a failed save"; };
  manager_ = new QziDocManager;
  templates_ = new TheAppIMFC(manager_, ViewClasses());
  main_ = new MainFrame(manager_);
  main_->BecomeMainWindow();
  main_->Show();
  AddApplicationCommands(manager_);
  PumpEvents();
}

void FrameworkFixture::TearDown() {
  views_.answer = true;
  while (QziDoc* doc = OpenDoc()) {
    if (doc->GetF().get()) doc->Std().SetModified(false);
    doc->Modify(false);
    if (!doc->FileClose()) break;
  }
  PumpEvents();
  main_->Destroy();
  PumpEvents();
  delete manager_;
  delete templates_;
  SetTheTemplates(nullptr);
  InstallViewServices(nullptr);
  InstallShellServices(nullptr);
  InstallCommandDialogs(nullptr);
  SetCurrentLanguage(0);
}

TheAppIMFC::ViewClasses FrameworkFixture::ViewClasses() const {
  return {wxCLASSINFO(OptionsPlaceholder), wxCLASSINFO(StatusPlaceholder), wxCLASSINFO(SerialPlaceholder),
          wxCLASSINFO(GraphPlaceholder), wxCLASSINFO(ProgramPlaceholder)};
}

QziDoc* FrameworkFixture::OpenDoc() const { return templates_->OpenDocument(); }

int FrameworkFixture::ChildCount() const {
  wxAuiNotebook* book = main_->GetNotebook();
  return book ? static_cast<int>(book->GetPageCount()) : 0;
}

std::wstring FrameworkFixture::WriteDocFile(const std::string& name, bool rx, const std::wstring& pass) {
  return WriteDocumentFile(dir_.File(name), rx, pass);
}

}  // namespace TestSupport
