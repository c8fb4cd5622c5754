#include "views/dialogs/DialogMetrics.h"

#include <wx/window.h>

#include <algorithm>

namespace PardeloStravon {
namespace {

// x * numerator / denominator rounded half away from zero, as the system's
// dialog-unit conversion rounds.
int MulDiv(int x, int numerator, int denominator) {
  const long long p = static_cast<long long>(x) * numerator;
  return static_cast<int>(p >= 0 ? (2 * p + denominator) / (2 * denominator) : -((-2 * p + denominator) / (2 * denominator)));
}

}  // namespace

DialogMetrics::DialogMetrics(const wxWindow& window, const wxFont& font) : window_(window), font_(font) {
  int w = 0, h = 0;
  window.GetTextExtent(L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", &w, &h, nullptr, nullptr, &font_);
  base_ = wxSize((w / 26 + 1) / 2, h);
  lineHeight_ = h;
}

DialogMetrics& DialogMetrics::Of(wxWindow& window) {
  if (DialogMetrics* kept = Find(window)) return *kept;
  auto* made = new DialogMetrics(window, window.GetFont());
  window.SetClientObject(made);
  return *made;
}

DialogMetrics* DialogMetrics::Find(const wxWindow& window) {
  return dynamic_cast<DialogMetrics*>(window.GetClientObject());
}

wxPoint DialogMetrics::ToPixels(int x, int y) const {
  return wxPoint(MulDiv(x, base_.x, 4), MulDiv(y, base_.y, 8));
}

int DialogMetrics::WidthToUnits(int pixels) const {
  if (base_.x <= 0) return 0;
  return (pixels * 4 + base_.x - 1) / base_.x;
}

void DialogMetrics::SetRoom(TextRoom above, TextRoom below, int splitY) {
  rooms_[0] = std::move(above);
  rooms_[1] = std::move(below);
  splitY_ = splitY;
}

wxRect DialogMetrics::RectToPixels(const InterfItem& item) const {
  const TextRoom& room = rooms_[Band(item)];
  const wxPoint topLeft = ToPixels(room.MapX(item.x_), item.y_);
  const wxPoint bottomRight = ToPixels(room.MapX(item.x_ + item.cx_), item.y_ + item.cy_);
  return wxRect(topLeft, wxSize(bottomRight.x - topLeft.x, bottomRight.y - topLeft.y));
}

wxSize DialogMetrics::SizeToPixels(int cx, int cy) const {
  const wxPoint corner = ToPixels(std::max(rooms_[0].MapX(cx), rooms_[1].MapX(cx)), cy);
  return wxSize(corner.x, corner.y);
}

wxSize DialogMetrics::TextExtent(const std::wstring& text) const {
  int w = 0, h = 0;
  window_.GetTextExtent(text, &w, &h, nullptr, nullptr, &font_);
  return wxSize(w, h);
}

}  // namespace PardeloStravon
