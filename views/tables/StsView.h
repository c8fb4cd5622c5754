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
  void SetTitle();
  void RefreshMenu();

  void Measure(Platform::DrawSurface& dc) override;
  wxSize CharSize() const { return charSize_; }
  int XPos(int n) const;
  // The table's extent; with setScroll the window's scrolled area follows.
  wxSize ContentSize(bool setScroll);

  // The rows of active instruments from..to; with full the header and
  // every row, else only rows whose flag is clear. Returns the addresses drawn.
  std::vector<int> DrawRows(CellWriter& cells, int from, int to, bool full);
  // Each text cut where its column ends; the status text is the last
  // column and is never cut on screen.
  void DrawRow(CellWriter& cells, bool header, int row, const std::wstring& name, int link,
               const std::wstring& linkText, int alarm, const std::wstring& alarmText,
               const std::wstring& statusText);
  // A whole paint unless rowPaint; returns the addresses drawn.
  std::vector<int> Draw(Platform::DrawSurface& dc, bool rowPaint);

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
  bool upToDate_[256] = {};
  boost::signals2::scoped_connection connection_;
  wxSize charSize_{0, 0};
};

}  // namespace PardeloStravon
