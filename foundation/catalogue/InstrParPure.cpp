#include "foundation/catalogue/InstrParPure.h"

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/GroupTables.h"

namespace PardeloStravon {

IPPXMLRef::IPPXMLRef(parPos pos) : pos_(pos), range_(newRTTRange(pos).release()) {}

std::wstring IPPXMLRef::ParID() const { return Row().parId; }
std::wstring IPPXMLRef::ParSt() const { return DictTextAt(Row().parSt); }
std::wstring IPPXMLRef::ParDlg() const { return DictTextAt(Row().parDlg); }
std::wstring IPPXMLRef::ParUser() const { return DictTextAt(Row().parUser); }
std::wstring IPPXMLRef::ParSlDy() const { return Row().parSlDy; }
const GroupSubRec& IPPXMLRef::ParSubGroup() const { return GroupSubRecAt(Row().parSubGroup); }
int IPPXMLRef::ParMult() const { return Row().parMult.value_or(1); }

std::vector<std::wstring> IPPXMLRef::ParRem() const {
  std::vector<std::wstring> texts;
  for (const int rem : Row().parRem) texts.push_back(DictTextAt(RemRecAt(rem).remUser));
  return texts;
}

}  // namespace PardeloStravon
