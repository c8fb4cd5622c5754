#include "document/gui/QziView.h"

#include <wx/app.h>

#include "document/gui/ChildFrm.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/QziDoc.h"

namespace PardeloStravon {

void QziView::InitialUpdate() {
  if (updated_) return;
  updated_ = true;
  OnInitialUpdate();
}

bool QziView::OnCreate(wxDocument* doc, long) {
  CCreateContextEx* context = MyCMultiDocTemplate::CurrentContext();
  auto* tpl = context ? context->m_pNewDocTemplate : dynamic_cast<MyCMultiDocTemplate*>(doc->GetDocumentTemplate());
  if (context) startValue_ = context->moreInfo_;
  MainFrameBase* main = TheMainFrame();
  if (!tpl || !main) return false;
  frame_ = new ChildFrm(doc, this, main, tpl->MenuId());
  SetFrame(frame_);
  frame_->SetViewWindow(CreateViewWindow(*frame_));
  return true;
}

bool QziView::OnClose(bool) {
  auto* doc = dynamic_cast<QziDoc*>(GetDocument());
  if (!doc || doc->ClosingViews() || doc->GetViews().GetCount() > 1) return true;
  // The last window: File Close, once this close has returned, since the
  // document's close deletes this view and its frame.
  wxDocManager* manager = doc->GetDocumentManager();
  wxTheApp->CallAfter([doc, manager] {
    if (manager && manager->GetDocuments().Member(doc)) doc->FileClose();
  });
  return false;
}

}  // namespace PardeloStravon
