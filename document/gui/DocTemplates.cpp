#include "document/gui/DocTemplates.h"

#include <wx/app.h>

#include <cwctype>

#include "document/DocFileKind.h"
#include "document/gui/ApplicationName.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MenuResources.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziView.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "platform/gui/FileChooser.h"

namespace PardeloStravon {
namespace {

CCreateContextEx* currentContext = nullptr;
TheAppIMFC* theTemplates = nullptr;

// The context for the duration of one view's creation, also when it fails.
class ContextScope {
 public:
  explicit ContextScope(CCreateContextEx* context) : previous_(currentContext) { currentContext = context; }
  ~ContextScope() { currentContext = previous_; }

 private:
  CCreateContextEx* previous_;
};

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

std::wstring Split(const std::wstring& text, int index) {
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    start = text.find(L'\n', start);
    if (start == std::wstring::npos) return L"";
    ++start;
  }
  return text.substr(start, text.find(L'\n', start) - start);
}

}  // namespace

MyCMultiDocTemplate::MyCMultiDocTemplate(wxDocManager* manager, int resourceId, wxClassInfo* viewClass)
    : wxDocTemplate(manager, wxString(), wxString(), wxString(), wxString(), wxString(), wxString(),
                    wxCLASSINFO(QziDoc), viewClass, wxTEMPLATE_INVISIBLE),
      resourceId_(resourceId) {}

int MyCMultiDocTemplate::MenuId() const {
  // The legacy template's windows carry the document menu too; without it
  // they would show the menu of no document while a document is open.
  return resourceId_ == IDR_LEGACY ? IDR_OPTIONS : resourceId_;
}

ChildFrm* MyCMultiDocTemplate::CreateNewFrame(QziDoc* doc, wxWindow* other) {
  return CreateNewFrameEx(doc, other, boost::any());
}

ChildFrm* MyCMultiDocTemplate::CreateNewFrameEx(QziDoc* doc, wxWindow* other, boost::any moreInfo) {
  CCreateContextEx context;
  context.moreInfo_ = std::move(moreInfo);
  context.m_pCurrentFrame = other;
  context.m_pCurrentDoc = doc;
  context.m_pNewViewClass = GetViewClassInfo();
  context.m_pNewDocTemplate = this;
  if (!GetViewClassInfo()) return nullptr;
  ContextScope scope(&context);
  wxView* view = CreateView(doc, 0);
  auto* qview = dynamic_cast<QziView*>(view);
  return qview ? qview->Frame() : nullptr;
}

void MyCMultiDocTemplate::InitialUpdateFrame(ChildFrm* frame, QziDoc*, bool makeVisible) {
  if (!frame) return;
  if (QziView* view = frame->View()) view->InitialUpdate();
  if (makeVisible) {
    frame->Show();
    frame->Activate();
  }
}

void MyCMultiDocTemplate::SetDocString(const std::wstring& text) {
  for (int i = 0; i < 7; ++i) strings_[i] = Split(text, i);
  m_description = strings_[3];
  m_fileFilter = strings_[4].empty() ? wxString() : wxString(L"*" + strings_[4]);
  m_defaultExt = strings_[4].empty() ? wxString() : wxString(strings_[4].substr(1));
  m_docTypeName = strings_[1];
  SetFlags(strings_[3].empty() ? wxTEMPLATE_INVISIBLE : wxTEMPLATE_VISIBLE);
}

std::wstring MyCMultiDocTemplate::DocString(int index) const {
  return index >= 0 && index < 7 ? strings_[index] : L"";
}

std::wstring MyCMultiDocTemplate::NextUntitledName() {
  return strings_[1] + std::to_wstring(++untitledCount_);
}

CCreateContextEx* MyCMultiDocTemplate::CurrentContext() { return currentContext; }

TheAppIMFC::TheAppIMFC(wxDocManager* manager, const ViewClasses& views) : manager_(manager) {
  // Created, and so added, in this order: the first that claims a file wins.
  pTplOpt_ = new MyCMultiDocTemplate(manager, IDR_OPTIONS, views.options);
  pTplSts_ = new MyCMultiDocTemplate(manager, IDR_STATUS, views.status);
  pTplSer_ = new MyCMultiDocTemplate(manager, IDR_STATUS, views.serial);
  pTplGph_ = new MyCMultiDocTemplate(manager, IDR_GRAPHIC, views.graph);
  pTplPrg_ = new MyCMultiDocTemplate(manager, IDR_PROGRAM, views.program);
  pTplOld_ = new MyCMultiDocTemplate(manager, IDR_LEGACY, views.options);
  ASSERT_THROW(pTplOpt_, L"!pTplOpt_");
  ASSERT_THROW(pTplSts_, L"!pTplSts_");
  ASSERT_THROW(pTplSer_, L"!pTplSer_");
  ASSERT_THROW(pTplGph_, L"!pTplGph_");
  ASSERT_THROW(pTplPrg_, L"!pTplPrg_");
  ASSERT_THROW(pTplOld_, L"!pTplOld_");
  SetApplicationName();
  SetTemplateStrings();
  SetTheTemplates(this);
}

