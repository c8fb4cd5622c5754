#pragma once
// What the three text tables share as views: a scrolled window that draws
// in tenths of a millimetre, the frame's caption, panes and menu, partial
// repaints of strips the view invalidated itself, and the print commands.
#include <type_traits>

#include <wx/region.h>
#include <wx/scrolwin.h>
#include <wx/weakref.h>

#include <memory>
#include <string>
#include <utility>

#include "document/gui/QziView.h"
#include "platform/gui/DrawSurface.h"
#include "platform/gui/PrintTarget.h"

namespace PardeloStravon {

class InstrNet;
class QziDocIStd;
class QziDocIMFC;
class TableView;
struct TablePrintInfo;

// What a view's Impl does for the shared parts: measure the font, and the
// framework's OnBeginPrinting (the page count) and OnPrint.
class TableImpl {
 public:
  virtual ~TableImpl() = default;
  virtual void Measure(Platform::DrawSurface& dc) = 0;
  virtual int BeginPrinting(Platform::DrawSurface& dc, TablePrintInfo& info) = 0;
  virtual void OnPrint(Platform::DrawSurface& dc, TablePrintInfo& info) = 0;
};

// The window of a table view. It outlives its view when the document goes
// first, and then paints nothing.
class TableWindow : public wxScrolledCanvas {
 public:
  TableWindow(wxWindow* parent, TableView* view);
  void Detach() { view_ = nullptr; }
  TableView* View() const { return view_; }

 private:
  void OnPaint(wxPaintEvent& event);
  void OnDestroy(wxWindowDestroyEvent& event);
  TableView* view_;
};

class TableView : public QziView {
 public:
  TableView();
  ~TableView() override;

  TableWindow* Window() const { return window_.get(); }

  // The strip (logical units, y up) as client pixels at the current scroll
  // position, rounded outward.
  wxRect LogicalToClient(int left, int top, int right, int bottom) const;
  // Invalidates the strip with erasing and remembers it: a paint within
  // the strips invalidated since the last paint is a partial one.
  void InvalidateStrip(int left, int top, int right, int bottom);
  // Invalidates the whole client area with erasing.
  void InvalidateAll();
  // The scrolled area follows the table's extent in logical units.
  void SetContentExtent(int width, int height);

  // The surface's units per device pixel of the window.
  static double WindowScale();
  // The rows (row r from r × lineStep − 10 down to the next) that the
  // update region touches at the current scroll position, a row either way
  // to spare; (0, -1) for an empty region or no line step.
  std::pair<int, int> RowsTouched(const wxRegion& update, int lineStep) const;

  void OnUpdate(wxView* sender, wxObject* hint) override;

  // The printout's side, on a context whose logical unit is one device unit
  // of the geometry: the page count (0 for an empty table), then each page.
  int CountPrintPages(wxDC& dc, const Platform::PageGeometry& geometry);
  void PrintPage(wxDC& dc, TablePrintInfo& info);
  // Measures the font on a context of the window.
  void MeasureOnClient();

  // Pane 0 the text; the other panes after reception and logins.
  void SetStatus(const std::wstring& text);
  // Caption: the token's text followed directly by the document's title.
  void SetCaption(const std::wstring& token);
  void RefreshMenu();

  QziDocIStd& Std() const;
  InstrNet& Net() const;
  QziDocIMFC& Fonts() const;
  // Whether the document still has content.
  bool HasContent() const;

 protected:
  wxWindow* CreateViewWindow(ChildFrm& frame) override;

  // Draws the table on a surface in MM_LOMETRIC prepared for the scroll
  // position. rowPaint: the update region lies within the strips the view
  // invalidated since the last paint. Not called before the initial update.
  virtual void PaintTable(Platform::DrawSurface& dc, const wxRegion& update, bool rowPaint) = 0;
  // The Impl: made at the initial update (it connects to the document
  // signal), emptied when the window goes (which disconnects it).
  virtual TableImpl* Table() const = 0;
  virtual void MakeImpl() = 0;
  virtual void DropImpl() = 0;
  // The initial update: the Impl, a scrolled area of 1000 × 1000, the whole
  // view invalidated, the font measured.
  void OnInitialUpdate() override;
  virtual void WindowDestroyed() { DropImpl(); }
  bool Ready() const { return Table() != nullptr; }
  // The printed title's token.
  virtual const std::wstring& PrintTitleToken() const = 0;

  // The print commands: with the dialog, directly, preview. A failed print
  // is said in a message box.
  void Print(bool withDialog);
  void Preview();


 private:
  friend class TableWindow;
  void Paint(wxPaintDC& dc, const wxRegion& update);

  wxWeakRef<TableWindow> window_;
  wxRegion pending_;
};

}  // namespace PardeloStravon
