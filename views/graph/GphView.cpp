#include "views/graph/GphView.h"

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/utils.h>

#include <boost/any.hpp>
#include <cmath>
#include <memory>

#include "document/QziDocIGph.h"
#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TimeStamp.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "network/schedule/Schedule.h"
#include "platform/gui/ResourceIds.h"
#include "views/graph/GphEvent.h"
#include "views/graph/PlotConstruction.h"
#include "views/plot/PlotPrinter.h"

wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::GphView, wxView);

namespace PardeloStravon {

namespace {

// The view being created by NewGraphic, for the print-only graph whose
// window is no child frame.
GphView* creating = nullptr;

void LogLine(const wchar_t* text) { ErrorLog << TimeStamp() << text << std::endl; }

// The record of a failed drawing or print, as the plotting view wrote it.
void LogDrawFailure() { ErrorLog << TimeStamp() << L"Error in CPGLView::OnDraw(CDC* pDC)"; }

// One page of the graph on the print target.
class GphPrintout : public Platform::TargetPrintout {
 public:
  GphPrintout(GphView& view, const wxString& title) : TargetPrintout(title), view_(&view) {}

  bool Printed() const { return printed_ && !failed_; }

  void OnEndPrinting() override {
    TargetPrintout::OnEndPrinting();
    if (view_) view_->OnEndPrinting();
  }

 protected:
  int PreparePages(wxDC&, const Platform::PageGeometry&) override { return 1; }
  bool PrintPageOn(wxDC& dc, const Platform::PageGeometry& page, int) override {
    const bool ok = view_ && view_->OnPrint(dc, page);
    (ok ? printed_ : failed_) = true;
    return ok;
  }