void TheAppIMFC::SetTemplateStrings() {
  const std::wstring tail = L"\n.qzid\nQziDoc.Document\nQziDocs Document";
  const std::wstring options = DictText(CTW_Options_Title) + L"\n" + DictText(CTW_Options) + L"\n" +
                               DictText(CTW_Options_new) + L"\n" + DictText(CTW_Options_files) + L" (*.qzid)" +
                               tail;
  const std::wstring status =
      DictText(CTW_Status_Title) + L"\n" + DictText(CTW_Status) + L"\n\n\n.qzid\nQziDoc.Document\nQziDocs Document";
  const std::wstring legacy = DictText(CTW_Options_Title) + L"\n" + DictText(CTW_Options) + L"\n" +
                              DictText(CTW_Options_new) + L"\n" + DictText(CTW_Options_files_old) +
                              L" (*.qzi)\n.qzi\nQziDoc.Document\nQziDocs Document";
  pTplOpt_->SetDocString(options);
  pTplSts_->SetDocString(status);
  pTplGph_->SetDocString(L"Graphic\nGraphic\n\n\n.qzid\nQziDoc.Document\nQziDocs Document");
  pTplPrg_->SetDocString(status);
  pTplOld_->SetDocString(legacy);
}

QziDoc* TheAppIMFC::OpenDocument() const {
  wxList& docs = manager_->GetDocuments();
  return docs.empty() ? nullptr : dynamic_cast<QziDoc*>(static_cast<wxDocument*>(docs.GetFirst()->GetData()));
}

MyCMultiDocTemplate* TheAppIMFC::ChooseTemplate(const std::wstring& path) const {
  const std::wstring ext = Lower(FileExtension(path));
  MyCMultiDocTemplate* all[6] = {pTplOpt_, pTplSts_, pTplSer_, pTplGph_, pTplPrg_, pTplOld_};
  for (MyCMultiDocTemplate* tpl : all) {
    const std::wstring own = tpl->DocString(4);
    if (!own.empty() && !ext.empty() && Lower(own.substr(1)) == ext) return tpl;
  }
  return pTplOpt_;
}

QziDoc* TheAppIMFC::FileNew() {
  wxDocument* created = pTplOpt_->CreateDocument(wxString(), wxDOC_NEW);
  auto* doc = dynamic_cast<QziDoc*>(created);
  if (!doc) return nullptr;
  doc->SetTitle(pTplOpt_->NextUntitledName());
  if (!doc->OnNewDocument()) {
    doc->DeleteAllViews();
    return nullptr;
  }
  return doc;
}

QziDoc* TheAppIMFC::OpenDocumentFile(const std::wstring& path) {
  if (QziDoc* open = OpenDocument()) {
    if (open->GetFilename().ToStdWstring() == path && !path.empty()) {
      if (wxView* view = open->GetFirstView())
        if (auto* frame = dynamic_cast<ChildFrm*>(view->GetFrame())) frame->Activate();
      return nullptr;
    }
  }
  MyCMultiDocTemplate* tpl = ChooseTemplate(path);
  auto* doc = dynamic_cast<QziDoc*>(tpl->CreateDocument(path, 0));
  if (!doc) return nullptr;
  if (!doc->OnOpenDocument(path)) {
    // Discarded without a question: no thread ever ran.
    if (manager_->GetDocuments().Member(doc)) {
      doc->DeleteAllViews();
      if (manager_->GetDocuments().Member(doc)) delete doc;
    }
    return nullptr;
  }
  return doc;
}

std::wstring TheAppIMFC::FileFilters() const {
  std::wstring filters;
  for (MyCMultiDocTemplate* tpl : {pTplOpt_, pTplOld_}) {
    if (!filters.empty()) filters += L"|";
    filters += tpl->DocString(3) + L"|*" + tpl->DocString(4);
  }
  return filters;
}

QziDoc* TheAppIMFC::FileOpen() {
  const std::wstring path =
      Platform::ChooseFile(wxTheApp->GetTopWindow(), L"", Platform::FileChooserOpen, FileFilters(), L"");
  return path.empty() ? nullptr : OpenDocumentFile(path);
}

TheAppIMFC* TheTemplates() { return theTemplates; }
void SetTheTemplates(TheAppIMFC* templates) { theTemplates = templates; }

ChildFrm* OpenViewFromTemplate(MyCMultiDocTemplate* tpl, QziDoc* doc) {
  ChildFrm* frame = tpl ? tpl->CreateNewFrame(doc, nullptr) : nullptr;
  if (!frame) return nullptr;
  tpl->InitialUpdateFrame(frame, doc, true);
  return frame;
}

}  // namespace PardeloStravon
