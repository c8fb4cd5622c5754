#include "views/graph/GphEvent.h"

#include "document/QziDocIGph.h"
#include "document/gui/QziDoc.h"
#include "views/graph/GphView.h"
#include "views/graph/GphZoom.h"

namespace PardeloStravon {

namespace {

// Frees the view when a handler ends, whichever way.
class GuardScope {
 public:
  explicit GuardScope(GphEvent& e) : e_(e), stop_(e.Guard(true)) {}
  ~GuardScope() {
    if (!stop_) e_.Guard(false);
  }
  bool Stop() const { return stop_; }

 private:
  GphEvent& e_;
  bool stop_;
};

}  // namespace

GphView* GphEvent::View() const {
  auto* window = dynamic_cast<GphWindow*>(GetParent());
  return window ? window->View() : nullptr;
}

bool GphEvent::Guard(bool b) {
  GphView* view = View();
  GphView::Impl* impl = view ? view->GetImpl() : nullptr;
  if (!impl) return false;
  if (!view->Window()->GetRegion() && b) return false;
  return impl->SetBusy(b);
}

void GphEvent::OnMouseMove(unsigned, wxPoint p) {
  GuardScope guard(*this);
  if (guard.Stop()) return;
  if (GphView* view = View())
    if (GphView::Impl* impl = view->GetImpl()) impl->SetStatus(PointerInfoText(*this, p.x, p.y));
}

bool GphEvent::OnMouseWheel(unsigned, short delta, wxPoint) {
  GuardScope guard(*this);
  if (guard.Stop()) return false;
  ZoomRows(*this, WheelZoomFactor(delta));
  return true;
}

void GphEvent::OnKeyDown(unsigned key, unsigned repeat, unsigned) {
  GuardScope guard(*this);
  if (guard.Stop()) return;
  if (KeyResets(key))
    ZoomReset(*this);
  else if (const double f = KeyZoomFactor(key, repeat); f > 0)
    ZoomRows(*this, f);
}

void ZoomRows(GphEvent& event, double f) {
  GphView* view = event.View();
  const auto row = event.GetRegion();
  if (!view || !row) return;
  GphWindow& window = *view->Window();
  const long centre = f > 1 ? PixelToX(row.get(), window.GetLeftLastPos().x) : 0;
  if (ZoomRowsAround(window.GetGfxInterface(), row.get(), f, centre)) window.SetDirty();
}

void ZoomReset(GphEvent& event) {
  GphView* view = event.View();
  const auto row = event.GetRegion();
  if (!view || !row) return;
  GphWindow& window = *view->Window();
  if (ZoomResetRows(window.GetGfxInterface(), row.get())) window.SetDirty();
}

long PixelToX(const GphEvent& event, int pixelX) { return PixelToX(event.GetRegion().get(), pixelX); }

std::wstring PointerInfoText(const GphEvent& event, int x, int y) {
  const auto row = event.GetRegion();
  GphView* view = event.View();
  GphView::Impl* impl = view ? view->GetImpl() : nullptr;
  if (!row || !impl) return L"";
  QziDoc* doc = GetDoc(view);
  const std::wstring format = doc->GetF()->GetIGph()->gO_.dteFmt_.get().Text();
  return PointerInfoText(row.get(), x, y, impl->from_, format);
}

}  // namespace PardeloStravon
