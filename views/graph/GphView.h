#pragma once
// The graph: the recorded history of one instrument over a time window, one
// plot row per plotted parameter, in a child frame of the graph template. It
// follows the clock, zooms, shows what lies under the pointer and prints.
// A print-only graph lives in a window of its own that is never shown, so
// that a periodic print never takes the user's window away.
// wx's weak references test their type with the standard traits.
#include <type_traits>

#include <wx/bitmap.h>
#include <wx/weakref.h>

#include <boost/signals2/connection.hpp>
#include <ctime>
#include <string>

#include "document/gui/QziView.h"
#include "foundation/core/ImmPtr.h"
#include "network/DocSignal.h"
#include "platform/gui/PrintTarget.h"
#include "views/plot/PlotView.h"

namespace PardeloStravon {

class GphView;
class QziDoc;

// The graph's window: the plot view, drawing and taking keys for its graph.
class GphWindow : public PlotView {
 public:
  GphWindow(wxWindow* parent, GphView* view);
  GphView* View() const { return view_; }

 protected:
  void OnDraw(wxDC& dc) override;
  void OnKeyDown(unsigned key, unsigned repeat, unsigned flags) override;

 private:
  friend class GphView;
  GphView* view_;
};

// Printer margins in inches from the paper's edges.
struct PrintMargins {
  float left = 0, right = 0, bottom = 0, top = 0;
};

// The margins the printable area of the page leaves: the offsets of its
// top-left corner and what lies beyond its far edges, rounded as the
// printer's own metric sizes round, plus a hundredth of an inch.
PrintMargins PagePrintArea(const Platform::PageGeometry& page);

class GphView : public QziView {
  wxDECLARE_DYNAMIC_CLASS(GphView);

 public:
  // The start value of a graph, read while its view is created.
  struct MoreInfo {
    int address_ = 0;
    std::time_t from_ = 0;
    std::time_t to_ = 0;
    bool follow_ = false;
    bool print_ = false;
  };

  struct Impl {
    Impl(GphView& view, const MoreInfo& info);

    void OnSignal(int address, DocSignal signal);
    // Works off the flags before a drawing; ppi counts dc's logical units
    // per inch (0: dc's own).
    void Prepare(wxDC& dc, bool printing, wxSize ppi = wxSize());
    // Stores busy_ and returns its previous value.
    bool SetBusy(bool busy);
    void SetStatus(const std::wstring& text);
    void SetTitle();
    void RefreshMenu();
    // At once: no signal reaches the graph any more and it draws nothing;
    // the window goes once the running handler has returned.
    void CloseFrame();
    void BuildPlot();
    void SetFontColorLine(wxDC& dc, bool printing, wxSize ppi);

    GphView& view_;
    boost::signals2::scoped_connection connection_;
    int address_;
    std::time_t from_, to_;
    const bool follow_;
    const bool print_;
    bool busy_ = false;
    bool shiftToNow_ = false;
    bool rebuild_ = true;
    bool restyle_ = false;
    bool closing_ = false;
    // How often the recording file was read and the plot styled.
    int reads_ = 0;
    int restyles_ = 0;
  };

  GphView();
  ~GphView() override;

  // Opens a graph of the instrument in a new window of the document; null
  // on failure (logged).
  static GphView* NewGraphic(int address, QziDoc* doc, std::time_t from, std::time_t to, bool follow,
                             bool print);
  // Prints the graph once, without a dialog, and closes it; true only when
  // the page was printed.
  static bool PrintGraphic(int address, QziDoc* doc, std::time_t from, std::time_t to);

  // Null before the view's creation finished and after its close.
  Impl* GetImpl() const { return pImpl_.get(); }
  GphWindow* Window() const { return window_; }
  // The frame of a shown graph or the hidden window of a print-only one.
  wxWindow* HostWindow() const;

  bool OnCreate(wxDocument* doc, long flags) override;
  void OnDraw(wxDC* dc) override;
  // The one page; false aborts the print job (a busy view, a failure).
  bool OnPrint(wxDC& dc, const Platform::PageGeometry& page);
  void OnEndPrinting();
  void OnKeyDown(unsigned key, unsigned repeat, unsigned flags);

  // The print commands as the router runs them; whether the last print
  // went out.
  bool LastPrintSucceeded() const { return lastPrint_; }

 protected:
  wxWindow* CreateViewWindow(ChildFrm& frame) override;
  void OnInitialUpdate() override;

 private:
  class Holder;
  void AddPrintCommands();
  bool Print(bool withDialog);
  bool Preview();
  void ScheduleClose();

  ImmScoped<Impl> pImpl_;
  GphWindow* window_ = nullptr;
  // What the window shows, drawn before it goes to the screen.
  wxBitmap buffer_;
  Holder* holder_ = nullptr;
  bool closeScheduled_ = false;
  bool lastPrint_ = false;
};

}  // namespace PardeloStravon
