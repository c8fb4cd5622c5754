#include "views/dialogs/ScrollModel.h"

#include <algorithm>
#include <cstdlib>

namespace PardeloStravon {
namespace Scroll {

void ScrollModel::SetFullSize(int cx, int cy) {
  fullCx_ = cx;
  fullCy_ = cy;
}

void ScrollModel::ResetPositions() {
  vPos_ = 0;
  hPos_ = 0;
}

int ScrollModel::VRange() const { return std::max(0, fullCy_ - clientCy_); }
int ScrollModel::HRange() const { return std::max(0, fullCx_ - clientCx_); }

ContentMove ScrollModel::Resize(int clientCx, int clientCy) {
  clientCx_ = clientCx;
  clientCy_ = clientCy;
  ContentMove move;
  if (hPos_ > HRange()) {
    move.dx = hPos_ - HRange();
    hPos_ = HRange();
  }
  if (vPos_ > VRange()) {
    move.dy = vPos_ - VRange();
    vPos_ = VRange();
  }
  return move;
}

// A line is 1 % and a page 20 % of the range, never past either end.
int ScrollModel::Step(ScrollCode code, int pos, int range, int& position) {
  int d = 0;
  switch (code) {
    case SB_LINEUP:
      if (position > 0) d = -std::min(range / 100, position);
      break;
    case SB_LINEDOWN:
      if (position < range) d = std::min(range / 100, range - position);
      break;
    case SB_PAGEUP:
      if (position > 0) d = -std::min(range / 5, position);
      break;
    case SB_PAGEDOWN:
      if (position < range) d = std::min(range / 5, range - position);
      break;
    case SB_THUMBPOSITION:
      d = std::clamp(pos, 0, range) - position;
      break;
    case SB_OTHER:
      break;
  }
  position += d;
  return d;
}

ContentMove ScrollModel::VScroll(ScrollCode code, int pos) {
  ContentMove move;
  move.dy = -Step(code, pos, VRange(), vPos_);
  return move;
}

ContentMove ScrollModel::HScroll(ScrollCode code, int pos) {
  ContentMove move;
  move.dx = -Step(code, pos, HRange(), hPos_);
  return move;
}

bool ScrollModel::Wheel(int delta, int linesPerNotch, ContentMove& moved) {
  moved = ContentMove();
  if (VRange() == 0) return false;
  if (linesPerNotch == WheelPageMode) {
    moved = VScroll(delta <= 0 ? SB_PAGEDOWN : SB_PAGEUP, 0);
    return true;
  }
  const int notches = std::abs(delta) / 120;
  const long steps = static_cast<long>(notches) * std::max(0, linesPerNotch);
  for (long n = 0; n < steps; ++n) moved.dy += VScroll(delta <= 0 ? SB_LINEDOWN : SB_LINEUP, 0).dy;
  return true;
}

}  // namespace Scroll
}  // namespace PardeloStravon
