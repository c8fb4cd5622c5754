#include "views/tables/SerView.h"

#include <wx/dcclient.h>

#include <algorithm>
#include <cstdlib>

#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "foundation/gui/TextDrawing.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "views/tables/TableGeometry.h"
#include "views/tables/TablePrint.h"
#include "views/tables/TableTexts.h"

wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::SerView, wxView);

namespace PardeloStravon {

using Platform::DrawSurface;
using Platform::MM_LOMETRIC;

namespace {

const std::wstring* SerialToken(DocSignal s) {
  switch (s) {
    case dsRxOk: return &CTW_RX_OK;
    case dsRxKo: return &CTW_RX_KO;
    case dsRyOk: return &CTW_RY_OK;
    case dsRyKo: return &CTW_RY_KO;
    case dsTyOk: return &CTW_TY_OK;
    case dsRgOk: return &CTW_RG_OK;
    case dsRgKo: return &CTW_RG_KO;
    case dsRhOk: return &CTW_RH_OK;
    case dsRhKo: return &CTW_RH_KO;
    case dsLanguage: return &CTW_ID_EDIT_LANGUAGE;
    case dsRxEnable: return &CTW_ID_EDIT_RX;
    case dsLogin: return &CTW_ID_EDIT_LOGIN;
    case dsLoginSup: return &CTW_ID_EDIT_LOGIN_SUP;
    case dsFontStatus: return &CTW_ID_EDIT_FONTFORSTATUS;
    case dsTraceText:
    case dsTraceLine: return &CTW_Serial_Line_Troubleshooting;
    default: return nullptr;
  }
}

constexpr int ColText = 20;
constexpr int ColWidth = 930;

COLORREF StatusColor(QziDocIMFC& fonts) { return static_cast<COLORREF>(static_cast<unsigned long>(fonts.sRGB_)); }

}  // namespace

SerView::SerView() = default;

SerView::~SerView() {
  // The framework deletes a closed frame's view before its window.
  if (pImpl_.get()) WindowDestroyed();
}

TableImpl* SerView::Table() const { return pImpl_.get(); }

void SerView::MakeImpl() { pImpl_.reset(new Impl(*this)); }

void SerView::DropImpl() { pImpl_.reset(); }

void SerView::WindowDestroyed() {
  // Troubleshooting lasts as long as its view, while the document lives.
  if (HasContent()) Std().NetOpt().SetTroubleshootSerial(false);
  DropImpl();
}

void SerView::PaintTable(DrawSurface& dc, const wxRegion& update, bool rowPaint) {
  // Only the rows the update region touches are drawn.
  const auto [firstRow, lastRow] = RowsTouched(update, pImpl_->LineHeight());
  auto drawn = pImpl_->Draw(dc, rowPaint, firstRow, lastRow);
  if (probe_) probe_(!rowPaint, drawn);
}

SerView::Impl::Impl(SerView& view) : view_(&view) {
  connection_ = view.Std().ConnectDocSignal([this](int address, DocSignal signal) { OnSignal(address, signal); });
  ring_.Start(Lines(), view.Std().TraceDiscardedCount());
  SetStatus(L"");
  SetTitle();
  RefreshMenu();
}

unsigned SerView::Impl::Lines() const { return static_cast<unsigned>(view_->Std().TraceLineCount()); }

std::wstring SerView::Impl::StatusText(int address, DocSignal signal) const {
  return SignalStatusText(view_->Net(), address, signal, &SerialToken);
}

void SerView::Impl::SetStatus(const std::wstring& text) { view_->SetStatus(text); }

void SerView::Impl::SetTitle() { view_->SetCaption(CTW_Serial_Line_Troubleshooting_Title); }

void SerView::Impl::RefreshMenu() { view_->RefreshMenu(); }

void SerView::Impl::OnSignal(int address, DocSignal signal) {
  ASSERT_THROW(0 <= address && address <= 255, L"Address out of range");
  switch (signal) {
    case dsRxOk:
    case dsRxKo:
    case dsRyOk:
    case dsRyKo:
    case dsTyOk:
    case dsRgOk:
    case dsRgKo:
    case dsRhOk:
    case dsRhKo:
    case dsRxEnable:
    case dsLogin:
    case dsLoginSup: SetStatus(StatusText(address, signal)); break;
    case dsLanguage: {
      const std::wstring text = StatusText(address, signal);
      SetTitle();
      RefreshMenu();
      SetStatus(text);
      break;
    }
    case dsFontStatus: {
      const std::wstring text = StatusText(address, signal);
      SetStatus(text);
      view_->MeasureOnClient();
      UpdateCursor(ceRepaintAll);
      view_->InvalidateAll();
      break;
    }
    case dsTraceText:
    case dsTraceLine: {
      const std::wstring text = StatusText(address, signal);
      SetStatus(text);
      FollowTrace();
      InvalidateBands();
      break;
    }
    default: break;
  }
}

void SerView::Impl::UpdateCursor(CursorEvent event) { ring_.UpdateCursor(event, Lines()); }

void SerView::Impl::FollowTrace() { ring_.FollowTrace(Lines(), view_->Std().TraceDiscardedCount()); }

void SerView::Impl::InvalidateBands() {
  const int right = XPos(ColWidth) + maxLineWidth_;
  for (const auto& band : ring_.DirtyBands(Lines())) {
    const int a = static_cast<int>(band.first);
    const int b = static_cast<int>(band.second);
    view_->InvalidateStrip(0, a * lineHeight_ - 10, right, (b + 1) * lineHeight_ - 9);
  }
}

void SerView::Impl::Measure(DrawSurface& dc) {
  if (dc.GetMapMode() != MM_LOMETRIC) dc.SetMapMode(MM_LOMETRIC);
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.sLF_, StatusColor(fonts));
  charWidth_ = TextExtent(dc, L"X").GetWidth();
  lineHeight_ = LineStep(TextExtent(dc, L"Xgy").GetHeight());
}

