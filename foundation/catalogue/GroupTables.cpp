#include "foundation/catalogue/GroupTables.h"

#include "foundation/catalogue/CatalogueFields.h"
#include "foundation/catalogue/CatalogueTable.h"
#include "foundation/catalogue/XmlFiles.h"
#include "foundation/catalogue/XmlTable.h"

namespace PardeloStravon {

namespace {

CatalogueTable<GroupRec, GroupBadRef>& Groups() {
  static CatalogueTable<GroupRec, GroupBadRef> table;
  return table;
}

CatalogueTable<GroupSubRec, GroupSubBadRef>& GroupSubs() {
  static CatalogueTable<GroupSubRec, GroupSubBadRef> table;
  return table;
}

CatalogueTable<RemRec, RemBadRef>& Rems() {
  static CatalogueTable<RemRec, RemBadRef> table;
  return table;
}

}  // namespace

bool ReadGroupTable(const xercesc::DOMDocument& doc) {
  return ReadRecords(doc, L"group", Groups(), &GroupRec::groupId,
                     [](const xercesc::DOMElement& r, std::size_t i) {
                       GroupRec rec;
                       rec.groupId = FieldText(r, L"groupId");
                       rec.groupDlg = TokenField(r, i, L"groupDlg");
                       rec.groupUser = TokenField(r, i, L"groupUser");
                       rec.groupSlDy = FieldText(r, L"groupSlDy");
                       return rec;
                     });
}

bool ReadGroupSubTable(const xercesc::DOMDocument& doc) {
  return ReadRecords(doc, L"groupSub", GroupSubs(), &GroupSubRec::groupSubId,
                     [](const xercesc::DOMElement& r, std::size_t i) {
                       GroupSubRec rec;
                       rec.groupSubId = FieldText(r, L"groupSubId");
                       rec.groupSubGroup = ResolveField(r, i, L"groupSubGroup", GroupPos);
                       rec.groupSubDlg = TokenField(r, i, L"groupSubDlg");
                       rec.groupSubUser = TokenField(r, i, L"groupSubUser");
                       rec.groupSubSlDy = FieldText(r, L"groupSubSlDy");
                       return rec;
                     });
}

bool ReadRemTable(const xercesc::DOMDocument& doc) {
  return ReadRecords(doc, L"rem", Rems(), &RemRec::remId,
                     [](const xercesc::DOMElement& r, std::size_t i) {
                       RemRec rec;
                       rec.remId = FieldText(r, L"remId");
                       rec.remUser = TokenField(r, i, L"remUser");
                       return rec;
                     });
}

bool LoadGroups(const std::wstring& folder) {
  return XmlReadFile(XmlFilePath(folder, ChkGroupFile), ReadGroupTable);
}

bool LoadGroupSubs(const std::wstring& folder) {
  return XmlReadFile(XmlFilePath(folder, ChkGroupSubFile), ReadGroupSubTable);
}

bool LoadRems(const std::wstring& folder) {
  return XmlReadFile(XmlFilePath(folder, ChkRemFile), ReadRemTable);
}

std::wstring GroupRepeated() { return Groups().Repeated(); }
std::wstring GroupSubRepeated() { return GroupSubs().Repeated(); }
std::wstring RemRepeated() { return Rems().Repeated(); }

int GroupPos(const std::wstring& key) { return Groups().Pos(key); }
const GroupRec& GroupRecAt(int pos) { return Groups().At(pos); }
const GroupRec& GroupRecByKey(const std::wstring& key) { return Groups().ByKey(key); }

int GroupSubPos(const std::wstring& key) { return GroupSubs().Pos(key); }
const GroupSubRec& GroupSubRecAt(int pos) { return GroupSubs().At(pos); }
const GroupSubRec& GroupSubRecByKey(const std::wstring& key) { return GroupSubs().ByKey(key); }

int RemPos(const std::wstring& key) { return Rems().Pos(key); }
const RemRec& RemRecAt(int pos) { return Rems().At(pos); }
const RemRec& RemRecByKey(const std::wstring& key) { return Rems().ByKey(key); }

}  // namespace PardeloStravon
