#pragma once
// The live overview of the network: one row per active instrument with its
// name, link state, alarm and latest values, coloured by link and alarm.
// A result repaints only its instrument's row.
#include <boost/signals2/connection.hpp>

#include <functional>
#include <string>
#include <vector>

#include "foundation/core/ImmPtr.h"
#include "network/DocSignal.h"
#include "views/tables/CellWriter.h"
#include "views/tables/TableView.h"

namespace PardeloStravon {

struct PrintPlan;

class StsView : public TableView {
  wxDECLARE_DYNAMIC_CLASS(StsView);

 public:
  class Impl;
  StsView();
  ~StsView() override;

  // Tests watch the paints: whether a paint drew the whole table, and the
  // addresses of the rows it drew.
  using PaintProbe = std::function<void(bool full, const std::vector<int>& addresses)>;
  void SetPaintProbe(PaintProbe probe);

  // Null before the initial update and after the window went.
  Impl* GetImpl() const { return pImpl_.get(); }

  void OnCloseStatus();
  void OnCatchMyTest();

 protected:
  void PaintTable(Platform::DrawSurface& dc, const wxRegion& update, bool rowPaint) override;
  TableImpl* Table() const override;
  void MakeImpl() override;
  void DropImpl() override;
  const std::wstring& PrintTitleToken() const override;

 private:
  ImmScoped<Impl> pImpl_;
  PaintProbe probe_;
};

class StsView::Impl : public TableImpl {
 public:
  explicit Impl(StsView& view);

  void OnSignal(int address, DocSignal signal);
  std::wstring StatusText(int address, DocSignal signal) const;
  void SetStatus(const std::wstring& text);
  // Pane 0 shows the text once the results at hand are handled (the last
  // one's text of several); ShowPendingStatus is that moment.
  void SetStatusSoon(const std::wstring& text);
  void ShowPendingStatus();
  void SetTitle();
  void RefreshMenu();

  void Measure(Platform::DrawSurface& dc) override;
  wxSize CharSize() const { return charSize_; }
  int XPos(int n) const;
  // The table's extent; with setScroll the window's scrolled area follows.
  wxSize ContentSize(bool setScroll);

  // The rows of active instruments from..to; with full the header and
  // every row, else only rows whose flag is clear. Returns the addresses drawn.
  // Rows (1 for the first instrument, 0 the header) outside [firstRow,
  // lastRow] are passed over.
  std::vector<int> DrawRows(CellWriter& cells, int from, int to, bool full, int firstRow = 0,
                            int lastRow = INT_MAX);
  // Each text cut where its column ends; the status text is the last
  // column and is never cut on screen.
  void DrawRow(CellWriter& cells, bool header, int row, const std::wstring& name, int link,
               const std::wstring& linkText, int alarm, const std::wstring& alarmText,
               const std::wstring& statusText);
  // A whole paint unless rowPaint, of the rows the update region touches
  // (every row for an empty region); returns the addresses drawn.
  std::vector<int> Draw(Platform::DrawSurface& dc, bool rowPaint, const wxRegion& update);

  int StatusWidth() const { return statusWidth_; }
  bool UpToDate(int address) const { return upToDate_[address]; }

  // Printing: the rows a page holds, the page in table units, the frame of
  // a page, and the whole page.
  // The printed page's bands and rows.
  PrintPlan PlanPage(Platform::DrawSurface& dc, TablePrintInfo& info);
  int RowsPerPage(Platform::DrawSurface& dc, TablePrintInfo& info);
  wxSize PrintPageSize(Platform::DrawSurface& dc, TablePrintInfo* info, bool setup);
  int BeginPrinting(Platform::DrawSurface& dc, TablePrintInfo& info) override;
  void OnPrint(Platform::DrawSurface& dc, TablePrintInfo& info) override;

 private:
  // Invalidates the strip of the row of an active node, or nothing.
  void InvalidateRow(int address);

  StsView* view_;
  int statusWidth_ = 0;
  // Widths of the texts drawn on screen: names, link and alarm texts come
  // back on every paint.
  TextWidthCache widths_;
  std::wstring pendingStatus_;
  bool statusPosted_ = false;
  bool upToDate_[256] = {};
  boost::signals2::scoped_connection connection_;
  wxSize charSize_{0, 0};
};

}  // namespace PardeloStravon
