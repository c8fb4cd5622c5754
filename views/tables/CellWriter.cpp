#include "views/tables/CellWriter.h"

#include <algorithm>

namespace PardeloStravon {

using Platform::DrawSurface;

namespace {

const std::wstring Ellipsis = L"\u2026";

}  // namespace

int TextWidthCache::Width(DrawSurface& dc, const std::wstring& text) {
  auto found = widths_.find(text);
  if (found != widths_.end()) return found->second;
  // Next-due times change all day: keep the cache from growing without end.
  if (widths_.size() > 50000) widths_.clear();
  const int width = dc.TextExtent(text).GetWidth();
  widths_.emplace(text, width);
  return width;
}

std::wstring FitText(DrawSurface& dc, const std::wstring& text, int fullWidth, int width) {
  if (fullWidth <= width) return text;
  if (dc.TextExtent(Ellipsis).GetWidth() > width) return std::wstring();
  // The longest start that fits with the ellipsis after it.
  std::size_t lo = 0, hi = text.size();
  while (lo < hi) {
    const std::size_t mid = (lo + hi + 1) / 2;
    if (dc.TextExtent(text.substr(0, mid) + Ellipsis).GetWidth() <= width)
      lo = mid;
    else
      hi = mid - 1;
  }
  return text.substr(0, lo) + Ellipsis;
}

CellWriter::CellWriter(DrawSurface& dc, TextWidthCache* cache) : dc_(dc), cache_(cache) {}

CellWriter::CellWriter(DrawSurface& dc, const std::vector<TableBand>& bands, std::size_t band, TextWidthCache* widths)
    : dc_(dc), cache_(widths), bands_(bands), band_(std::min(band, bands.empty() ? 0 : bands.size() - 1)) {
  if (bands_.empty()) bands_.push_back(TableBand{});
}

int CellWriter::Width(const std::wstring& text) {
  return cache_ ? cache_->Width(dc_, text) : dc_.TextExtent(text).GetWidth();
}

std::size_t CellWriter::FittingLength(const std::wstring& text, int width) {
  std::size_t lo = 1, hi = text.size();
  while (lo < hi) {
    const std::size_t mid = (lo + hi + 1) / 2;
    if (dc_.TextExtent(text.substr(0, mid)).GetWidth() <= width)
      lo = mid;
    else
      hi = mid - 1;
  }
  return std::min(lo, text.size());
}

std::size_t CellWriter::FlowLength(const std::wstring& text, int width) {
  const std::size_t fits = FittingLength(text, width);
  if (fits >= text.size()) return fits;
  // Words stay whole where a blank lies in the second half of the piece.
  const std::size_t blank = text.rfind(L' ', fits);
  return blank != std::wstring::npos && blank >= fits / 2 && blank > 0 ? blank + 1 : fits;
}

int CellWriter::Cell(const std::wstring& text, int x, int y, int right) {
  const int full = Width(text);
  if (text.empty()) return full;
  const TableBand& here = bands_[band_];
  // The key column, repeated at the left of a later band.
  if (x < here.key) {
    const int limit = std::min(right, here.key);
    if (x + full <= limit)
      dc_.DrawText(text, x, y);
    else if (const std::wstring cut = FitText(dc_, text, full, limit - x); !cut.empty())
      dc_.DrawText(cut, x, y);
    return full;
  }
  // The band the cell starts in.
  std::size_t first = 0;
  while (first + 1 < bands_.size() && x >= bands_[first].right) ++first;
  if (first > band_ || right <= here.left) return full;
  // A text that started in an earlier band goes on with what those took.
  std::wstring rest = text;
  int at = x;
  for (std::size_t b = first; b < band_; ++b) {
    if (!bands_[b + 1].continues) return full;
    rest.erase(0, FlowLength(rest, bands_[b].right - at));
    if (rest.empty()) return full;
    at = bands_[b + 1].left;
  }
  const int restWidth = first == band_ ? full : dc_.TextExtent(rest).GetWidth();
  // The last band ends with the table: its last column is not cut there
  // for a width measured on another surface.
  const bool last = band_ + 1 == bands_.size();
  const int limit = last ? right : std::min(right, here.right);
  const bool goesOn = right > here.right && band_ + 1 < bands_.size() && bands_[band_ + 1].continues;
  const int onBand = at - here.left + here.key;
  if (at + restWidth <= limit)
    dc_.DrawText(rest, onBand, y);
  else if (goesOn)
    dc_.DrawText(rest.substr(0, FlowLength(rest, limit - at)), onBand, y);
  else if (const std::wstring cut = FitText(dc_, rest, restWidth, limit - at); !cut.empty())
    dc_.DrawText(cut, onBand, y);
  return full;
}

}  // namespace PardeloStravon
