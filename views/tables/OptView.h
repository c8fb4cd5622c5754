#pragma once
// The table of the network's configuration: one row per instrument, active
// or not, with its 28 columns of options and next-due times. Every change
// the document reports redraws the whole table.
#include <boost/signals2/connection.hpp>

#include <ctime>
#include <functional>
#include <string>

#include "foundation/core/ImmPtr.h"
#include "network/DocSignal.h"
#include "views/tables/TableView.h"

namespace PardeloStravon {

struct NodeOpt;
struct NodeSt;

class OptView : public TableView {
  wxDECLARE_DYNAMIC_CLASS(OptView);

 public:
  class Impl;
  OptView();
  ~OptView() override;

  // Tests watch the paints: the number of rows each paint drew.
  using PaintProbe = std::function<void(int rows)>;
  void SetPaintProbe(PaintProbe probe) { probe_ = std::move(probe); }
  Impl* GetImpl() const { return pImpl_.get(); }

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

class OptView::Impl : public TableImpl {
 public:
  explicit Impl(OptView& view);

  void OnSignal(int address, DocSignal signal);
  std::wstring StatusText(int address, DocSignal signal) const;
  void SetStatus(const std::wstring& text);
  void SetTitle();
  void RefreshMenu();

  void Measure(Platform::DrawSurface& dc) override;
  wxSize CharSize() const { return charSize_; }
  int XPos(int n) const;
  wxSize ContentSize(bool setScroll);

  // Returns the number of instrument rows drawn.
  int DrawRows(Platform::DrawSurface& dc, int from, int to, bool header);
  void DrawRow(Platform::DrawSurface& dc, bool header, int y, int address, const std::wstring& type,
               const NodeOpt& opt, const NodeSt& st, bool dhms, const std::wstring& dateFormat);
  int Draw(Platform::DrawSurface& dc);

  int RowsPerPage(Platform::DrawSurface& dc, TablePrintInfo& info);
  wxSize PrintPageSize(Platform::DrawSurface& dc, TablePrintInfo* info, bool setup);
  int BeginPrinting(Platform::DrawSurface& dc, TablePrintInfo& info) override;
  void OnPrint(Platform::DrawSurface& dc, TablePrintInfo& info) override;

 private:
  OptView* view_;
  boost::signals2::scoped_connection connection_;
  wxSize charSize_{0, 0};
};

}  // namespace PardeloStravon
