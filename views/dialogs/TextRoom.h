#pragma once
// Room for the texts of a dialog laid out in dialog units. A control whose
// text is wider than the control grows to hold it; every control at or right
// of its right edge moves right by as much, so columns stay aligned and
// nothing comes to overlap; the dialog grows by the same amount. A control
// across such an edge grows with it, so what was aligned stays aligned.
#include <cstddef>
#include <utility>
#include <vector>

namespace PardeloStravon {

// A control's extent along x and the width its text needs (0: no text).
struct TextSpan {
  int x = 0;
  int cx = 0;
  int need = 0;
};

class TextRoom {
 public:
  // No room given: every x maps to itself.
  TextRoom() = default;

  // The least shift that gives every span its need.
  static TextRoom For(const std::vector<TextSpan>& spans);

  // Where x goes: right by the room given at or left of it.
  int MapX(int x) const;
  bool Empty() const { return steps_.empty(); }

 private:
  // Edges in increasing order, each with the total shift from there on.
  std::vector<std::pair<int, int>> steps_;
};

}  // namespace PardeloStravon
