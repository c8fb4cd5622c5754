#include "foundation/catalogue/InstrTable.h"

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include "foundation/catalogue/AlarmTable.h"
#include "foundation/catalogue/CatalogueFields.h"
#include "foundation/catalogue/CatalogueTable.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/XmlFiles.h"
#include "foundation/catalogue/XmlTable.h"

namespace PardeloStravon {

namespace {

struct InstrTables {
  CatalogueTable<InstrRec, InstrBadRef> records;
  std::vector<std::wstring> codes;
  std::vector<boost::shared_ptr<const Instr_XML>> types;
  std::vector<std::vector<parPos>> parLists;
  std::vector<std::vector<int>> alLists;
};

InstrTables& Instruments() {
  static InstrTables tables;
  return tables;
}

template <typename T>
const T& AtPos(const std::vector<T>& v, int pos) {
  if (pos < 0) throw std::out_of_range("negative instrument position");
  return v.at(static_cast<std::size_t>(pos));
}

}  // namespace

bool ReadInstrTable(const xercesc::DOMDocument& doc) {
  InstrTables& t = Instruments();
  t.codes.clear();
  t.types.clear();
  t.parLists.clear();
  t.alLists.clear();
  return ReadRecords(
      doc, L"instrument", t.records, &InstrRec::instrId,
      [](const xercesc::DOMElement& r, std::size_t i) {
        InstrRec rec;
        rec.instrId = FieldText(r, L"instrId");
        rec.alarmDefault = TokenField(r, i, L"alarmDefault");
        if (!FieldFlag(r, L"doc"))
          throw XmlFieldError(RecordPlace(L"instrument", i) + L" has no field \"doc\"");
        rec.doc.s = FieldText(r, L"s");
        rec.doc.ver = FieldText(r, L"ver");
        rec.doc.rev = FieldInt(r, L"rev");
        return rec;
      },
      [&t](const xercesc::DOMElement&, std::size_t i) {
        t.types.push_back(boost::make_shared<const Instr_XML>(static_cast<int>(i)));
        t.codes.push_back(InstrRecAt(static_cast<int>(i)).instrId);
        t.parLists.emplace_back();
        t.alLists.emplace_back();
      });
}

namespace {

// Appends, for every reference record in document order, the position of the
// row it names to the list of its instrument. The row's key is checked
// before the instrument's.
template <typename Lookup>
bool ReadInstrRefs(const xercesc::DOMDocument& doc, const wchar_t* element, const wchar_t* field,
                   Lookup lookup, std::vector<std::vector<int>> InstrTables::*lists) {
  const auto records = Records(doc, element);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto& r = *records[i];
    const std::wstring instr = FieldText(r, L"instrRef");
    const int row = ResolveField(r, i, field, lookup);
    const int q = ResolveName(r, i, L"instrRef", instr, InstrPos);
    (Instruments().*lists).at(static_cast<std::size_t>(q)).push_back(row);
  }
  return true;
}

}  // namespace

bool ReadInstrParTable(const xercesc::DOMDocument& doc) {
  return ReadInstrRefs(doc, L"instrParRef", L"parRef", ParPos, &InstrTables::parLists);
}

bool ReadInstrAlTable(const xercesc::DOMDocument& doc) {
  return ReadInstrRefs(doc, L"instrAlRef", L"alRef", AlPos, &InstrTables::alLists);
}

bool LoadInstruments(const std::wstring& folder) {
  return XmlReadFile(XmlFilePath(folder, ChkInstrFile), ReadInstrTable) &&
         XmlReadFile(XmlFilePath(folder, ChkInstrParFile), ReadInstrParTable) &&
         XmlReadFile(XmlFilePath(folder, ChkAlarmFile), ReadAlarmTable) &&
         XmlReadFile(XmlFilePath(folder, ChkInstrAlFile), ReadInstrAlTable);
}

std::wstring InstrRepeated() { return Instruments().records.Repeated(); }

const Instr& InstrByCode(const std::wstring& code) {
  return *AtPos(Instruments().types, InstrPos(code));
}

const std::vector<std::wstring>& InstrCodes() { return Instruments().codes; }

int InstrPos(const std::wstring& code) { return Instruments().records.Pos(code); }
const InstrRec& InstrRecAt(int pos) { return Instruments().records.At(pos); }
const InstrRec& InstrRecByKey(const std::wstring& code) { return Instruments().records.ByKey(code); }
const std::vector<parPos>& InstrParListAt(int pos) { return AtPos(Instruments().parLists, pos); }
const std::vector<int>& InstrAlListAt(int pos) { return AtPos(Instruments().alLists, pos); }

std::wstring Instr_XML::Code() const { return InstrRecAt(pos_).instrId; }

InstrPars Instr_XML::Pars() const {
  InstrPars pars;
  for (const parPos p : InstrParListAt(pos_)) pars.push_back(ParByPos(p));
  return pars;
}

std::wstring Instr_XML::AlarmText(int n) const {
  const auto& alarms = InstrAlListAt(pos_);
  if (n < 0 || static_cast<std::size_t>(n) >= alarms.size())
    return DictTextAt(InstrRecAt(pos_).alarmDefault);
  return DictTextAt(AlRecAt(alarms[static_cast<std::size_t>(n)]).alText);
}

}  // namespace PardeloStravon
