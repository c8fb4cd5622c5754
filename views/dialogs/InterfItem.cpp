#include "views/dialogs/InterfItem.h"

#include <limits>
#include <stdexcept>

#include "foundation/core/TextConv.h"

namespace PardeloStravon {
namespace {

void PutWord(VUC& v, int w) {
  v.push_back(static_cast<unsigned char>(w & 0xFF));
  v.push_back(static_cast<unsigned char>((w >> 8) & 0xFF));
}

void PutDword(VUC& v, std::uint32_t d) {
  PutWord(v, static_cast<int>(d & 0xFFFF));
  PutWord(v, static_cast<int>(d >> 16));
}

void PutText(VUC& v, const std::wstring& text) {
  const VUC bytes = WStrBytes(text.c_str());
  v.insert(v.end(), bytes.begin(), bytes.end());
}

// UTF-16 code units up to the first NUL, as the template stores them.
int TextUnits(const std::wstring& text) { return static_cast<int>(WStrBytes(text.c_str()).size() / 2) - 1; }

constexpr int WordMax = std::numeric_limits<std::uint16_t>::max();

}  // namespace

InterfItem::InterfItem(int id, int atom, std::uint32_t style, std::wstring text, int x, int y, int cx, int cy,
                       std::uint32_t exStyle, int fontSize, std::wstring fontName)
    : id_(id),
      atom_(atom),
      style_(style),
      text_(std::move(text)),
      x_(x),
      y_(y),
      cx_(cx),
      cy_(cy),
      exStyle_(exStyle),
      fontSize_(fontSize),
      fontName_(std::move(fontName)) {}

int InterfItem::FontSizeUsed() const { return fontSize_ == 0 ? 8 : fontSize_; }

std::wstring InterfItem::FontNameUsed() const { return fontName_.empty() ? L"Arial" : fontName_; }

int InterfItem::ItemSize() const { return 2 * TextUnits(text_) + 26; }

VUC InterfItem::ItemTemplate() const {
  VUC v;
  PutDword(v, style_);
  PutDword(v, exStyle_);
  for (int w : {x_, y_, cx_, cy_, id_}) PutWord(v, w);
  PutWord(v, 0xFFFF);  // the class follows as an ordinal
  PutWord(v, atom_);
  PutText(v, text_);
  PutWord(v, 0);  // no creation data
  if (static_cast<int>(v.size()) != ItemSize())
    throw std::logic_error("In InterfItem::ItemTemplate(): v.size()!=ItemSize()");
  return v;
}

int InterfItem::ContainerSize() const { return 2 * TextUnits(text_) + 2 * TextUnits(FontNameUsed()) + 28; }

VUC InterfItem::ContainerTemplate(int n) const {
  if (!(0 < n && n < WordMax))
    throw std::range_error("In InterfItem::ContainerTemplate: !(0<n && n< std::numeric_limits<WORD>::max())");
  VUC v;
  PutDword(v, style_);
  PutDword(v, 0);  // the header's extended style
  for (int w : {n, x_, y_, cx_, cy_}) PutWord(v, w);
  PutWord(v, 0);  // no menu
  PutWord(v, 0);  // the default dialog class
  PutText(v, text_);
  PutWord(v, FontSizeUsed());
  PutText(v, FontNameUsed());
  if (static_cast<int>(v.size()) != ContainerSize())
    throw std::logic_error("In InterfItem::ContainerTemplate: !(v.size()==ContainerSize())");
  return v;
}

}  // namespace PardeloStravon
