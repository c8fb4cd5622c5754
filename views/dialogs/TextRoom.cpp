#include "views/dialogs/TextRoom.h"

#include <algorithm>

namespace PardeloStravon {

TextRoom TextRoom::For(const std::vector<TextSpan>& spans) {
  // The right edges of the spans that lack room, in increasing order: a
  // span's growth is the shift at its right edge less the shift at its left
  // edge, and every left edge lies before its right edge.
  std::vector<const TextSpan*> short_;
  for (const TextSpan& s : spans)
    if (s.need > s.cx) short_.push_back(&s);
  std::sort(short_.begin(), short_.end(),
            [](const TextSpan* a, const TextSpan* b) { return a->x + a->cx < b->x + b->cx; });
  TextRoom room;
  for (const TextSpan* s : short_) {
    const int right = s->x + s->cx;
    const int wanted = room.MapX(s->x) - s->x + (s->need - s->cx);
    const int before = room.MapX(right) - right;
    if (wanted <= before) continue;
    if (!room.steps_.empty() && room.steps_.back().first == right)
      room.steps_.back().second = wanted;
    else
      room.steps_.emplace_back(right, wanted);
  }
  return room;
}

int TextRoom::MapX(int x) const {
  // The last edge at or left of x.
  const auto after = std::upper_bound(steps_.begin(), steps_.end(), x,
                                      [](int v, const std::pair<int, int>& step) { return v < step.first; });
  return after == steps_.begin() ? x : x + std::prev(after)->second;
}

}  // namespace PardeloStravon
