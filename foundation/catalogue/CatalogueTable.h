#pragma once
// One keyed table of the catalogue: every record of its file by position,
// repeats included, and the key map in which the first record with a key
// wins. Filled once at start-up, read-only afterwards.
#include <xercesc/dom/DOMDocument.hpp>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "foundation/catalogue/XmlTable.h"

namespace PardeloStravon {

template <typename Rec, typename BadRef>
class CatalogueTable {
 public:
  // Empties the table and makes room for n records.
  void Reset(std::size_t n) {
    records_.assign(n, Rec{});
    index_ = KeyIndex{};
  }

  // A key already in the map is listed as a repeat; the record is stored
  // either way.
  void Store(std::size_t pos, const std::wstring& key, Rec rec) {
    index_.Add(key, pos);
    records_.at(pos) = std::move(rec);
  }

  bool Holds(const std::wstring& key) const { return index_.Find(key).has_value(); }

  // The position of the first record with the key; an unknown key throws BadRef.
  int Pos(const std::wstring& key) const {
    const auto pos = index_.Find(key);
    if (!pos) throw BadRef();
    return static_cast<int>(*pos);
  }

  // A position outside the table throws std::out_of_range.
  const Rec& At(int pos) const {
    if (pos < 0) throw std::out_of_range("negative position in the catalogue");
    return records_.at(static_cast<std::size_t>(pos));
  }

  const Rec& ByKey(const std::wstring& key) const { return At(Pos(key)); }

  std::size_t Size() const { return records_.size(); }

  std::wstring Repeated() const { return index_.RepeatedText(); }

 private:
  std::vector<Rec> records_;
  KeyIndex index_;
};

// Fills the table from every record element of the document, in document
// order: read builds the record from its element and position, its key is
// inserted and the record stored, then stored(element, position) runs. What
// read or stored throws ends the reading, the records before it kept.
template <typename Rec, typename BadRef, typename Read, typename Stored>
bool ReadRecords(const xercesc::DOMDocument& doc, const std::wstring& element,
                 CatalogueTable<Rec, BadRef>& table, std::wstring Rec::*key, Read read,
                 Stored stored) {
  const auto records = Records(doc, element);
  table.Reset(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    Rec rec = read(*records[i], i);
    const std::wstring k = rec.*key;
    table.Store(i, k, std::move(rec));
    stored(*records[i], i);
  }
  return true;
}

template <typename Rec, typename BadRef, typename Read>
bool ReadRecords(const xercesc::DOMDocument& doc, const std::wstring& element,
                 CatalogueTable<Rec, BadRef>& table, std::wstring Rec::*key, Read read) {
  return ReadRecords(doc, element, table, key, read,
                     [](const xercesc::DOMElement&, std::size_t) {});
}

}  // namespace PardeloStravon
