#include "tests/views/dialogs/TemplateDecoder.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "foundation/core/TextConv.h"

namespace TestSupport {
namespace {

using PardeloStravon::InterfItem;
using PardeloStravon::VUC;

class Reader {
 public:
  explicit Reader(const VUC& v) : v_(v) {}

  std::size_t At() const { return at_; }
  bool AtEnd() const { return at_ == v_.size(); }

  int Word() {
    Need(2);
    const int w = v_[at_] | (v_[at_ + 1] << 8);
    at_ += 2;
    return w;
  }
  int SignedWord() { return static_cast<std::int16_t>(Word()); }
  std::uint32_t Dword() {
    const std::uint32_t low = static_cast<std::uint32_t>(Word());
    return low | (static_cast<std::uint32_t>(Word()) << 16);
  }
  std::wstring Text() {
    std::u16string units;
    for (int u = Word(); u != 0; u = Word()) units.push_back(static_cast<char16_t>(u));
    return PardeloStravon::FromUtf16(units);
  }
  void AlignTo4() {
    while (at_ % 4 != 0) {
      Need(1);
      if (v_[at_] != 0) Fail("non-zero alignment byte");
      ++at_;
    }
  }
  [[noreturn]] void Fail(const std::string& what) const {
    throw std::runtime_error(what + " at byte " + std::to_string(at_));
  }

 private:
  void Need(std::size_t n) const {
    if (at_ + n > v_.size()) Fail("template ends early");
  }

  const VUC& v_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<InterfItem> DecodeTemplate(const VUC& bytes) {
  Reader r(bytes);
  const std::uint32_t style = r.Dword();
  if (r.Dword() != 0) r.Fail("dialog with an extended style");
  const int n = r.Word();
  const int x = r.SignedWord(), y = r.SignedWord(), cx = r.SignedWord(), cy = r.SignedWord();
  if (r.Word() != 0) r.Fail("menu");
  if (r.Word() != 0) r.Fail("dialog class");
  std::wstring title = r.Text();
  const int fontSize = r.Word();
  std::wstring face = r.Text();
  std::vector<InterfItem> items;
  items.emplace_back(0, 0, style, title, x, y, cx, cy, 0, fontSize, face);
  for (int i = 0; i < n; ++i) {
    r.AlignTo4();
    const std::uint32_t s = r.Dword();
    const std::uint32_t ex = r.Dword();
    const int ix = r.SignedWord(), iy = r.SignedWord(), icx = r.SignedWord(), icy = r.SignedWord();
    const int id = r.Word();
    if (r.Word() != 0xFFFF) r.Fail("class not given by ordinal");
    const int atom = r.Word();
    std::wstring text = r.Text();
    if (r.Word() != 0) r.Fail("creation data");
    items.emplace_back(id, atom, s, text, ix, iy, icx, icy, ex, 0, L"");
  }
  if (!r.AtEnd()) r.Fail("bytes after the last control");
  return items;
}

}  // namespace TestSupport
