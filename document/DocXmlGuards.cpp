#include "document/DocXmlGuards.h"

#include <algorithm>
#include <stdexcept>

#include "document/DocXmlText.h"

namespace PardeloStravon {

namespace {

// The text's characters as wide ones, a byte as its unsigned value.
wchar_t Wide(wchar_t c) { return c; }
wchar_t Wide(char c) { return static_cast<wchar_t>(static_cast<unsigned char>(c)); }

template <class Char>
bool IsXmlSpace(Char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A plain number small enough to compare, or -1.
template <class Char>
long Number(std::basic_string_view<Char> value) {
  if (value.empty() || value.size() > 7) return -1;
  long n = 0;
  for (const Char c : value) {
    if (c < '0' || c > '9') return -1;
    n = n * 10 + (c - '0');
  }
  return n;
}

template <class Char>
bool IsOneOf(std::basic_string_view<Char> name, const std::set<std::wstring>& names) {
  for (const std::wstring& n : names)
    if (n.size() == name.size() && std::equal(n.begin(), n.end(), name.begin(),
                                              [](wchar_t a, Char b) { return a == Wide(b); }))
      return true;
  return false;
}

std::wstring WideTag(std::wstring_view tag) { return std::wstring(tag); }
std::wstring WideTag(std::string_view tag) { return DecodeDocText(tag); }

template <class Char>
[[noreturn]] void Refuse(std::basic_string_view<Char> bytes, const char* why) {
  const std::wstring tag = WideTag(bytes);
  const std::size_t shown = std::min<std::size_t>(tag.size(), 80);
  std::string text;
  for (std::size_t i = 0; i < shown; ++i) text += tag[i] < 0x80 ? static_cast<char>(tag[i]) : '?';
  throw std::runtime_error(std::string(why) + " in the element <" + text + ">");
}

template <class Char>
struct Attribute {
  std::basic_string_view<Char> name;
  std::basic_string_view<Char> value;
};

// The next attribute from `at`, or false when none follows in a form the
// archive reads (it then fails by itself).
template <class Char>
bool NextAttribute(std::basic_string_view<Char> tag, std::size_t& at, Attribute<Char>& a) {
  while (at < tag.size() && IsXmlSpace(tag[at])) ++at;
  const std::size_t nameAt = at;
  while (at < tag.size() && !IsXmlSpace(tag[at]) && tag[at] != '=' && tag[at] != '/') ++at;
  if (at == nameAt) return false;
  a.name = tag.substr(nameAt, at - nameAt);
  while (at < tag.size() && IsXmlSpace(tag[at])) ++at;
  if (at >= tag.size() || tag[at] != '=') return false;
  ++at;
  while (at < tag.size() && IsXmlSpace(tag[at])) ++at;
  if (at >= tag.size() || tag[at] != '"') return false;
  const std::size_t valueAt = ++at;
  while (at < tag.size() && tag[at] != '"') ++at;
  if (at >= tag.size()) return false;
  a.value = tag.substr(valueAt, at - valueAt);
  ++at;
  return true;
}

template <class Char>
void Check(std::basic_string_view<Char> text, const std::set<std::wstring>& tracked) {
  using View = std::basic_string_view<Char>;
  const auto is = [](View name, const char* ascii) {
    return std::equal(name.begin(), name.end(), ascii, ascii + std::char_traits<char>::length(ascii),
                      [](Char a, char b) { return a == static_cast<Char>(b); });
  };
  long next = 0;
  std::size_t at = 0;
  while ((at = text.find('<', at)) != View::npos) {
    const std::size_t end = text.find('>', at);
    const View tag = text.substr(at + 1, (end == View::npos ? text.size() : end) - at - 1);
    at = end == View::npos ? text.size() : end + 1;
    if (tag.empty() || tag[0] == '/' || tag[0] == '?' || tag[0] == '!') continue;
    std::size_t p = 0;
    while (p < tag.size() && !IsXmlSpace(tag[p]) && tag[p] != '/') ++p;
    const bool mayTrack = IsOneOf(tag.substr(0, p), tracked);
    for (Attribute<Char> a; NextAttribute(tag, p, a);) {
      if (is(a.name, "class_id")) {
        if (Number(a.value) != next) Refuse(tag, "a class number out of sequence");
        ++next;
      } else if (is(a.name, "class_id_reference")) {
        const long n = Number(a.value);
        if (n < 0 || n >= next) Refuse(tag, "a class number out of sequence");
      } else if (is(a.name, "tracking_level")) {
        if (!is(a.value, "0") && !(mayTrack && is(a.value, "1")))
          Refuse(tag, "a tracking level the element cannot have");
      } else if (is(a.name, "object_id")) {
        if (!mayTrack) Refuse(tag, "an object number on an element that is not tracked");
      } else if (is(a.name, "object_id_reference")) {
        Refuse(tag, "a reference to an object");
      }
    }
  }
}

}  // namespace

void CheckArchiveAttributes(std::wstring_view text, const std::set<std::wstring>& tracked) {
  Check(text, tracked);
}

void CheckArchiveAttributes(std::string_view bytes, const std::set<std::wstring>& tracked) {
  Check(bytes, tracked);
}

}  // namespace PardeloStravon
