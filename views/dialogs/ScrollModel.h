#pragma once
// What a scrolling dialog does with its two bars, in pixels and without
// windows: the content is the full size, the client shows part of it, and
// each bar ranges over what does not fit.
namespace PardeloStravon {
namespace Scroll {

// The bar events the dialog acts on; every other one does nothing.
enum ScrollCode { SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_THUMBPOSITION, SB_OTHER };

// The wheel setting that scrolls a page per notch instead of lines.
constexpr int WheelPageMode = -1;

// How far the content moves on the screen: right and down are positive.
struct ContentMove {
  int dx = 0;
  int dy = 0;
};

class ScrollModel {
 public:
  // The content's size; positions are kept, the next Resize applies it.
  void SetFullSize(int cx, int cy);
  // Back at the top-left corner, as when the dialog opens.
  void ResetPositions();

  // A new client size: each position is clamped into its new range and the
  // content moved back by what it lost, so nothing stays out of reach.
  ContentMove Resize(int clientCx, int clientCy);

  // One bar event; pos counts only for the thumb's release. The content
  // moves against the step.
  ContentMove VScroll(ScrollCode code, int pos);
  ContentMove HScroll(ScrollCode code, int pos);

  // A wheel message of delta (120 a notch, positive away from the user) with
  // the system's lines per notch or WheelPageMode. False when there is
  // nothing to scroll (the message is then not handled).
  bool Wheel(int delta, int linesPerNotch, ContentMove& moved);

  int VRange() const;
  int HRange() const;
  int VPos() const { return vPos_; }
  int HPos() const { return hPos_; }
  // The bars' boxes: a fifth of the range.
  int VPage() const { return VRange() / 5; }
  int HPage() const { return HRange() / 5; }
  int FullCx() const { return fullCx_; }
  int FullCy() const { return fullCy_; }

 private:
  static int Step(ScrollCode code, int pos, int range, int& position);

  int clientCy_ = 0;
  int clientCx_ = 0;
  int vPos_ = 0;
  int hPos_ = 0;
  int fullCx_ = 0;
  int fullCy_ = 0;
};

}  // namespace Scroll
}  // namespace PardeloStravon
