#include "views/tables/OptView.h"

#include <wx/dcclient.h>

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

// The table's width in nominal positions.
constexpr int TableWidth = 4100;

// The 28 columns: nominal position and header token.
struct Column {
  int x;
  const std::wstring* token;
};

const Column Columns[28] = {
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

}  // namespace

OptView::OptView() = default;

OptView::~OptView() { pImpl_.reset(); }

TableImpl* OptView::Table() const { return pImpl_.get(); }

void OptView::MakeImpl() { pImpl_.reset(new Impl(*this)); }

void OptView::DropImpl() { pImpl_.reset(); }

void OptView::PaintTable(DrawSurface& dc, const wxRegion&, bool) {
  const int rows = pImpl_->Draw(dc);
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
  charSize_.SetHeight(LineStep(TextExtent(dc, L"Xgy").GetHeight()));
  charSize_.SetWidth(TextExtent(dc, L"X").GetWidth());
}

int OptView::Impl::XPos(int n) const { return XPosOf(n, charSize_.GetWidth()); }

wxSize OptView::Impl::ContentSize(bool setScroll) {
  const int nodes = static_cast<int>(view_->Net().Size());
  const wxSize extent(XPos(TableWidth), 10 - (nodes + 2) * charSize_.GetHeight());
  if (setScroll) view_->SetContentExtent(extent.GetWidth(), extent.GetHeight());
  return extent;
}

int OptView::Impl::Draw(DrawSurface& dc) {
  if (dc.GetMapMode() != MM_LOMETRIC) dc.SetMapMode(MM_LOMETRIC);
  Measure(dc);
  ContentSize(true);
  return DrawRows(dc, 0, static_cast<int>(view_->Net().Size()), true);
}

int OptView::Impl::DrawRows(DrawSurface& dc, int from, int to, bool header) {
  const bool dhms = view_->Std().GetTmDhms();
  const std::wstring dateFormat =
      static_cast<const CString&>(GetDoc(view_)->GetF()->GetIGph()->gO_.dteFmt_).Text();
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.oLF_, OptionsColor(fonts));
  int y = -10;
  if (header) {
    DrawRow(dc, true, y, 0, L"", NodeOpt(), NodeSt(), dhms, dateFormat);
    y += charSize_.GetHeight();
  }
  const InstrNet& net = view_->Net();
  auto h = net.Begin();
  for (int passed = 0; passed < from && h != net.End(); ++passed) h = net.Next(h);
  int drawn = 0;
  for (; from < to && h != net.End(); h = net.Next(h), ++from) {
    const Node& node = h->second;
    DrawRow(dc, false, y, h->first, node.Type().Code(), node.Opt(), node.State(), dhms, dateFormat);
    y += charSize_.GetHeight();
    ++drawn;
  }
  return drawn;
}

void OptView::Impl::DrawRow(DrawSurface& dc, bool header, int y, int address, const std::wstring& type,
                            const NodeOpt& o, const NodeSt& s, bool dhms, const std::wstring& dateFormat) {
  if (header) {
    for (const Column& c : Columns) dc.DrawText(DictText(*c.token), XPos(c.x), y);
    return;
  }
  auto flag = [](bool v) { return OnOffText(v); };
  auto interval = [dhms](long v) { return IntervalText(v, dhms); };
  auto due = [&dateFormat](long t) { return DueText(static_cast<std::time_t>(t), dateFormat); };
  const std::wstring cells[28] = {
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
  for (int i = 0; i < 28; ++i) dc.DrawText(cells[i], XPos(Columns[i].x), y);
}

int OptView::Impl::RowsPerPage(DrawSurface& dc, TablePrintInfo& info) {
  const int h = std::abs(PrintPageSize(dc, &info, false).GetHeight());
  return RowsPerPrintedPage(h, std::abs(charSize_.GetHeight()));
}

wxSize OptView::Impl::PrintPageSize(DrawSurface& dc, TablePrintInfo* info, bool setup) {
  return PardeloStravon::PrintPageSize(dc, info, ContentSize(false).GetWidth(), setup);
}

int OptView::Impl::BeginPrinting(DrawSurface& dc, TablePrintInfo& info) {
  const int nodes = static_cast<int>(view_->Net().Size());
  if (nodes == 0) return 0;
  return PrintPageCount(nodes, RowsPerPage(dc, info));
}

void OptView::Impl::OnPrint(DrawSurface& dc, TablePrintInfo& info) {
  const int r = RowsPerPage(dc, info);
  const int p = info.curPage;
  QziDocIMFC& fonts = view_->Fonts();
  PrintPageFrame(dc, info, ContentSize(false).GetWidth(), fonts.oLF_, OptionsColor(fonts), DictText(CTW_Options));
  DrawRows(dc, (p - 1) * r, p * r, true);
}

const std::wstring& OptView::PrintTitleToken() const { return CTW_Options; }


}  // namespace PardeloStravon
