#include "views/graph/PlotConstruction.h"

#include <stdexcept>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TimeFormat.h"
#include "foundation/gui/TextDrawing.h"
#include "network/nodes/Node.h"
#include "views/graph/GphLine.h"
#include "views/graph/GraphLayout.h"
#include "views/graph/RowRange.h"

namespace PardeloStravon {

namespace {

const PlotColor RowFrom{1, 1, 0.6f, 1}, RowTo{1, 1, 0.8f, 1};
const PlotColor AxisFrom{0.8f, 0.8f, 1, 1}, AxisTo{1, 0.8f, 0.8f, 1};
const PlotColor LineColor{0.3f, 0.3f, 0.3f, 1}, LineSecond{0, 0, 0, 1};

wxSize PpiOf(wxDC& dc, wxSize ppi) { return ppi.x > 0 && ppi.y > 0 ? ppi : dc.GetPPI(); }

}  // namespace

PlotColor ColorFromRef(COLORREF c) {
  return PlotColor{static_cast<float>(GetRValue(c)) / 255.0f, static_cast<float>(GetGValue(c)) / 255.0f,
                   static_cast<float>(GetBValue(c)) / 255.0f, 1.0f};
}

std::wstring GraphLayoutString(const GphData& data) { return GraphLayoutString(data.series_.size()); }

namespace {

// A row over data that may be shared: every row of a graph has the same X.
void BuildRowOf(PlotRegion& row, const std::wstring& label, const std::wstring& title, std::size_t i,
                std::size_t n, std::shared_ptr<PlotVectorL> x, std::shared_ptr<PlotVectorD> y) {
  row.SetName(L"My Child " + std::to_wstring(i));
  row.SetBrush(std::make_shared<PlotLinearGradientBrush>(RowFrom, RowTo, 0));
  PlotAxis2D& axis = *row.GetAxe();
  axis.SetBrush(std::make_shared<PlotLinearGradientBrush>(AxisFrom, AxisTo, 90));
  axis.SetTitle(title);
  axis.SetTimeLabel(true);
  axis.GetBottomLabel().SetString(DictText(CTW_Gr_Time));
  axis.SetBorderLineVisibility(PlotBorderLines{false, true, false, false});
  axis.GetLeftLabel().SetString(label);
  if (i + 1 != n) {
    axis.GetBottomNumber().Hide();
    axis.GetBottomLabel().Hide();
  }
  if (i != 0) axis.GetTopLabel().Hide();
  auto line = std::make_shared<GphLine>(LineColor, LineSecond, &row);
  line->SetDatas(std::move(x), std::move(y));
  row.AddObject(line);
}

}  // namespace

void BuildRow(const std::shared_ptr<PlotRegion>& row, const GphData& data, const std::wstring& title,
              std::size_t i) {
  BuildRowOf(*row, data.labels_.at(i), title, i, data.series_.size(), std::make_shared<PlotVectorL>(data.times_),
             std::make_shared<PlotVectorD>(data.series_.at(i)));
}

std::shared_ptr<PlotRegion> BuildPlot(const PlotHost& host) {
  if (!host.node) throw std::invalid_argument("In BuildPlot: no instrument");
  GphData data(*host.node, host.address, host.from, host.to, host.folder);
  const std::size_t n = data.series_.size();
  if (n == 0 || data.times_.size() < 3) return nullptr;


  // The title stands on one line whatever the format's line breaks.
  const std::wstring format = host.options.dteFmt_.get().Text();
  const std::wstring title = host.node->Opt().nm_.get() + L" " + DictText(CTW_Gr_from) + L" " +
                             FormatLocalTime(host.from, format, true) + L" " + DictText(CTW_Gr_to) + L" " +
                             FormatLocalTime(host.to, format, true);

  auto root = std::make_shared<PlotRegion>();
  root->Layout(GraphLayoutString(data));
  root->SetName(L"Pardelo Plot");
  // A year holds half a million records a series: the rows share the times
  // and take the values over instead of copying them.
  auto x = std::make_shared<PlotVectorL>(std::move(data.times_));
  for (std::size_t i = 0; i < n; ++i)
    BuildRowOf(*root->GetChild(i), data.labels_[i], title, i, n, x,
               std::make_shared<PlotVectorD>(std::move(data.series_[i])));
  if (host.dc) root->ZoomAll(*host.dc, true);
  return root;
}

int StyledFontHeight(wxDC& dc, wxSize ppi, const LOGFONTW& lf, bool printing) {
  Platform::DrawSurface surface(dc, PpiOf(dc, ppi));
  const float factor = printing ? 0.29f : 0.63f;
  return static_cast<int>(static_cast<float>(ScaleFontHeight(surface, lf, 2, 1)) * factor);
}

double StyledLineWidth(wxDC& dc, wxSize ppi, float millimetres) {
  Platform::DrawSurface surface(dc, PpiOf(dc, ppi));
  surface.SetMapMode(Platform::MM_HIMETRIC);
  const int perMm = surface.LogicalToDevice(wxSize(100, 100)).x;
  surface.SetMapMode(Platform::MM_TEXT);
  return static_cast<double>(millimetres) * perMm;
}

void SetFontColorLine(PlotRegion* root, const PlotHost& host) {
  if (!root || !host.dc) return;
  wxDC& dc = *host.dc;
  GraphOptions o = host.options;
  LOGFONTW font = o.gLF_;
  font.lfHeight = StyledFontHeight(dc, host.ppi, font, host.printing);
  o.gLF_ = font;
  o.gphLTh_ = static_cast<float>(StyledLineWidth(dc, host.ppi, o.gphLTh_));
  o.gphIsP_ = host.printing;
  const bool printing = host.printing;

  root->ZoomAll(dc, false);
  const PlotColor color = ColorFromRef(static_cast<COLORREF>(o.gRGB_.get()));
  const std::wstring& numberFormat = o.gphNFm_.get();
  for (std::size_t k = 0; k < root->GetNChildren(); ++k) {
    PlotRegion* row = root->GetChild(k).get();
    PlotAxis2D& axis = *row->GetAxe();
    axis.GetTitle().SetColor(color);
    axis.GetTitle().SetLOGFONT(font);
    axis.GetRightLabel().SetString(axis.GetLeftLabel().GetString());
    axis.GetLeftLabel().SetAlign(PlotAlignCentre);
    axis.GetRightLabel().SetAlign(PlotAlignCentre);
    axis.GetLeftNumber().SetAlign(PlotAlignEnd);
    axis.GetRightNumber().SetAlign(PlotAlignEnd);
    axis.SetNumberFormat(1, numberFormat);
    axis.SetNumberFormat(2, numberFormat);
    for (PlotText* t : {&axis.GetLeftLabel(), &axis.GetRightLabel(), &axis.GetLeftNumber(), &axis.GetRightNumber()}) {
      t->SetColor(color);
      t->SetLOGFONT(font);
    }
    axis.GetBottomNumber().SetAlign(o.gphDRA_ ? PlotAlignEnd : PlotAlignCentre);
    axis.GetRightLabel().Hide();
    axis.GetRightNumber().Hide();

    int lo = 0, hi = static_cast<int>(RowPointCount(row)) - 1;
    auto& objects = row->GetObjectManager();
    if (!objects.empty())
      if (auto* line = dynamic_cast<PlotLine2D*>(objects.front().get())) {
        line->SetLineWidth(o.gphLTh_);
        line->SetColor(color);
        const PlotRect ext = line->GetExtent();
        lo = NearestIndex(row, static_cast<long>(ext.left));
        hi = NearestIndex(row, static_cast<long>(ext.right));
      }

    axis.SetTimeLabelFormat(host.from, 1, o.dteFmt_.get().Text());
    PlotText& bottomNumbers = axis.GetBottomNumber();
    bottomNumbers.SetLOGFONT(font);
    bottomNumbers.SetColor(color);
    bottomNumbers.SetAngle(o.gphDAg_);
    axis.GetBottomLabel().SetColor(color);
    axis.GetBottomLabel().SetLOGFONT(font);
    axis.SetAutoSteps(PlotAxisX, false);
    axis.SetAutoSteps(PlotAxisY, o.gphRSp_);

    PlotBorders b = axis.GetBorders();
    axis.UpdateLabels(dc);
    b.right = static_cast<int>(bottomNumbers.GetPixelWidth() / (printing ? 0.8 : 2.0));
    b.bottom = b.top = axis.GetLeftNumber().GetPixelHeight();
    axis.SetBorders(b);
    PlotAutoBorders a = axis.GetAutoBorders();
    a.right = o.gphDRA_;
    a.bottom = bottomNumbers.IsVisible() || !printing;
    a.top = row->GetID() == root->GetChild(0)->GetID() || !printing;
    axis.SetAutoBorders(a);

    SetIndexRange(dc, row, lo, hi, false);
  }
}

}  // namespace PardeloStravon
