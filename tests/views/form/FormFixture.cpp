#include "tests/views/form/FormFixture.h"

#include <wx/app.h>

#include "document/QziDocIStd.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "document/gui/MenuResources.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TestCatalogue.h"

namespace TestSupport {

using namespace PardeloStravon;

void FormViews::OpenSettingsForm(QziDoc* doc, int address) {
  ViewsDouble::OpenSettingsForm(doc, address);
  NewIWFrm(doc, address)->OpenWin();
}

void FormFixture::SetUpTestSuite() { LoadNetworkTestCatalogue(); }

void FormFixture::SetUp() {
  LoadNetworkTestCatalogue();
  FrameworkFixture::SetUp();
  // The program template makes the real view; the placeholder's template
  // stays with the manager, unused.
  templates_->TplPrg() = new MyCMultiDocTemplate(manager_, IDR_PROGRAM, wxCLASSINFO(PrgView));
  InstallViewServices(&formViews_);
  main_->RouteCommand(Platform::ID_FILE_NEW);
  PumpEvents();
  doc_ = OpenDoc();
  ASSERT_NE(doc_, nullptr);
}

void FormFixture::TearDown() {
  IWFrm::SetFileUi(nullptr);
  FrameworkFixture::TearDown();
}

QziDocIStd& FormFixture::Std() { return doc_->Std(); }
InstrNet& FormFixture::Net() { return Std().NetOpt().Network(); }

Node& FormFixture::AddNode(int address, const std::wstring& code) {
  Net().InsertNew(address, Node(code));
  return Net().GetPresent(address);
}

IWFrm* FormFixture::Open(int address) {
  Net().GetPresent(address).OpenProgramForm(Std(), address);
  PumpEvents();
  const std::vector<IWFrm*> forms = Forms();
  return forms.empty() ? nullptr : forms.back();
}

std::vector<IWFrm*> FormFixture::Forms() const {
  std::vector<IWFrm*> forms;
  if (!OpenDoc()) return forms;
  for (wxObject* view : OpenDoc()->GetViews())
    if (auto* prg = dynamic_cast<PrgView*>(view))
      if (auto* form = dynamic_cast<IWFrm*>(prg->Form())) forms.push_back(form);
  return forms;
}

void FormFixture::Settle() {
  for (int i = 0; i < 5; ++i) {
    PumpEvents();
    if (OpenDoc()) OpenDoc()->Std().RunGuiTasks();
  }
  PumpEvents();
}

wxWindow* FormFixture::Control(IWFrm* form, int systemId) const {
  return form->Panel()->FindWindow(Platform::ToWxId(systemId));
}

wxTextCtrl* FormFixture::Edit(IWFrm* form, std::size_t row) const {
  return dynamic_cast<wxTextCtrl*>(Control(form, form->Rows().at(row).first));
}

wxCheckBox* FormFixture::Box(IWFrm* form, std::size_t row) const {
  return dynamic_cast<wxCheckBox*>(Control(form, form->Rows().at(row).first));
}

std::size_t FormFixture::FindRow(const IWFrm* form, const std::function<bool(const InstrParPure&)>& pick) {
  const InstrPars pars = form->Doc()->Std().NetOpt().Network().GetPresent(form->Address()).Type().Pars();
  for (std::size_t i = 0; i < pars.size(); ++i)
    if (form->Rows().at(i).first != 0 && pick(*pars[i])) return i;
  ADD_FAILURE() << "no such row";
  return 0;
}

}  // namespace TestSupport
