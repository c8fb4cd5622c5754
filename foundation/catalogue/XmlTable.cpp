#include "foundation/catalogue/XmlTable.h"

#include <locale.h>

#include <climits>
#include <cwchar>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/catalogue/XmlParse.h"

namespace PardeloStravon {

using namespace xercesc;

namespace {

// Releases the builder and terminates the platform however the reader ends.
class ParseGuard {
 public:
  explicit ParseGuard(XmlParseResult& r) : r_(r) {}
  ~ParseGuard() { XmlParseRelease(r_); }
  ParseGuard(const ParseGuard&) = delete;
  ParseGuard& operator=(const ParseGuard&) = delete;

 private:
  XmlParseResult& r_;
};

std::vector<const DOMElement*> Elements(const DOMNodeList* list) {
  std::vector<const DOMElement*> out;
  const XMLSize_t n = list ? list->getLength() : 0;
  out.reserve(n);
  for (XMLSize_t i = 0; i < n; ++i)
    if (const auto* e = dynamic_cast<const DOMElement*>(list->item(i))) out.push_back(e);
  return out;
}

std::vector<const DOMElement*> Below(const DOMElement& record, const std::wstring& name) {
  return Elements(record.getElementsByTagName(ToUtf16(name).c_str()));
}

// The text of the element's first child node, none when it has no child or
// the child has no value.
std::optional<std::wstring> OwnText(const DOMElement& element) {
  const DOMNode* child = element.getFirstChild();
  if (!child || !child->getNodeValue()) return std::nullopt;
  return XmlText(child->getNodeValue());
}

// The record's place, found among the records of its element.
std::wstring RecordName(const DOMElement& record) {
  const std::wstring name = XmlText(record.getTagName());
  if (const DOMDocument* doc = record.getOwnerDocument()) {
    const auto all = Records(*doc, name);
    for (std::size_t i = 0; i < all.size(); ++i)
      if (all[i] == &record) return RecordPlace(name, i);
  }
  return L"record \"" + name + L"\"";
}

const DOMElement& RequiredField(const DOMElement& record, const std::wstring& field) {
  const auto found = Below(record, field);
  if (found.empty()) throw XmlFieldError(RecordName(record) + L" has no field \"" + field + L"\"");
  return *found.front();
}

std::wstring TextOf(const DOMElement& record, const DOMElement& field) {
  if (auto text = OwnText(field)) return *text;
  throw XmlFieldError(RecordName(record) + L" has an empty field \"" + XmlText(field.getTagName()) +
                      L"\"");
}

locale_t ClassicLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  return c;
}

}  // namespace

XmlFieldError::XmlFieldError(const std::wstring& text)
    : std::runtime_error(ToUtf8(text)), text_(text) {}

bool XmlReadFile(const std::wstring& path, const XmlTableReader& reader) {
  XmlParseResult parsed = XmlParseFile(path);
  ParseGuard guard(parsed);
  if (!parsed.doc) return false;
  try {
    return reader(*parsed.doc);
  } catch (const XmlFieldError& e) {
    LogError(L"    " + path + L" " + e.Text() + L"\n");
    return false;
  }
}

std::vector<const DOMElement*> Records(const DOMDocument& doc, const std::wstring& name) {
  return Elements(doc.getElementsByTagName(ToUtf16(name).c_str()));
}

std::wstring RecordPlace(const std::wstring& element, std::size_t pos) {
  return L"record \"" + element + L"\" at position " + ToWStr(static_cast<unsigned long>(pos));
}

std::wstring RecordText(const DOMElement& record) { return TextOf(record, record); }

std::wstring FieldText(const DOMElement& record, const std::wstring& field) {
  return TextOf(record, RequiredField(record, field));
}

std::wstring FieldTextOr(const DOMElement& record, const std::wstring& field,
                         const std::wstring& whenEmpty) {
  return OwnText(RequiredField(record, field)).value_or(whenEmpty);
}

std::optional<std::wstring> OptionalFieldText(const DOMElement& record, const std::wstring& field) {
  const auto found = Below(record, field);
  if (found.empty()) return std::nullopt;
  return TextOf(record, *found.front());
}

std::vector<std::wstring> FieldTexts(const DOMElement& record, const std::wstring& field) {
  std::vector<std::wstring> out;
  for (const DOMElement* e : Below(record, field)) out.push_back(TextOf(record, *e));
  return out;
}

bool FieldFlag(const DOMElement& record, const std::wstring& field) {
  return !Below(record, field).empty();
}

int FieldInt(const DOMElement& record, const std::wstring& field) {
  return WToI(FieldText(record, field));
}

int WToI(const std::wstring& text) {
  const long v = wcstol_l(text.c_str(), nullptr, 10, ClassicLocale());
  return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

double WToF(const std::wstring& text) { return wcstod_l(text.c_str(), nullptr, ClassicLocale()); }

std::wstring RepeatedKeyText(const std::list<std::wstring>& keys) {
  std::wstring text;
  for (const auto& key : keys) text += (text.empty() ? L"'" : L",'") + key + L"'";
  return text;
}

void KeyIndex::Add(const std::wstring& key, std::size_t position) {
  if (!map_.emplace(key, position).second) repeated_.push_back(key);
}

std::optional<std::size_t> KeyIndex::Find(const std::wstring& key) const {
  const auto it = map_.find(key);
  if (it == map_.end()) return std::nullopt;
  return it->second;
}

}  // namespace PardeloStravon
