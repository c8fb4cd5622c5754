#include "document/gui/QziDoc.h"

#include <wx/msgdlg.h>

#include <filesystem>

#include "document/Access.h"
#include "document/DocFileKind.h"
#include "document/QziDocIHlp.h"
#include "document/ShellServices.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/DocCommands.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/OpenFailure.h"
#include "document/gui/QziView.h"
#include "foundation/core/Assert.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/FileChooser.h"
#include "platform/gui/ResourceIds.h"

wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::QziDoc, wxDocument);

namespace PardeloStravon {
namespace {

ThreadTimings& Timings() {
  static ThreadTimings timings;
  return timings;
}

bool& ThreadsOnOpen() {
  static bool start = true;
  return start;
}

void Activity(const std::wstring& text) { ActivityLog << (L"\n" + TimeStamp() + L" " + text); }

}  // namespace

std::wstring& LastOpenFailure() {
  static std::wstring line;
  return line;
}

std::function<void()>& SaveErrorBox() {
  static std::function<void()> box = [] { wxMessageBox(wxString(), L"Error", wxOK, nullptr); };
  return box;
}

QziDoc::QziDoc() { AddDocCommands(*this); }

QziDoc::~QziDoc() {
  // Content still held is shut down without the access check or a record.
  ShutDownContent();
}

void QziDoc::ShutDownContent() {
  if (!pF_.get()) return;
  // The threads end and their last tasks run while the content is whole:
  // those tasks reach the views, which ask this document for it.
  try {
    Std().ShutDown();
  } catch (...) {
    // What failed was logged where it failed; the content goes all the same.
  }
  pF_.reset();
}

void QziDoc::SetThreadTimings(const ThreadTimings& timings) { Timings() = timings; }
void QziDoc::SetThreadsOnOpen(bool start) { ThreadsOnOpen() = start; }

QziDocIStd& QziDoc::Std() { return *pF_->GetIStd(); }

void QziDoc::CreateContent() { PardeloStravon::CreateContent(pF_, this, Timings()); }

bool QziDoc::SingleDocument() const {
  // The count includes this document: a second one is refused silently.
  wxDocManager* manager = GetDocumentManager();
  return !manager || manager->GetDocuments().GetCount() <= 1;
}

bool QziDoc::OnNewDocument() {
  if (!SingleDocument()) {
    Discard();
    return false;
  }
  Modify(false);
  SetDocumentSaved(false);
  Activity(L"Opening a new document");
  CreateContent();
  Std().StartThreads();
  InitialUpdateViews();
  return true;
}

bool QziDoc::ReadFile(const std::wstring& path) {
  lastReadWithoutInstruments_ = false;
  // An empty file is no document in either format, though the older
  // format's reader would take it for one without content.
  std::error_code ec;
  if (std::filesystem::is_regular_file(NativePath(path), ec) && std::filesystem::file_size(NativePath(path), ec) == 0) {
    ErrorLog << (TimeStamp() + L"Error in QziDoc::OnOpenDocument! the document file " + path + L" is empty\n");
    return false;
  }
  QziDocIHlp& hlp = *pF_->GetIHlp();
  if (!IsLegacyDocFile(path)) return hlp.PortableSerialize(path, false);
  const QziDocIHlp::LegacyResult result = hlp.SerializeDocLegacy(path, false);
  lastReadWithoutInstruments_ = result == QziDocIHlp::LegacyResult::withoutInstruments;
  return result != QziDocIHlp::LegacyResult::failed;
}

void QziDoc::Discard() {
  // Nothing ran on this content: no question, no access check.
  pF_.reset();
  closingViews_ = true;
}

bool QziDoc::OnOpenDocument(const wxString& file) {
  const std::wstring path = file.ToStdWstring();
  if (!SingleDocument()) {
    Discard();
    return false;
  }
  Activity(L"Opening document named: " + path);
  CreateContent();
  const bool ok = ReadFile(path);
  Shell().Beep(ok ? BeepKind::asterisk : BeepKind::hand);
  if (!ok) {
    Discard();
    // The beep is silent on most desktops: the user reads which file and why.
    LastOpenFailure() = OpenFailureLine(path);
    Shell().ShowMessageBox(OpenFailureText(path));
    return false;
  }
  if (ThreadsOnOpen()) Std().StartThreads();
  if (lastReadWithoutInstruments_) {
    // Its instruments are in a form no longer read: a save must not write
    // over the file without them, so the document starts without a path.
    withoutPath_ = true;
    SetFilename(wxString(), false);
    Std().SetDocPath(L"");
    const std::wstring name = FileNameOf(path);
    SetTitle(name.substr(0, name.rfind(L'.')));
    SetDocumentSaved(false);
  } else {
    SetPathName(path, true);
  }
  Modify(false);
  pF_->GetIHlp()->PostLoadRefresh();
  InitialUpdateViews();
  if (TheAppIMFC* templates = TheTemplates()) OpenViewFromTemplate(templates->TplSts(), this);
  if (MainFrameBase* main = TheMainFrame())
    wxQueueEvent(main, new wxCommandEvent(wxEVT_MENU, Platform::ToWxId(Platform::ID_WINDOW_TILE_HORZ)));
  return true;
}

bool QziDoc::OnSaveDocument(const wxString& file) {
  const std::wstring path = file.ToStdWstring();
  Activity(L"Saving document named: " + path);
  QziDocIHlp& hlp = *pF_->GetIHlp();
  const bool ok = IsLegacyDocFile(path) ? hlp.SerializeDocLegacy(path, true) != QziDocIHlp::LegacyResult::failed
                                        : hlp.PortableSerialize(path, true);
  if (ok) {
    Std().SetModified(false);
    Modify(false);
  } else {
    SaveErrorBox()();
  }
  Shell().Beep(ok ? BeepKind::asterisk : BeepKind::hand);
  return ok;
}

bool QziDoc::SaveModified() {
  if (unattended_) return true;
  if (pF_.get()) Modify(Std().IsModified());
  return wxDocument::OnSaveModified();
}

bool QziDoc::Save() { return FileSave(); }
bool QziDoc::SaveAs() { return FileSaveAs(); }

bool QziDoc::FileSave() {
  const std::wstring path = GetFilename().ToStdWstring();
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  const bool writable = !path.empty() && std::filesystem::is_regular_file(status) &&
                        (status.permissions() & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
  if (!writable) return FileSaveAs();
  return OnSaveDocument(path);
}

bool QziDoc::FileSaveAs() {
  std::wstring name = GetFilename().ToStdWstring();
  auto* tpl = dynamic_cast<MyCMultiDocTemplate*>(GetDocumentTemplate());
  if (name.empty()) {
    name = GetTitle().ToStdWstring();
    name = name.substr(0, name.find_first_of(L":/\\"));
    if (tpl && !tpl->DocString(4).empty()) name += tpl->DocString(4).substr(0, tpl->DocString(4).find(L';'));
  }
  const std::wstring ext = tpl && !tpl->DocString(4).empty() ? tpl->DocString(4).substr(1) : L"";
  TheAppIMFC* templates = TheTemplates();
  const std::wstring chosen = Platform::ChooseFile(TheMainFrame(), name, Platform::FileChooserSave,
                                                   templates ? templates->FileFilters() : L"*", ext);
  if (chosen.empty()) return false;
  bool ok;
  {
    WaitCursor wait;
    ok = OnSaveDocument(chosen);
  }
  // A failed save leaves what was on disk: nothing to remove.
  if (!ok) return false;
  SetPathName(chosen, true);
  return true;
}

bool QziDoc::OnCloseDocument() {
  if (!pF_.get()) {
    closingViews_ = true;
    return wxDocument::OnCloseDocument();
  }
  if (!unattended_ && Std().NetOpt().RxEnabled() && !CheckUserAccess(Std())) return false;
  WaitCursor wait;
  Activity(L"Closing document named: " + GetFilename().ToStdWstring());
  ShutDownContent();
  closingViews_ = true;
  return wxDocument::OnCloseDocument();
}

bool QziDoc::FileClose() {
  wxDocManager* manager = GetDocumentManager();
  bool closed;
  if (manager) {
    closed = manager->CloseDocument(this, false);
  } else {
    closed = SaveModified() && OnCloseDocument();
    if (closed) DeleteAllViews();
  }
  // The document is gone now; with no window left the main frame shows
  // the menu of no document.
  if (closed) Shell().RefreshAllText();
  return closed;
}

bool QziDoc::CloseUnattended() {
  unattended_ = true;
  const bool closed = FileClose();
  // Still here only when the close failed.
  if (!closed) unattended_ = false;
  return closed;
}

void QziDoc::InitialUpdateViews() {
  for (wxList::compatibility_iterator node = GetViews().GetFirst(); node; node = node->GetNext())
    if (auto* view = dynamic_cast<QziView*>(static_cast<wxView*>(node->GetData()))) view->InitialUpdate();
}

void QziDoc::OnChangedViewList() {
  // The document closes through File Close or the last window, never
  // because its view list changed; once closed it goes with its last view.
  if (closingViews_ && GetViews().empty()) delete this;
}

void QziDoc::SetPathName(const std::wstring& path, bool addToRecent) {
  SetFilename(path, false);
  SetTitle(FileNameOf(path));
  SetDocumentSaved(true);
  withoutPath_ = false;
  if (pF_.get()) Std().SetDocPath(path);
  if (addToRecent)
    if (wxDocManager* manager = GetDocumentManager()) manager->AddFileToHistory(path);
}

bool QziDoc::DoSaveDocument(const wxString&) { return false; }
bool QziDoc::DoOpenDocument(const wxString&) { return false; }

QziDoc* GetDoc(const wxView* view) {
  wxDocument* pD = view ? view->GetDocument() : nullptr;
  ASSERT_THROW(pD, L"!pD");
  ASSERT_THROW(pD->IsKindOf(wxCLASSINFO(QziDoc)), L"!pD->IsKindOf(RUNTIME_CLASS(QziDoc))");
  auto* pDoc = dynamic_cast<QziDoc*>(pD);
  ASSERT_THROW(pDoc, L"!pDoc");
  return pDoc;
}

QziDoc* GetDoc(const wxWindow* frame) {
  auto* child = dynamic_cast<const wxDocChildFrameAnyBase*>(frame);
  wxView* view = child ? child->GetView() : nullptr;
  ASSERT_THROW(view, L"!pD");
  return GetDoc(view);
}

}  // namespace PardeloStravon
