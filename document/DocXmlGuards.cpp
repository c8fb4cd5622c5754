#include "document/DocXmlGuards.h"

#include <algorithm>
#include <cwctype>
#include <stdexcept>
#include <string_view>

namespace PardeloStravon {

namespace {

bool IsXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// The number in the attribute's quotes, or -1 when it is not a plain number
// small enough to compare.
long AttributeNumber(std::wstring_view tag, std::size_t valueAt) {
  if (valueAt >= tag.size() || tag[valueAt] != L'"') return -1;
  long n = 0;
  std::size_t at = valueAt + 1;
  if (at >= tag.size() || !std::iswdigit(tag[at])) return -1;
  for (; at < tag.size() && std::iswdigit(tag[at]); ++at) {
    n = n * 10 + (tag[at] - L'0');
    if (n > 1000000) return -1;
  }
  return at < tag.size() && tag[at] == L'"' ? n : -1;
}

[[noreturn]] void BadClassId(std::wstring_view tag) {
  const std::size_t shown = std::min<std::size_t>(tag.size(), 80);
  std::string text;
  for (std::size_t i = 0; i < shown; ++i) text += tag[i] < 0x80 ? static_cast<char>(tag[i]) : '?';
  throw std::runtime_error("a class number out of sequence in the element <" + text + ">");
}

}  // namespace

void CheckClassIds(const std::wstring& text) {
  long next = 0;
  std::size_t at = 0;
  while ((at = text.find(L'<', at)) != std::wstring::npos) {
    const std::size_t end = text.find(L'>', at);
    const std::wstring_view tag(text.data() + at + 1,
                                (end == std::wstring::npos ? text.size() : end) - at - 1);
    for (std::size_t p = tag.find(L"class_id"); p != std::wstring_view::npos;
         p = tag.find(L"class_id", p + 1)) {
      if (p == 0 || !IsXmlSpace(tag[p - 1])) continue;
      std::size_t q = p + 8;
      const bool reference = tag.substr(q, 10) == L"_reference";
      if (reference) q += 10;
      // The archive allows white space around the "=".
      while (q < tag.size() && IsXmlSpace(tag[q])) ++q;
      if (q >= tag.size() || tag[q] != L'=') continue;
      ++q;
      while (q < tag.size() && IsXmlSpace(tag[q])) ++q;
      const long n = AttributeNumber(tag, q);
      if (reference) {
        if (n < 0 || n >= next) BadClassId(tag);
      } else {
        if (n != next) BadClassId(tag);
        ++next;
      }
    }
    if (end == std::wstring::npos) break;
    at = end + 1;
  }
}

}  // namespace PardeloStravon