int SerView::Impl::XPos(int n) const { return XPosOf(n, charWidth_); }

wxSize SerView::Impl::ContentSize(bool setScroll) {
  const int n = static_cast<int>(Lines());
  const wxSize extent(XPos(ColWidth) + maxLineWidth_, 10 - (n + 2) * lineHeight_);
  if (setScroll) view_->SetContentExtent(extent.GetWidth(), extent.GetHeight());
  return extent;
}

std::vector<std::pair<int, std::wstring>> SerView::Impl::Draw(DrawSurface& dc, bool rowPaint, int firstRow,
                                                              int lastRow) {
  if (dc.GetMapMode() != MM_LOMETRIC) dc.SetMapMode(MM_LOMETRIC);
  std::vector<std::pair<int, std::wstring>> drawn;
  if (!rowPaint) {
    // Lines may have come without a signal (the troubleshooting switch's).
    FollowTrace();
    UpdateCursor(ceRepaintAll);
  }
  const unsigned n = Lines();
  if (n == 0) return drawn;
  const int cursor = static_cast<int>(ring_.CursorRow());
  const int dirtyFrom = static_cast<int>(ring_.DirtyFrom());
  const int off = static_cast<int>(n) - 1 - cursor;
  CellWriter cells(dc);
  if (dirtyFrom <= cursor) {
    DrawLines(cells, dirtyFrom + off, cursor + off, off, &drawn, firstRow, lastRow);
  } else {
    DrawLines(cells, off, cursor + off, off, &drawn, firstRow, lastRow);
    const int off2 = off - static_cast<int>(n);
    DrawLines(cells, dirtyFrom + off2, static_cast<int>(n) - 1 + off2, off2, &drawn, firstRow, lastRow);
  }
  UpdateCursor(cePainted);
  ContentSize(true);
  return drawn;
}

void SerView::Impl::DrawLines(CellWriter& cells, int first, int last, int offset,
                              std::vector<std::pair<int, std::wstring>>* drawn, int firstRow, int lastRow) {
  DrawSurface& dc = cells.Dc();
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.sLF_, StatusColor(fonts));
  if (lastRow >= firstRow) {
    first = std::max(first, firstRow + offset);
    last = std::min(last, lastRow + offset);
  }
  const QziDocIStd& std = view_->Std();
  for (int i = first; i <= last; ++i) {
    const std::wstring& line = std.TraceLine(i);
    const int w = cells.Cell(line, XPos(ColText), (i - offset) * lineHeight_ - 10);
    if (w > maxLineWidth_) maxLineWidth_ = w;
    if (drawn) drawn->emplace_back(i - offset, line);
  }
}

wxSize SerView::Impl::PageSize(DrawSurface& dc, TablePrintInfo* info, bool scale) {
  return PrintPageSize(dc, info, ContentSize(false).GetWidth(), scale);
}

PrintPlan SerView::Impl::PlanPage(DrawSurface& dc, TablePrintInfo& info) {
  PrintedTable table;
  table.width = ContentSize(false).GetWidth();
  table.columns = {XPos(ColText)};
  table.textHeight = TextHeightOfLineStep(lineHeight_);
  table.pitch = PrintedRowPitch(lineHeight_);
  return PlanPrintedPage(dc, info, table);
}

int SerView::Impl::RowsPerPage(DrawSurface& dc, TablePrintInfo& info) { return PlanPage(dc, info).rowsPerPage; }

int SerView::Impl::BeginPrinting(DrawSurface& dc, TablePrintInfo& info) {
  return PrintedPageCount(static_cast<int>(Lines()), PlanPage(dc, info));
}

void SerView::Impl::OnPrint(DrawSurface& dc, TablePrintInfo& info) {
  const PrintPlan plan = PlanPage(dc, info);
  const int lines = std::max(plan.rowsPerPage, 1);
  const int p = info.curPage;
  const int n = static_cast<int>(Lines());
  QziDocIMFC& fonts = view_->Fonts();
  const int first = (p - 1) * lines;
  const int last = std::min(p * lines, n) - 1;
  PrintBandedPage(dc, info, plan, PrintedRowPitch(lineHeight_), fonts.sLF_, StatusColor(fonts),
                  DictText(CTW_Serial_Line_Troubleshooting),
                  [&](CellWriter& cells) { DrawLines(cells, first, last, first, nullptr, 0, -1); });
}

const std::wstring& SerView::PrintTitleToken() const { return CTW_Serial_Line_Troubleshooting; }


}  // namespace PardeloStravon