 private:
  // A preview may outlive the graph.
  wxWeakRef<GphView> view_;
  bool printed_ = false, failed_ = false;
};

}  // namespace

// The never shown window of a print-only graph.
class GphView::Holder : public wxFrame {
 public:
  Holder() : wxFrame(nullptr, wxID_ANY, wxString(), wxDefaultPosition, wxSize(1000, 700)) {}
  GphView* view_ = nullptr;
};

PrintMargins PagePrintArea(const Platform::PageGeometry& page) {
  const double ppiX = page.ppi.x > 0 ? page.ppi.x : 72, ppiY = page.ppi.y > 0 ? page.ppi.y : 72;
  // The printable size as the printer reports it in whole millimetres
  // (cut, so that the margins never reach into the unprintable band), back
  // in device units.
  const long mmX = static_cast<long>(page.printable.width * 25.4 / ppiX);
  const long mmY = static_cast<long>(page.printable.height * 25.4 / ppiY);
  const long pw = std::lround((mmX * 100 - 1) * ppiX / 2540.0) - 1;
  const long ph = std::lround((mmY * 100 - 1) * ppiY / 2540.0) - 1;
  const long left = page.printable.x, top = page.printable.y;
  const long right = page.paper.x - pw - left, bottom = page.paper.y - ph - top;
  // In thousandths of an inch, grown by one.
  auto mils = [](long device, double ppi) { return std::labs(std::lround(device * 1000.0 / ppi)) + 1; };
  auto inches = [](long m) { return static_cast<float>(m) / 1000.0f + 0.01f; };
  PrintMargins m;
  m.left = inches(mils(left, ppiX));
  m.right = inches(mils(right, ppiX));
  m.bottom = inches(mils(bottom, ppiY));
  m.top = inches(mils(top, ppiY));
  return m;
}

GphWindow::GphWindow(wxWindow* parent, GphView* view) : PlotView(parent), view_(view) {}

void GphWindow::OnDraw(wxDC& dc) {
  if (view_)
    view_->OnDraw(&dc);
  else
    PlotView::OnDraw(dc);
}

void GphWindow::OnKeyDown(unsigned key, unsigned repeat, unsigned flags) {
  if (view_) view_->OnKeyDown(key, repeat, flags);
}

GphView::Impl::Impl(GphView& view, const MoreInfo& info)
    : view_(view),
      address_(info.address_),
      from_(info.from_),
      to_(info.to_),
      follow_(info.follow_),
      print_(info.print_) {
  connection_ = GetDoc(&view_)->Std().ConnectDocSignal([this](int a, DocSignal s) { OnSignal(a, s); });
  ASSERT_THROW(from_ <= to_, L"!from_<=to_");
  SetTitle();
  RefreshMenu();
}

void GphView::Impl::OnSignal(int a, DocSignal s) {
  if (print_ || busy_ || closing_ || (a != 0 && a != address_)) return;
  auto dirty = [this] {
    if (GphWindow* w = view_.Window()) w->SetDirty();
  };
  switch (s) {
    case dsTick: {
      if (!follow_) break;
      QziDocIStd& std = GetDoc(&view_)->Std();
      InstrNet& net = std.NetOpt().Network();
      if (std.NetOpt().RxEnabled() && net.IsPresent(address_) && PlotUpdateDue(net.GetPresent(address_))) {
        std.SetModified(true);
        // Every following graph of the document moves, this one included.
        std.EmitDocSignal(a, dsPlotUpdate);
      }
      break;
    }
    case dsPlotUpdate:
      if (!follow_) break;
      shiftToNow_ = true;
      dirty();
      break;
    case dsLanguage:
      SetTitle();
      RefreshMenu();
      restyle_ = true;
      dirty();
      [[fallthrough]];
    case dsEditInstr:
      // Flags first: the status pane repaints the whole frame at once here,
      // the graph among it.
      rebuild_ = true;
      SetStatus(L"");
      dirty();
      break;
    case dsRemoveInstr:
      CloseFrame();
      break;
    case dsRxEnable:
    case dsLogin:
    case dsLoginSup:
      SetStatus(L"");
      break;
    case dsGraphFormat:
      restyle_ = true;
      dirty();
      break;
    default:
      break;
  }
}

void GphView::Impl::Prepare(wxDC& dc, bool printing, wxSize ppi) {
  if (shiftToNow_) {
    shiftToNow_ = false;
    rebuild_ = true;
    const std::time_t length = to_ - from_;
    to_ = Now();
    from_ = to_ - length;
  }
  if (rebuild_) {
    rebuild_ = false;
    restyle_ = true;
    wxBusyCursor wait;
    BuildPlot();
  }
  if (restyle_ || printing || view_.Window()->IsResizeNeeded()) {
    restyle_ = false;
    wxBusyCursor wait;
    SetFontColorLine(dc, printing, ppi);
  }
}

bool GphView::Impl::SetBusy(bool busy) {
  const bool was = busy_;
  busy_ = busy;
  return was;
}

void GphView::Impl::SetStatus(const std::wstring& text) {
  if (ChildFrm* frame = view_.Frame()) frame->SetStatusPanes(text);
}

void GphView::Impl::SetTitle() {
  QziDoc* doc = GetDoc(&view_);
  const Node& node = doc->Std().NetOpt().Network().GetPresent(address_);
  const std::wstring caption = doc->GetTitle().ToStdWstring() + DictText(CTW_Graphic_Title) + node.Opt().nm_.get();
  if (ChildFrm* frame = view_.Frame())
    frame->SetTitle(caption);
  else if (wxWindow* host = view_.HostWindow())
    host->SetLabel(caption);
}

void GphView::Impl::RefreshMenu() {
  if (ChildFrm* frame = view_.Frame()) frame->RefreshMenu();
}

void GphView::Impl::CloseFrame() {
  connection_.disconnect();
  closing_ = true;
  view_.ScheduleClose();
}

namespace {

PlotHost HostOf(GphView& view, const GphView::Impl& impl, wxDC& dc, bool printing, wxSize ppi) {
  QziDoc* doc = GetDoc(&view);
  QziDocIStd& std = doc->Std();
  PlotHost host;
  host.node = &std.NetOpt().Network().GetPresent(impl.address_);
  host.address = impl.address_;
  host.folder = GetDocDirectory(std);
  host.options = doc->GetF()->GetIGph()->gO_;
  host.from = impl.from_;
  host.to = impl.to_;
  host.dc = &dc;
  host.ppi = ppi;
  host.printing = printing;
  return host;
}

}  // namespace

void GphView::Impl::BuildPlot() {
  GphWindow& window = *view_.Window();
  // Nothing shows if the build stops early.
  window.DestroyRegion();
  const PlotHost host = HostOf(view_, *this, window.GetGfxInterface(), false, wxSize());
  ++reads_;
  std::shared_ptr<PlotRegion> root = PardeloStravon::BuildPlot(host);
  if (!root) return;
  window.SetRegion(std::move(root));
  window.SetEvent(std::make_unique<GphEvent>());
}

void GphView::Impl::SetFontColorLine(wxDC& dc, bool printing, wxSize ppi) {
  GphWindow& window = *view_.Window();
  if (!window.GetRegion()) return;
  ++restyles_;
  PardeloStravon::SetFontColorLine(window.GetRegion().get(), HostOf(view_, *this, dc, printing, ppi));
}

GphView::GphView() { AddPrintCommands(); }

GphView::~GphView() {
  pImpl_.reset();
  if (creating == this) creating = nullptr;
  if (window_) window_->view_ = nullptr;
  if (holder_) {
    holder_->view_ = nullptr;
    holder_->Destroy();
  }
}

wxWindow* GphView::HostWindow() const {
  if (holder_) return holder_;
  return Frame();
}

bool GphView::OnCreate(wxDocument* doc, long flags) {
  CCreateContextEx* context = MyCMultiDocTemplate::CurrentContext();
  const boost::any none;
  const boost::any& value = context ? context->moreInfo_ : none;
  MoreInfo* const* peek = boost::any_cast<MoreInfo*>(&value);
  if (peek && *peek && (*peek)->print_) {
    // Never a tab of the main frame, not even for a moment.
    holder_ = new Holder;
    holder_->view_ = this;
    window_ = new GphWindow(holder_, this);
  } else if (!QziView::OnCreate(doc, flags)) {
    return false;
  }
  try {
    MoreInfo* info = boost::any_cast<MoreInfo*>(value);
    ASSERT_THROW(info, L"!info");
    pImpl_.reset(new Impl(*this, *info));
  } catch (...) {
    // The view goes with the exception; so does the window made for it.
    wxWindow* host = HostWindow();
    if (window_) window_->view_ = nullptr;
    window_ = nullptr;
    if (holder_) {
      holder_->view_ = nullptr;
      holder_ = nullptr;
    }
    if (host) host->Destroy();
    throw;
  }
  creating = this;
  return true;
}

wxWindow* GphView::CreateViewWindow(ChildFrm& frame) {
  window_ = new GphWindow(&frame, this);
  // Key-downs reach the graph while its frame is the active one.
  frame.Bind(wxEVT_ACTIVATE, [w = wxWeakRef<GphWindow>(window_)](wxActivateEvent& e) {
    if (e.GetActive() && w) w->SetFocus();
    e.Skip();
  });
  return window_;
}

void GphView::OnInitialUpdate() {
  if (Impl* impl = GetImpl()) impl->SetStatus(L"");
}

void GphView::OnDraw(wxDC* dc) {
  Impl* impl = GetImpl();
  if (!impl || !dc || !window_ || impl->print_ || impl->closing_) return;
  if (impl->SetBusy(true)) return;
  try {
    const wxSize size = window_->GetClientSize();
    // Drawn on a bitmap of the program's own and shown at once: strokes
    // sent to the display one by one cost the display's server far more,
    // and on a bitmap the rows' lines keep their pixels for the next paint.
    if (size.x > 0 && size.y > 0) {
      const double scale = window_->GetContentScaleFactor();
      if (!buffer_.IsOk() || buffer_.GetLogicalSize() != size || buffer_.GetScaleFactor() != scale)
        buffer_.CreateWithDIPSize(size, scale, 24);
      {
        wxMemoryDC bitmap(buffer_);
        impl->Prepare(bitmap, false);
        window_->DrawPlot(bitmap, wxRect(size));
      }
      dc->DrawBitmap(buffer_, 0, 0, false);
    } else {
      impl->Prepare(*dc, false);
      window_->DrawPlot(*dc, wxRect(size));
    }
    impl->SetBusy(false);
  } catch (...) {
    LogDrawFailure();
    impl->CloseFrame();
  }
}

bool GphView::OnPrint(wxDC& dc, const Platform::PageGeometry& page) {
  Impl* impl = GetImpl();
  if (!impl || !window_ || impl->closing_) return false;
  // A second page, or a print while the graph is drawing: the job ends.
  if (impl->SetBusy(true)) return false;
  try {
    GetDoc(this);
    // Styled and drawn in the paper's font unit.
    const PlotPaperScope paper;
    impl->Prepare(dc, true, page.ppi);
    if (const std::shared_ptr<PlotRegion>& root = window_->GetRegion()) {
      PlotPrinter printer(root);
      const PrintMargins m = PagePrintArea(page);
      printer.SetMargins(m.left, m.right, m.bottom, m.top);
      printer.Print(dc, page);
    }
    return true;
  } catch (...) {
    LogDrawFailure();
    impl->CloseFrame();
    return false;
  }
}

void GphView::OnEndPrinting() {
  if (Impl* impl = GetImpl()) {
    impl->SetBusy(false);
    // The next screen drawing styles for the screen again.
    impl->restyle_ = true;
  }
}

void GphView::OnKeyDown(unsigned key, unsigned repeat, unsigned flags) {
  if (window_ && window_->GetEvent()) window_->GetEvent()->OnKeyDown(key, repeat, flags);
}

void GphView::AddPrintCommands() {
  Target().OnCommand(Platform::ID_FILE_PRINT, [this] { lastPrint_ = Print(true); });
  Target().OnCommand(Platform::ID_FILE_PRINT_DIRECT, [this] { lastPrint_ = Print(false); });
  Target().OnCommand(Platform::ID_FILE_PRINT_PREVIEW, [this] { Preview(); });
}

bool GphView::Print(bool withDialog) {
  wxWindow* host = HostWindow();
  GphPrintout printout(*this, host ? host->GetLabel() : wxString());
  const bool ok = Platform::PrintDocumentPrintout(printout, withDialog, host);
  return ok && printout.Printed();
}

bool GphView::Preview() {
  wxWindow* host = HostWindow();
  const wxString title = host ? host->GetLabel() : wxString();
  wxWindow* parent = TheMainFrame() ? static_cast<wxWindow*>(TheMainFrame()) : host;
  return Platform::PreviewPrintout(std::make_unique<GphPrintout>(*this, title),
                                   std::make_unique<GphPrintout>(*this, title), parent, title);
}

void GphView::ScheduleClose() {
  if (closeScheduled_) return;
  closeScheduled_ = true;
  // Never inside the running paint, print or signal: after it has returned.
  if (holder_) {
    wxTheApp->CallAfter([h = wxWeakRef<Holder>(holder_)] {
      if (h && h->view_) delete h->view_;
    });
  } else if (ChildFrm* frame = Frame()) {
    wxTheApp->CallAfter([f = wxWeakRef<wxWindow>(frame)] {
      if (f) f->Close(true);
    });
  }
}

GphView* GphView::NewGraphic(int address, QziDoc* doc, std::time_t from, std::time_t to, bool follow,
                             bool print) {
  MoreInfo info;
  info.address_ = address;
  info.from_ = from;
  info.to_ = to;
  info.follow_ = follow;
  info.print_ = print;
  TheAppIMFC* templates = TheTemplates();
  MyCMultiDocTemplate* tpl = templates ? templates->TplGph() : nullptr;
  creating = nullptr;
  ChildFrm* frame = tpl && doc ? tpl->CreateNewFrameEx(doc, nullptr, boost::any(&info)) : nullptr;
  GphView* made = creating;
  creating = nullptr;
  if (print ? !(made && made->holder_) : !frame) {
    LogLine(L"Error in GphView::NewGraphic() creating pNF");
    return nullptr;
  }
  GphView* view = nullptr;
  if (print) {
    made->InitialUpdate();
    view = made;
  } else {
    tpl->InitialUpdateFrame(frame, doc, true);
    view = dynamic_cast<GphView*>(frame->View());
  }
  if (!view) LogLine(L"Error in GphView::NewGraphic() creating pG");
  return view;
}

bool GphView::PrintGraphic(int address, QziDoc* doc, std::time_t from, std::time_t to) {
  GphView* view = nullptr;
  bool printed = false;
  try {
    view = NewGraphic(address, doc, from, to, false, true);
    if (!view) return false;
    view->window_->Hide();
    view->window_->ClearEvent();
    view->lastPrint_ = false;
    view->Target().RunCommand(Platform::ID_FILE_PRINT_DIRECT);
    printed = view->lastPrint_;
  } catch (...) {
    printed = false;
  }
  if (view)
    if (Impl* impl = view->GetImpl()) impl->CloseFrame();
  if (!printed) LogLine(L"Error in GphView::PrintGraphic()");
  return printed;
}

}  // namespace PardeloStravon
