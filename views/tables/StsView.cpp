#include "views/tables/StsView.h"

#include "document/QziDocIMFC.h"
#include "document/QziDocIStd.h"
#include "document/ShellServices.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/Assert.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "foundation/gui/TextDrawing.h"
#include "network/nodes/InstrNet.h"
#include "network/schedule/StatusTexts.h"
#include "platform/gui/ProgramIds.h"
#include "views/tables/TableGeometry.h"
#include "views/tables/TablePrint.h"
#include "views/tables/TableTexts.h"

#include <wx/dcclient.h>

#include <cstdlib>

wxIMPLEMENT_DYNAMIC_CLASS(PardeloStravon::StsView, wxView);

namespace PardeloStravon {

using Platform::DrawSurface;
using Platform::MM_LOMETRIC;

namespace {

constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF DarkGreen = RGB(0, 128, 0);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF Yellow = RGB(224, 224, 0);

// Column positions of name, link, alarm and status text.
constexpr int ColName = 20;
constexpr int ColLink = 360;
constexpr int ColAlarm = 530;
constexpr int ColStatus = 930;

const std::wstring* StatusToken(DocSignal s) {
  switch (s) {
    case dsRxOk: return &CTW_RX_OK;
    case dsRxKo: return &CTW_RX_KO;
    case dsRyOk: return &CTW_RY_OK;
    case dsRyKo: return &CTW_RY_KO;
    case dsTyOk: return &CTW_TY_OK;
    case dsTyKo: return &CTW_TY_KO;
    case dsRgOk: return &CTW_RG_OK;
    case dsRgKo: return &CTW_RG_KO;
    case dsRhOk: return &CTW_RH_OK;
    case dsRhKo: return &CTW_RH_KO;
    case dsEditInstr: return &CTW_ID_EDIT_EDIT;
    case dsLanguage: return &CTW_ID_EDIT_LANGUAGE;
    case dsAddInstr: return &CTW_ID_EDIT_ADD;
    case dsRemoveInstr: return &CTW_ID_EDIT_REMOVE;
    case dsRxEnable: return &CTW_ID_EDIT_RX;
    case dsLogin: return &CTW_ID_EDIT_LOGIN;
    case dsLoginSup: return &CTW_ID_EDIT_LOGIN_SUP;
    case dsFontStatus: return &CTW_ID_EDIT_FONTFORSTATUS;
    default: return nullptr;
  }
}

COLORREF LinkColor(int link) {
  switch (link) {
    case 0: return Grey;
    case 1: return Yellow;
    case 2: return Red;
    case 3: return DarkGreen;
    case 4: return Yellow;
    default: return Red;
  }
}

}  // namespace

StsView::StsView() {
  Target().OnCommand(Platform::ID_VIEW_CLOSE_STATUS, [this] { OnCloseStatus(); });
  Target().OnCommand(134, [this] { OnCatchMyTest(); });
}

StsView::~StsView() { pImpl_.reset(); }

void StsView::SetPaintProbe(PaintProbe probe) { probe_ = std::move(probe); }

TableImpl* StsView::Table() const { return pImpl_.get(); }

void StsView::MakeImpl() { pImpl_.reset(new Impl(*this)); }

void StsView::DropImpl() { pImpl_.reset(); }

void StsView::PaintTable(DrawSurface& dc, const wxRegion& update, bool rowPaint) {
  std::vector<int> drawn = pImpl_->Draw(dc, rowPaint, update);
  if (probe_) probe_(!rowPaint, drawn);
}

void StsView::OnCloseStatus() {
  ActivityLog << L"\n" << TimeStamp() << L" StatusView closure menu invocation\n";
  // The frame goes with its view, which lets the document know.
  if (ChildFrm* frame = Frame()) frame->Close(true);
}

void StsView::OnCatchMyTest() {
  ActivityLog << L"\n" << TimeStamp() << L" CatchMyTest OK!!!\n";
  Shell().ShowMessageBox(L"CatchMyTest OK!!!");
}

StsView::Impl::Impl(StsView& view) : view_(&view) {
  connection_ = view.Std().ConnectDocSignal([this](int address, DocSignal signal) { OnSignal(address, signal); });
  SetStatus(L"");
  SetTitle();
  RefreshMenu();
}

std::wstring StsView::Impl::StatusText(int address, DocSignal signal) const {
  return SignalStatusText(view_->Net(), address, signal, &StatusToken);
}

void StsView::Impl::SetStatus(const std::wstring& text) { view_->SetStatus(text); }

void StsView::Impl::SetStatusSoon(const std::wstring& text) {
  pendingStatus_ = text;
  if (statusPosted_) return;
  TableWindow* window = view_->Window();
  if (!window) return SetStatus(text);
  statusPosted_ = true;
  // A pane shown at once paints the frame, and with it the rows pending:
  // a tick's results would paint once each.
  window->CallAfter([window] {
    auto* view = dynamic_cast<StsView*>(window->View());
    if (Impl* impl = view ? view->GetImpl() : nullptr) impl->ShowPendingStatus();
  });
}

void StsView::Impl::ShowPendingStatus() {
  statusPosted_ = false;
  SetStatus(pendingStatus_);
}

void StsView::Impl::SetTitle() { view_->SetCaption(CTW_Status_Title); }

void StsView::Impl::RefreshMenu() { view_->RefreshMenu(); }

void StsView::Impl::OnSignal(int address, DocSignal signal) {
  ASSERT_THROW(0 <= address && address <= 255, L"Address out of range");
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
    case dsTyOk:
    case dsTyKo:
    case dsRgOk:
    case dsRgKo:
    case dsRhOk:
    case dsRhKo:
      upToDate_[address] = false;
      InvalidateRow(address);
      SetStatusSoon(text);
      break;
    case dsEditInstr:
    case dsAddInstr:
    case dsRemoveInstr:
    case dsFontStatus:
      if (signal == dsFontStatus) widths_.Clear();
      SetStatus(text);
      view_->MeasureOnClient();
      upToDate_[0] = false;
      view_->InvalidateAll();
      break;
    case dsRxEnable:
    case dsLogin:
    case dsLoginSup: SetStatus(text); break;
    default: break;
  }
}

