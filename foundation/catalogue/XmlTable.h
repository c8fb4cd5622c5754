#pragma once
// How every table reader finds its records and fields in a parsed table
// file, indexes its keys and reports repeated ones.
#include <cstddef>
#include <functional>
#include <list>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>
#include <xercesc/dom/DOM.hpp>

namespace PardeloStravon {

// A record lacks a required field, or a field has no text to read.
class XmlFieldError : public std::runtime_error {
 public:
  explicit XmlFieldError(const std::wstring& text);
  const std::wstring& Text() const { return text_; }

 private:
  std::wstring text_;
};

using XmlTableReader = std::function<bool(const xercesc::DOMDocument&)>;

// One table file, start to end: parse it, run the reader on the document,
// release the builder and terminate the XML platform, also when the reader
// throws. A file that was not read gives false without calling the reader.
// An XmlFieldError is logged with the file's path and gives false; every
// other exception passes on.
bool XmlReadFile(const std::wstring& path, const XmlTableReader& reader);

// Every element of that name anywhere in the document, in document order;
// a record's position is its index here.
std::vector<const xercesc::DOMElement*> Records(const xercesc::DOMDocument& doc,
                                                const std::wstring& name);

// How messages name a record so that a broken file can be mended by hand:
// record "element" at position pos.
std::wstring RecordPlace(const std::wstring& element, std::size_t pos);

// The text of the record element's own first child node.
std::wstring RecordText(const xercesc::DOMElement& record);

// A field's value: the text of the first child node of the first element of
// that name below the record (at any depth), as it stands. A missing field
// or one without text throws XmlFieldError.
std::wstring FieldText(const xercesc::DOMElement& record, const std::wstring& field);
// As FieldText, but a field element without text gives whenEmpty.
std::wstring FieldTextOr(const xercesc::DOMElement& record, const std::wstring& field,
                         const std::wstring& whenEmpty);
// Read only when at least one element of its name lies below the record.
std::optional<std::wstring> OptionalFieldText(const xercesc::DOMElement& record,
                                              const std::wstring& field);
// Every element of that name below the record, in document order.
std::vector<std::wstring> FieldTexts(const xercesc::DOMElement& record, const std::wstring& field);
// True when an element of that name lies below the record; its content is
// not looked at.
bool FieldFlag(const xercesc::DOMElement& record, const std::wstring& field);
int FieldInt(const xercesc::DOMElement& record, const std::wstring& field);

// Numbers as the tables have always been read: leading blanks skipped,
// conversion stops at the first character that does not fit, no digits
// gives 0. Independent of the process locale.
int WToI(const std::wstring& text);
double WToF(const std::wstring& text);

// Each key in single quotes, joined by commas without blanks.
std::wstring RepeatedKeyText(const std::list<std::wstring>& keys);

// The key map of a table: the first record with a key wins, every later one
// is listed as a repeat.
class KeyIndex {
 public:
  void Add(const std::wstring& key, std::size_t position);
  std::optional<std::size_t> Find(const std::wstring& key) const;
  std::size_t Size() const { return map_.size(); }
  const std::list<std::wstring>& Repeated() const { return repeated_; }
  std::wstring RepeatedText() const { return RepeatedKeyText(repeated_); }

 private:
  std::map<std::wstring, std::size_t> map_;
  std::list<std::wstring> repeated_;
};

}  // namespace PardeloStravon
