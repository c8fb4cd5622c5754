#include "document/DocXmlGuards.h"

#include <algorithm>
#include <cwctype>
#include <stdexcept>
#include <string_view>

namespace PardeloStravon {

namespace {

bool IsXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

// A plain number small enough to compare, or -1.
long Number(std::wstring_view value) {
  if (value.empty() || value.size() > 7) return -1;
  long n = 0;
  for (const wchar_t c : value) {
    if (!std::iswdigit(c)) return -1;
    n = n * 10 + (c - L'0');
  }
  return n;
}

[[noreturn]] void Refuse(std::wstring_view tag, const char* why) {
  const std::size_t shown = std::min<std::size_t>(tag.size(), 80);
  std::string text;
  for (std::size_t i = 0; i < shown; ++i) text += tag[i] < 0x80 ? static_cast<char>(tag[i]) : '?';
  throw std::runtime_error(std::string(why) + " in the element <" + text + ">");
}

struct Attribute {
  std::wstring_view name;
  std::wstring_view value;
};

// The next attribute from `at`, or false when none follows in a form the
// archive reads (it then fails by itself).
bool NextAttribute(std::wstring_view tag, std::size_t& at, Attribute& a) {
  while (at < tag.size() && IsXmlSpace(tag[at])) ++at;
  const std::size_t nameAt = at;
  while (at < tag.size() && !IsXmlSpace(tag[at]) && tag[at] != L'=' && tag[at] != L'/') ++at;
  if (at == nameAt) return false;
  a.name = tag.substr(nameAt, at - nameAt);
  while (at < tag.size() && IsXmlSpace(tag[at])) ++at;
  if (at >= tag.size() || tag[at] != L'=') return false;
  ++at;
  while (at < tag.size() && IsXmlSpace(tag[at])) ++at;
  if (at >= tag.size() || tag[at] != L'"') return false;
  const std::size_t valueAt = ++at;
  while (at < tag.size() && tag[at] != L'"') ++at;
  if (at >= tag.size()) return false;
  a.value = tag.substr(valueAt, at - valueAt);
  ++at;
  return true;
}

}  // namespace

void CheckArchiveAttributes(const std::wstring& text, const std::set<std::wstring>& tracked) {
  long next = 0;
  std::size_t at = 0;
  while ((at = text.find(L'<', at)) != std::wstring::npos) {
    const std::size_t end = text.find(L'>', at);
    const std::wstring_view tag(text.data() + at + 1,
                                (end == std::wstring::npos ? text.size() : end) - at - 1);
    at = end == std::wstring::npos ? text.size() : end + 1;
    if (tag.empty() || tag[0] == L'/' || tag[0] == L'?' || tag[0] == L'!') continue;
    std::size_t p = 0;
    while (p < tag.size() && !IsXmlSpace(tag[p]) && tag[p] != L'/') ++p;
    const bool mayTrack = tracked.count(std::wstring(tag.substr(0, p))) != 0;
    for (Attribute a; NextAttribute(tag, p, a);) {
      if (a.name == L"class_id") {
        if (Number(a.value) != next) Refuse(tag, "a class number out of sequence");
        ++next;
      } else if (a.name == L"class_id_reference") {
        const long n = Number(a.value);
        if (n < 0 || n >= next) Refuse(tag, "a class number out of sequence");
      } else if (a.name == L"tracking_level") {
        if (a.value != L"0" && !(mayTrack && a.value == L"1"))
          Refuse(tag, "a tracking level the element cannot have");
      } else if (a.name == L"object_id") {
        if (!mayTrack) Refuse(tag, "an object number on an element that is not tracked");
      } else if (a.name == L"object_id_reference") {
        Refuse(tag, "a reference to an object");
      }
    }
  }
}

}  // namespace PardeloStravon
