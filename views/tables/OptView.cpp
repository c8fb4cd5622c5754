#include "views/tables/OptView.h"

#include <wx/dcclient.h>

#include <algorithm>
#include <cstdlib>

#include "document/QziDocIGph.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TextConv.h"
#include "foundation/gui/TextDrawing.h"
#include "network/nodes/InstrNet.h"
#include "views/tables/TableGeometry.h"
#include "views/tables/TablePrint.h"
#include "views/tables/TableTexts.h"

wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::OptView, wxView);

namespace PardeloStravon {

using Platform::DrawSurface;
using Platform::MM_LOMETRIC;

namespace {

// Dates and numbers of neighbouring columns read as one without a wider gap.
constexpr int OptionsGap = 2 * ColumnGapPosition;

// The table's width in nominal positions.
constexpr int TableWidth = 4100;

// The 28 columns: nominal position and header token.
struct Column {
  int x;
  const std::wstring* token;
};

const Column Columns[OptView::Impl::ColumnCount] = {
    {20, &CTW_Add},
    {80, &CTW_Type},
    {200, &CTW_Name},
    {560, &CTW_Active},
    {660, &CTW_Periodic_reading},
    {740, &CTW_At_startup},
    {820, &CTW_Reading_interval},
    {900, &CTW_Next_reading},
    {1200, &CTW_Periodic_registration},
    {1280, &CTW_At_startup},
    {1360, &CTW_Registration_interval},
    {1440, &CTW_Next_registration},
    // The settings' columns share the readings' header tokens.
    {1740, &CTW_Periodic_setting},
    {1820, &CTW_At_startup},
    {1900, &CTW_Reading_interval},
    {2000, &CTW_Next_reading},
    {2300, &CTW_Periodic_registration},
    {2380, &CTW_At_startup},
    {2460, &CTW_Registration_interval},
    {2560, &CTW_Next_registration},
    {2860, &CTW_Periodic_plot},
    {2940, &CTW_Plot_interval},
    {3020, &CTW_Next_plot},
    {3320, &CTW_Periodic_print},
    {3400, &CTW_Print_interval},
    {3480, &CTW_Next_print},
    {3780, &CTW_Link_timeout},
    {3900, &CTW_Lost_Link_Alarm},
};

const std::wstring* OptionsToken(DocSignal s) {
  switch (s) {
    case dsRxOk: return &CTW_RX_OK;
    case dsRxKo: return &CTW_RX_KO;
    case dsRyOk: return &CTW_RY_OK;
    case dsRyKo: return &CTW_RY_KO;
    case dsRgOk: return &CTW_RG_OK;
    case dsRgKo: return &CTW_RG_KO;
    case dsRhOk: return &CTW_RH_OK;
    case dsRhKo: return &CTW_RH_KO;
    case dsPrinted: return &CTW_ID_EDINSTR_PRINT_NEXT;
    case dsPlotUpdate: return &CTW_ID_EDINSTR_UPD_NEXT;
    case dsEditInstr: return &CTW_ID_EDIT_EDIT;
    case dsLanguage: return &CTW_ID_EDIT_LANGUAGE;
    case dsAddInstr: return &CTW_ID_EDIT_ADD;
    case dsRemoveInstr: return &CTW_ID_EDIT_REMOVE;
    case dsRxEnable: return &CTW_ID_EDIT_RX;
    case dsLogin: return &CTW_ID_EDIT_LOGIN;
    case dsLoginSup: return &CTW_ID_EDIT_LOGIN_SUP;
    case dsFontOptions: return &CTW_ID_EDIT_FONT_OPTION;
    case dsTimeFormat: return &CTW_ID_EDIT_TIME_INTERVALS_AS_DHMS;
    default: return nullptr;
  }
}

COLORREF OptionsColor(QziDocIMFC& fonts) { return static_cast<COLORREF>(static_cast<unsigned long>(fonts.oRGB_)); }

std::vector<std::wstring> Words(const std::wstring& text) {
  std::vector<std::wstring> words;
  std::wstring word;
  for (wchar_t c : text) {
    if (c == L' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// The words on as few lines as the width allows, a word per line at least.
std::vector<std::wstring> WrapWords(const std::vector<std::wstring>& words, int width,
                                    const std::function<int(const std::wstring&)>& measure) {
  std::vector<std::wstring> lines;
  for (const std::wstring& word : words) {
    if (!lines.empty() && measure(lines.back() + L" " + word) <= width)
      lines.back() += L" " + word;
    else
      lines.push_back(word);
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

}  // namespace

OptView::OptView() = default;

OptView::~OptView() { pImpl_.reset(); }

TableImpl* OptView::Table() const { return pImpl_.get(); }

void OptView::MakeImpl() { pImpl_.reset(new Impl(*this)); }

void OptView::DropImpl() { pImpl_.reset(); }

void OptView::PaintTable(DrawSurface& dc, const wxRegion& update, bool) {
  const int rows = pImpl_->Draw(dc, update);
  if (probe_) probe_(rows);
}

OptView::Impl::Impl(OptView& view) : view_(&view) {
  connection_ = view.Std().ConnectDocSignal([this](int address, DocSignal signal) { OnSignal(address, signal); });
  SetTitle();
  SetStatus(L"");
  RefreshMenu();
}

std::wstring OptView::Impl::StatusText(int address, DocSignal signal) const {
  return SignalStatusText(view_->Net(), address, signal, &OptionsToken);
}

void OptView::Impl::SetStatus(const std::wstring& text) { view_->SetStatus(text); }

void OptView::Impl::SetTitle() { view_->SetCaption(CTW_Options_Title); }

void OptView::Impl::RefreshMenu() { view_->RefreshMenu(); }

void OptView::Impl::OnSignal(int address, DocSignal signal) {
  const std::wstring text = StatusText(address, signal);
  switch (signal) {
    case dsLanguage:
      SetTitle();
      RefreshMenu();
      [[fallthrough]];
    case dsRxOk:
    case dsRxKo:
    case dsRyOk:
    case dsRyKo:
    case dsRgOk:
    case dsRgKo:
    case dsRhOk:
    case dsRhKo:
    case dsPrinted:
    case dsPlotUpdate:
    case dsEditInstr:
    case dsAddInstr:
    case dsRemoveInstr:
    case dsFontOptions:
    case dsTimeFormat:
      if (signal == dsFontOptions) widths_.Clear();
      SetStatus(text);
      // Every paint draws the whole table.
      view_->InvalidateAll();
      break;
    case dsRxEnable:
    case dsLogin:
    case dsLoginSup: SetStatus(text); break;
    default: break;
  }
}

void OptView::Impl::Measure(DrawSurface& dc) {
  if (dc.GetMapMode() != MM_LOMETRIC) dc.SetMapMode(MM_LOMETRIC);
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.oLF_, OptionsColor(fonts));
  const wxSize before = charSize_;
  charSize_.SetHeight(LineStep(TextExtent(dc, L"Xgy").GetHeight()));
  charSize_.SetWidth(TextExtent(dc, L"X").GetWidth());
  if (charSize_ != before) widths_.Clear();
}

int OptView::Impl::XPos(int n) const { return XPosOf(n, charSize_.GetWidth()); }

wxSize OptView::Impl::ContentSize(bool setScroll) {
  const int nodes = static_cast<int>(view_->Net().Size());
  const wxSize extent(std::max(tableWidth_, XPos(TableWidth)), 10 - (nodes + 1 + headerLines_) * charSize_.GetHeight());
  if (setScroll) view_->SetContentExtent(extent.GetWidth(), extent.GetHeight());
  return extent;
}

OptView::Impl::RowTexts OptView::Impl::Cells(int address, const std::wstring& type, const NodeOpt& o,
                                             const NodeSt& s, bool dhms, const std::wstring& dateFormat) {
  auto flag = [](bool v) { return OnOffText(v); };
  auto interval = [dhms](long v) { return IntervalText(v, dhms); };
  auto due = [&dateFormat](long t) { return DueText(static_cast<std::time_t>(t), dateFormat); };
  return RowTexts{
      ToWStr(address),
      type,
      o.nm_,
      flag(o.act_),
      flag(o.xr_),
      flag(o.xt_),
      interval(o.xs_),
      due(s.xn_),
      flag(o.gr_),
      flag(o.gt_),
      interval(o.gs_),
      due(s.gn_),
      flag(o.yr_),
      flag(o.yt_),
      interval(o.ys_),
      due(s.yn_),
      flag(o.hr_),
      flag(o.ht_),
      interval(o.hs_),
      due(s.hn_),
      flag(o.vr_),
      interval(o.vs_),
      due(s.vn_),
      flag(o.pr_),
      DaysText(o.ps_),
      due(s.pn_),
      interval(o.lostLinkDelay_),
      flag(o.actOnLinkAlarm_),
  };
}

void OptView::Impl::Layout(DrawSurface& dc, TextWidthCache* widths) {
  auto measure = [&](const std::wstring& text) {
    return widths ? widths->Width(dc, text) : dc.TextExtent(text).GetWidth();
  };
  const bool dhms = view_->Std().GetTmDhms();
  const std::wstring dateFormat =
      static_cast<const CString&>(GetDoc(view_)->GetF()->GetIGph()->gO_.dteFmt_).Text();
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.oLF_, OptionsColor(fonts));
  std::array<std::vector<std::wstring>, ColumnCount> words;
  std::array<int, ColumnCount> need{};
  for (int i = 0; i < ColumnCount; ++i) {
    words[i] = Words(DictText(*Columns[i].token));
    for (const std::wstring& word : words[i]) need[i] = std::max(need[i], measure(word));
  }
  const InstrNet& net = view_->Net();
  for (auto h = net.Begin(); h != net.End(); h = net.Next(h)) {
    const Node& node = h->second;
    const RowTexts texts = Cells(h->first, node.Type().Code(), node.Opt(), node.State(), dhms, dateFormat);
    for (int i = 0; i < ColumnCount; ++i) need[i] = std::max(need[i], measure(texts[i]));
  }
  const int gap = XPos(OptionsGap);
  for (int i = 0; i < ColumnCount; ++i) {
    columnX_[i] = XPos(Columns[i].x);
    if (i > 0) columnX_[i] = std::max(columnX_[i], columnX_[i - 1] + need[i - 1] + gap);
  }
  tableWidth_ = std::max(XPos(TableWidth), columnX_[ColumnCount - 1] + need[ColumnCount - 1]);
  headerLines_ = 1;
  for (int i = 0; i < ColumnCount; ++i) {
    header_[i] = WrapWords(words[i], ColumnEnd(i) - columnX_[i], measure);
    headerLines_ = std::max(headerLines_, static_cast<int>(header_[i].size()));
  }
}

const std::wstring& OptView::Impl::HeaderToken(int column) { return *Columns[column].token; }

int OptView::Impl::ColumnEnd(int column) const {
  if (column + 1 >= ColumnCount) return std::max(tableWidth_, XPos(TableWidth));
  return columnX_[column + 1] - XPos(OptionsGap);
}

int OptView::Impl::Draw(DrawSurface& dc, const wxRegion& update) {
  if (dc.GetMapMode() != MM_LOMETRIC) dc.SetMapMode(MM_LOMETRIC);
  Measure(dc);
  Layout(dc, &widths_);
  ContentSize(true);
  // Rows the update region does not touch are passed over: the paint's
  // clipping would drop every pixel of them.
  auto [firstLine, lastLine] = view_->RowsTouched(update, charSize_.GetHeight());
  if (update.IsEmpty()) firstLine = 0, lastLine = INT_MAX;
  CellWriter cells(dc, &widths_);
  return DrawRows(cells, 0, static_cast<int>(view_->Net().Size()), true, firstLine, lastLine);
}

int OptView::Impl::DrawRows(CellWriter& cells, int from, int to, bool header, int firstLine, int lastLine) {
  DrawSurface& dc = cells.Dc();
  const bool dhms = view_->Std().GetTmDhms();
  const std::wstring dateFormat =
      static_cast<const CString&>(GetDoc(view_)->GetF()->GetIGph()->gO_.dteFmt_).Text();
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.oLF_, OptionsColor(fonts));
  int y = -10;
  if (header) {
    DrawHeader(cells, y);
    y += headerLines_ * charSize_.GetHeight();
  }
  const InstrNet& net = view_->Net();
  auto h = net.Begin();
  for (int passed = 0; passed < from && h != net.End(); ++passed) h = net.Next(h);
  int drawn = 0;
  int line = header ? headerLines_ : 0;
  for (; from < to && h != net.End() && line <= lastLine; h = net.Next(h), ++from, ++line) {
    if (line >= firstLine) {
      const Node& node = h->second;
      DrawRow(cells, y, Cells(h->first, node.Type().Code(), node.Opt(), node.State(), dhms, dateFormat));
      ++drawn;
    }
    y += charSize_.GetHeight();
  }
  return drawn;
}

void OptView::Impl::DrawHeader(CellWriter& cells, int y) {
  for (int i = 0; i < ColumnCount; ++i) {
    int line = y;
    for (const std::wstring& text : header_[i]) {
      cells.Cell(text, columnX_[i], line, ColumnEnd(i));
      line += charSize_.GetHeight();
    }
  }
}

void OptView::Impl::DrawRow(CellWriter& cells, int y, const RowTexts& texts) {
  for (int i = 0; i < ColumnCount; ++i) cells.Cell(texts[i], columnX_[i], y, ColumnEnd(i));
}

PrintPlan OptView::Impl::PlanPage(DrawSurface& dc, TablePrintInfo& info) {
  {
    const int previous = dc.SetMapMode(MM_LOMETRIC);
    Layout(dc, &printWidths_);
    dc.SetMapMode(previous);
  }
  PrintedTable table;
  table.width = ContentSize(false).GetWidth();
  table.columns.assign(columnX_.begin(), columnX_.end());
  table.textHeight = TextHeightOfLineStep(charSize_.GetHeight());
  table.pitch = std::abs(charSize_.GetHeight());
  table.headerLines = headerLines_;
  table.key = columnX_[1];
  return PlanPrintedPage(dc, info, table);
}

int OptView::Impl::RowsPerPage(DrawSurface& dc, TablePrintInfo& info) { return PlanPage(dc, info).rowsPerPage; }

wxSize OptView::Impl::PrintPageSize(DrawSurface& dc, TablePrintInfo* info, bool setup) {
  return PardeloStravon::PrintPageSize(dc, info, ContentSize(false).GetWidth(), setup);
}

int OptView::Impl::BeginPrinting(DrawSurface& dc, TablePrintInfo& info) {
  // Measured again for each printout; its pages reuse the widths.
  printWidths_.Clear();
  return PrintedPageCount(static_cast<int>(view_->Net().Size()), PlanPage(dc, info));
}

void OptView::Impl::OnPrint(DrawSurface& dc, TablePrintInfo& info) {
  const PrintPlan plan = PlanPage(dc, info);
  const int r = plan.rowsPerPage;
  const int p = info.curPage;
  QziDocIMFC& fonts = view_->Fonts();
  PrintBandedPage(dc, info, plan, std::abs(charSize_.GetHeight()), fonts.oLF_, OptionsColor(fonts),
                  DictText(CTW_Options), [&](CellWriter& cells) { DrawRows(cells, (p - 1) * r, p * r, true); },
                  &printWidths_);
}

const std::wstring& OptView::PrintTitleToken() const { return CTW_Options; }


}  // namespace PardeloStravon
