#pragma once
// The groups and sub-groups under which parameters are arranged (the
// headings of the settings form and of the display options), and the rems,
// named texts that a parameter may list. Loaded once at start-up, in the
// order groups, sub-groups, rems; read-only afterwards, by every thread.
#include <xercesc/dom/DOMDocument.hpp>

#include <string>

#include "foundation/catalogue/CatalogueErrors.h"

namespace PardeloStravon {

// Token fields hold the token's dictionary position.
struct GroupRec {
  std::wstring groupId;
  int groupDlg = 0;
  int groupUser = 0;
  std::wstring groupSlDy;
};

struct GroupSubRec {
  std::wstring groupSubId;
  int groupSubGroup = 0;  // position in the group table
  int groupSubDlg = 0;
  int groupSubUser = 0;
  std::wstring groupSubSlDy;
};

struct RemRec {
  std::wstring remId;
  int remUser = 0;
};

// Each given the program's folder; false when the file was not read.
// Exceptions of the reader (an unknown key or token) pass on.
bool LoadGroups(const std::wstring& folder);
bool LoadGroupSubs(const std::wstring& folder);
bool LoadRems(const std::wstring& folder);

bool ReadGroupTable(const xercesc::DOMDocument& doc);
bool ReadGroupSubTable(const xercesc::DOMDocument& doc);
bool ReadRemTable(const xercesc::DOMDocument& doc);

// Keys of later records that an earlier record already had, as 'A','B'.
std::wstring GroupRepeated();
std::wstring GroupSubRepeated();
std::wstring RemRepeated();

// Position of a key (the first record with it); an unknown key throws the
// table's bad-reference tag. A position outside a table throws
// std::out_of_range.
int GroupPos(const std::wstring& key);
const GroupRec& GroupRecAt(int pos);
const GroupRec& GroupRecByKey(const std::wstring& key);

int GroupSubPos(const std::wstring& key);
const GroupSubRec& GroupSubRecAt(int pos);
const GroupSubRec& GroupSubRecByKey(const std::wstring& key);

int RemPos(const std::wstring& key);
const RemRec& RemRecAt(int pos);
const RemRec& RemRecByKey(const std::wstring& key);

}  // namespace PardeloStravon