void StsView::Impl::InvalidateRow(int address) {
  // While a whole paint is pending every row is drawn anyway.
  if (address == 0 || !upToDate_[0]) {
    view_->InvalidateAll();
    return;
  }
  const InstrNet& net = view_->Net();
  int k = 0;
  for (auto h = net.Begin(); h != net.End(); h = net.Next(h)) {
    if (!static_cast<bool>(h->second.Opt().act_)) continue;
    ++k;
    if (h->first != address) continue;
    const int cy = charSize_.GetHeight();
    const int top = k * cy - 10;
    view_->InvalidateStrip(0, top, XPos(ColStatus) + statusWidth_, top + cy + 1);
    return;
  }
}

void StsView::Impl::Measure(DrawSurface& dc) {
  if (dc.GetMapMode() != MM_LOMETRIC) dc.SetMapMode(MM_LOMETRIC);
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.sLF_, static_cast<COLORREF>(static_cast<unsigned long>(fonts.sRGB_)));
  const wxSize before = charSize_;
  charSize_.SetHeight(LineStep(TextExtent(dc, L"Xgy").GetHeight()));
  charSize_.SetWidth(TextExtent(dc, L"X").GetWidth());
  if (charSize_ != before) widths_.Clear();
}

int StsView::Impl::XPos(int n) const { return XPosOf(n, charSize_.GetWidth()); }

wxSize StsView::Impl::ContentSize(bool setScroll) {
  const int active = view_->Net().CountActive();
  const wxSize extent(XPos(ColStatus) + statusWidth_, 10 - (active + 2) * charSize_.GetHeight());
  if (setScroll) view_->SetContentExtent(extent.GetWidth(), extent.GetHeight());
  return extent;
}

std::vector<int> StsView::Impl::Draw(DrawSurface& dc, bool rowPaint, const wxRegion& update) {
  if (dc.GetMapMode() != MM_LOMETRIC) dc.SetMapMode(MM_LOMETRIC);
  // Any paint but one of the strips the row signals asked for draws all.
  if (!rowPaint) upToDate_[0] = false;
  const bool full = !upToDate_[0];
  if (full) Measure(dc);
  // Rows the update region does not touch are not drawn: none of their
  // pixels would show.
  auto [firstRow, lastRow] = view_->RowsTouched(update, charSize_.GetHeight());
  if (update.IsEmpty()) firstRow = 0, lastRow = INT_MAX;
  CellWriter cells(dc, &widths_);
  std::vector<int> drawn = DrawRows(cells, 0, view_->Net().CountActive(), full, firstRow, lastRow);
  for (bool& flag : upToDate_) flag = true;
  ContentSize(true);
  return drawn;
}

