#include "foundation/catalogue/AlarmTable.h"

#include "foundation/catalogue/CatalogueFields.h"
#include "foundation/catalogue/CatalogueTable.h"
#include "foundation/core/LogChannel.h"

namespace PardeloStravon {

namespace {

CatalogueTable<AlRec, AlBadRef>& Alarms() {
  static CatalogueTable<AlRec, AlBadRef> table;
  return table;
}

}  // namespace

bool ReadAlarmTable(const xercesc::DOMDocument& doc) {
  return ReadRecords(doc, L"alarm", Alarms(), &AlRec::alId,
                     [](const xercesc::DOMElement& r, std::size_t i) {
                       AlRec rec;
                       rec.alId = FieldText(r, L"alId");
                       rec.alText = TokenField(r, i, L"alText");
                       if (Alarms().Holds(rec.alId)) {
                         LogError(L"    " + RecordPlace(L"alarm", i) + L": repeated alId '" +
                                  rec.alId + L"'\n");
                         throw AlBadRef();
                       }
                       return rec;
                     });
}

int AlPos(const std::wstring& key) { return Alarms().Pos(key); }
const AlRec& AlRecAt(int pos) { return Alarms().At(pos); }
const AlRec& AlRecByKey(const std::wstring& key) { return Alarms().ByKey(key); }

}  // namespace PardeloStravon
