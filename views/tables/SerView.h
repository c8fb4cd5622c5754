#pragma once
// The serial trace as a ring of rows: the newest line at a moving cursor
// row and the oldest after it, so a new line repaints one row instead of
// scrolling the list. Closing the view switches troubleshooting off.
#include <boost/signals2/connection.hpp>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/core/ImmPtr.h"
#include "network/DocSignal.h"
#include "views/tables/CellWriter.h"
#include "views/tables/SerialRing.h"
#include "views/tables/TableView.h"

namespace PardeloStravon {

struct PrintPlan;

class SerView : public TableView {
  wxDECLARE_DYNAMIC_CLASS(SerView);

 public:
  class Impl;
  SerView();
  ~SerView() override;

  // Tests watch the paints: whether a paint redrew the whole ring, and the
  // rows it drew with the line each showed.
  using PaintProbe = std::function<void(bool full, const std::vector<std::pair<int, std::wstring>>& rows)>;
  void SetPaintProbe(PaintProbe probe) { probe_ = std::move(probe); }
  Impl* GetImpl() const { return pImpl_.get(); }

 protected:
  void PaintTable(Platform::DrawSurface& dc, const wxRegion& update, bool rowPaint) override;
  TableImpl* Table() const override;
  void MakeImpl() override;
  void DropImpl() override;
  // Switches troubleshooting off while the document still has content.
  void WindowDestroyed() override;
  const std::wstring& PrintTitleToken() const override;

 private:
  ImmScoped<Impl> pImpl_;
  PaintProbe probe_;
};

class SerView::Impl : public TableImpl {
 public:
  explicit Impl(SerView& view);

  void OnSignal(int address, DocSignal signal);
  std::wstring StatusText(int address, DocSignal signal) const;
  void SetStatus(const std::wstring& text);
  void SetTitle();
  void RefreshMenu();

  void Measure(Platform::DrawSurface& dc) override;
  int XPos(int n) const;
  int LineHeight() const { return lineHeight_; }
  wxSize ContentSize(bool setScroll);

  void UpdateCursor(CursorEvent event);
  // Catches up with the lines the trace started since the last look.
  void FollowTrace();
  const SerialRing& Ring() const { return ring_; }

  // A paint: before it the ring's state for a partial or a whole repaint;
  // rows outside [firstRow, lastRow] are clipped away and not drawn.
  std::vector<std::pair<int, std::wstring>> Draw(Platform::DrawSurface& dc, bool rowPaint, int firstRow,
                                                  int lastRow);
  // Lines first..last with their row at index - offset; rows outside the
  // window are skipped.
  void DrawLines(CellWriter& cells, int first, int last, int offset,
                 std::vector<std::pair<int, std::wstring>>* drawn, int firstRow, int lastRow);

  // The printed page's bands and lines.
  PrintPlan PlanPage(Platform::DrawSurface& dc, TablePrintInfo& info);
  int RowsPerPage(Platform::DrawSurface& dc, TablePrintInfo& info);
  wxSize PageSize(Platform::DrawSurface& dc, TablePrintInfo* info, bool scale);
  int BeginPrinting(Platform::DrawSurface& dc, TablePrintInfo& info) override;
  void OnPrint(Platform::DrawSurface& dc, TablePrintInfo& info) override;

 private:
  unsigned Lines() const;
  void InvalidateBands();

  SerView* view_;
  int maxLineWidth_ = 0;
  SerialRing ring_;
  boost::signals2::scoped_connection connection_;
  int charWidth_ = 0;
  int lineHeight_ = -1;
};

}  // namespace PardeloStravon
