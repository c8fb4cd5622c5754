#pragma once
// The table of the network's configuration: one row per instrument, active
// or not, with its 28 columns of options and next-due times. Every change
// the document reports redraws the whole table.
#include <boost/signals2/connection.hpp>

#include <array>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "foundation/core/ImmPtr.h"
#include "network/DocSignal.h"
#include "views/tables/CellWriter.h"
#include "views/tables/TableView.h"

namespace PardeloStravon {

struct NodeOpt;
struct NodeSt;
struct PrintPlan;

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

  static constexpr int ColumnCount = 28;
  using RowTexts = std::array<std::wstring, ColumnCount>;
  // The token of the column's header.
  static const std::wstring& HeaderToken(int column);
  // The texts of a row, formatted as its columns say.
  static RowTexts Cells(int address, const std::wstring& type, const NodeOpt& opt, const NodeSt& st, bool dhms,
                        const std::wstring& dateFormat);

  // Places the columns for the font on the surface: each starts at its
  // nominal position, or further right where the column before needs the
  // room for its widest cell or the longest word of its header; each
  // header is then broken into the lines its column's width allows.
  // widths: texts measured before on such a surface, or null.
  void Layout(Platform::DrawSurface& dc, TextWidthCache* widths);
  int ColumnX(int column) const { return columnX_[column]; }
  // Where the column's texts must end: before the next column's gap.
  int ColumnEnd(int column) const;
  int HeaderLines() const { return headerLines_; }
  const std::vector<std::wstring>& HeaderText(int column) const { return header_[column]; }

  // Returns the number of instrument rows drawn. Rows on lines (0 the
  // header's first) outside [firstLine, lastLine] are passed over.
  int DrawRows(CellWriter& cells, int from, int to, bool header, int firstLine = 0, int lastLine = INT_MAX);
  void DrawHeader(CellWriter& cells, int y);
  void DrawRow(CellWriter& cells, int y, const RowTexts& texts);
  // A paint: the rows the update region touches (all for an empty one).
  int Draw(Platform::DrawSurface& dc, const wxRegion& update);

  // The printed page's bands and rows, the columns placed for the printer.
  PrintPlan PlanPage(Platform::DrawSurface& dc, TablePrintInfo& info);
  int RowsPerPage(Platform::DrawSurface& dc, TablePrintInfo& info);
  wxSize PrintPageSize(Platform::DrawSurface& dc, TablePrintInfo* info, bool setup);
  int BeginPrinting(Platform::DrawSurface& dc, TablePrintInfo& info) override;
  void OnPrint(Platform::DrawSurface& dc, TablePrintInfo& info) override;

 private:
  OptView* view_;
  boost::signals2::scoped_connection connection_;
  wxSize charSize_{0, 0};
  std::array<int, ColumnCount> columnX_{};
  std::array<std::vector<std::wstring>, ColumnCount> header_;
  int headerLines_ = 1;
  int tableWidth_ = 0;
  TextWidthCache widths_;
  // Measured on the printer, for the page being printed.
  TextWidthCache printWidths_;
};

}  // namespace PardeloStravon