std::vector<int> StsView::Impl::DrawRows(CellWriter& cells, int from, int to, bool full, int firstRow,
                                         int lastRow) {
  DrawSurface& dc = cells.Dc();
  std::vector<int> drawn;
  QziDocIMFC& fonts = view_->Fonts();
  FontSelector font(dc, fonts.sLF_, static_cast<COLORREF>(static_cast<unsigned long>(fonts.sRGB_)));
  if (full && firstRow <= 0) DrawRow(cells, true, 0, L"", 0, L"", 0, L"", L"");
  const InstrNet& net = view_->Net();
  auto h = net.Begin();
  for (int passed = 0; passed < from && h != net.End(); h = net.Next(h))
    if (static_cast<bool>(h->second.Opt().act_)) ++passed;
  int count = 0;
  for (; from < to && h != net.End(); h = net.Next(h)) {
    const Node& node = h->second;
    if (!static_cast<bool>(node.Opt().act_)) continue;
    ++count;
    ++from;
    if (!full && upToDate_[h->first]) continue;
    if (count < firstRow) continue;
    if (count > lastRow) break;
    const InstrPars pars = node.Type().Pars();
    const InstrParValues values = node.Values();
    const int alarm = AlarmCode(pars, values);
    const int link = static_cast<int>(static_cast<Node::InstrLink>(node.State().link_));
    DrawRow(cells, false, count, node.Opt().nm_, link, LinkText(static_cast<Node::InstrLink>(link)), alarm,
            node.Type().AlarmText(alarm), NodeStatusText(node));
    drawn.push_back(h->first);
  }
  return drawn;
}

void StsView::Impl::DrawRow(CellWriter& cells, bool header, int row, const std::wstring& name, int link,
                            const std::wstring& linkText, int alarm, const std::wstring& alarmText,
                            const std::wstring& statusText) {
  DrawSurface& dc = cells.Dc();
  const int y = header ? -10 : row * charSize_.GetHeight() - 10;
  const int gap = XPos(ColumnGapPosition);
  const int nameEnd = XPos(ColLink) - gap, linkEnd = XPos(ColAlarm) - gap, alarmEnd = XPos(ColStatus) - gap;
  if (header) {
    cells.Cell(DictText(CTW_Name), XPos(ColName), y, nameEnd);
    cells.Cell(DictText(CTW_Link), XPos(ColLink), y, linkEnd);
    cells.Cell(DictText(CTW_Alarm), XPos(ColAlarm), y, alarmEnd);
    cells.Cell(DictText(CTW_Status), XPos(ColStatus), y);
    return;
  }
  cells.Cell(name, XPos(ColName), y, nameEnd);
  {
    TextColorSelector color(dc, LinkColor(link));
    cells.Cell(linkText, XPos(ColLink), y, linkEnd);
  }
  const bool unlinked = link >= 0 && link <= 2;
  {
    TextColorSelector color(dc, unlinked ? Grey : alarm != 0 ? Red : DarkGreen);
    cells.Cell(alarm != 0 ? ToWStr(alarm) + L" - " + alarmText : alarmText, XPos(ColAlarm), y, alarmEnd);
  }
  int w = 0;
  if (unlinked) {
    TextColorSelector color(dc, Grey);
    w = cells.Cell(statusText, XPos(ColStatus), y);
  } else {
    w = cells.Cell(statusText, XPos(ColStatus), y);
  }
  if (statusWidth_ < w) statusWidth_ = w;
}

PrintPlan StsView::Impl::PlanPage(DrawSurface& dc, TablePrintInfo& info) {
  PrintedTable table;
  table.width = ContentSize(false).GetWidth();
  table.columns = {XPos(ColName), XPos(ColLink), XPos(ColAlarm), XPos(ColStatus)};
  table.textHeight = TextHeightOfLineStep(charSize_.GetHeight());
  table.pitch = PrintedRowPitch(charSize_.GetHeight());
  table.key = XPos(ColLink);
  return PlanPrintedPage(dc, info, table);
}

int StsView::Impl::RowsPerPage(DrawSurface& dc, TablePrintInfo& info) { return PlanPage(dc, info).rowsPerPage; }

wxSize StsView::Impl::PrintPageSize(DrawSurface& dc, TablePrintInfo* info, bool setup) {
  return PardeloStravon::PrintPageSize(dc, info, ContentSize(false).GetWidth(), setup);
}

int StsView::Impl::BeginPrinting(DrawSurface& dc, TablePrintInfo& info) {
  // An empty table has no page to print.
  return PrintedPageCount(view_->Net().CountActive(), PlanPage(dc, info));
}

void StsView::Impl::OnPrint(DrawSurface& dc, TablePrintInfo& info) {
  const PrintPlan plan = PlanPage(dc, info);
  const int r = plan.rowsPerPage;
  const int p = info.curPage;
  QziDocIMFC& fonts = view_->Fonts();
  PrintBandedPage(dc, info, plan, PrintedRowPitch(charSize_.GetHeight()), fonts.sLF_,
                  static_cast<COLORREF>(static_cast<unsigned long>(fonts.sRGB_)), DictText(CTW_Status),
                  [&](CellWriter& cells) { DrawRows(cells, (p - 1) * r, p * r, true); });
}

const std::wstring& StsView::PrintTitleToken() const { return CTW_Status; }


}  // namespace PardeloStravon
