#include "foundation/catalogue/ParamTable.h"

#include <boost/make_shared.hpp>
#include <boost/shared_ptr.hpp>

#include <stdexcept>
#include <utility>

#include "foundation/catalogue/CatalogueFields.h"
#include "foundation/catalogue/CatalogueTable.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrParPure.h"
#include "foundation/core/LogChannel.h"
#include "foundation/catalogue/XmlFiles.h"
#include "foundation/catalogue/XmlTable.h"

namespace PardeloStravon {

namespace {

CatalogueTable<ParRec, ParBadRef>& Params() {
  static CatalogueTable<ParRec, ParBadRef> table;
  return table;
}

// One per row, repeated keys included; a row whose range failed has none.
std::vector<boost::shared_ptr<const IPPXMLRef>>& Definitions() {
  static std::vector<boost::shared_ptr<const IPPXMLRef>> defs;
  return defs;
}

const std::pair<const wchar_t*, bool ParRec::*> Flags[] = {
    {L"parIsDSt", &ParRec::parIsDSt},           {L"parIsAl", &ParRec::parIsAl},
    {L"parIsRead", &ParRec::parIsRead},         {L"parIsSet", &ParRec::parIsSet},
    {L"parIsSlave", &ParRec::parIsSlave},       {L"parIsRO", &ParRec::parIsRO},
    {L"parIsRTC", &ParRec::parIsRTC},           {L"parIsMaNetAdd", &ParRec::parIsMaNetAdd},
    {L"parIsSlNetAdd", &ParRec::parIsSlNetAdd}, {L"parIsBitMain", &ParRec::parIsBitMain},
    {L"parIsBitSub", &ParRec::parIsBitSub},     {L"parIsPad", &ParRec::parIsPad},
};

std::optional<int> OptionalInt(const xercesc::DOMElement& r, const wchar_t* field) {
  const auto text = OptionalFieldText(r, field);
  return text ? std::optional<int>(WToI(*text)) : std::nullopt;
}

std::optional<double> OptionalReal(const xercesc::DOMElement& r, const wchar_t* field) {
  const auto text = OptionalFieldText(r, field);
  return text ? std::optional<double>(WToF(*text)) : std::nullopt;
}

ParRec ReadParRec(const xercesc::DOMElement& r, std::size_t i) {
  ParRec rec;
  rec.parId = FieldText(r, L"parId");
  rec.parTy = FieldText(r, L"parTy");
  rec.parSt = TokenField(r, i, L"parSt");
  rec.parDlg = TokenField(r, i, L"parDlg");
  rec.parUser = TokenField(r, i, L"parUser");
  rec.parCMemo = FieldText(r, L"parCMemo");
  rec.parSlDy = FieldText(r, L"parSlDy");
  rec.parSubGroup = ResolveField(r, i, L"parSubGroup", GroupSubPos);
  rec.parMult = OptionalInt(r, L"parMult");
  rec.parMin = OptionalReal(r, L"parMin");
  rec.parMinRef = OptionalInt(r, L"parMinRef");
  rec.parMax = OptionalReal(r, L"parMax");
  rec.parMaxRef = OptionalInt(r, L"parMaxRef");
  rec.parDft = OptionalReal(r, L"parDft");
  for (const auto& rem : FieldTexts(r, L"parRem"))
    rec.parRem.push_back(ResolveName(r, i, L"parRem", rem, RemPos));
  for (const auto& [name, flag] : Flags) rec.*flag = FieldFlag(r, name);
  return rec;
}

}  // namespace

bool ReadParamTable(const xercesc::DOMDocument& doc) {
  Definitions().clear();
  // The definition builds its range from the row just stored.
  return ReadRecords(doc, L"param", Params(), &ParRec::parId, ReadParRec,
                     [](const xercesc::DOMElement&, std::size_t i) {
                       try {
                         Definitions().push_back(
                             boost::make_shared<const IPPXMLRef>(static_cast<parPos>(i)));
                       } catch (...) {
                         const ParRec& row = ParRecAt(static_cast<parPos>(i));
                         LogError(L"    " + RecordPlace(L"param", i) +
                                  L": no range for parameter '" + row.parId + L"' of type '" +
                                  row.parTy + L"'\n");
                         throw;
                       }
                     });
}

bool LoadParams(const std::wstring& folder) {
  return XmlReadFile(XmlFilePath(folder, ChkParamFile), ReadParamTable);
}

std::wstring ParRepeated() { return Params().Repeated(); }

parPos ParPos(const std::wstring& key) { return Params().Pos(key); }
const ParRec& ParRecAt(parPos pos) { return Params().At(pos); }
const ParRec& ParRecByKey(const std::wstring& key) { return Params().ByKey(key); }

const InstrParPure* ParByPos(parPos pos) {
  if (pos < 0 || static_cast<std::size_t>(pos) >= Definitions().size())
    throw std::out_of_range("In QZ::ParByPos(parPos pos)");
  return Definitions()[pos].get();
}

const InstrParPure* ParByKey(const std::wstring& key) { return ParByPos(ParPos(key)); }

}  // namespace PardeloStravon
