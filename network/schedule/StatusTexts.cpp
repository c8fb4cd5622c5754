#include "network/schedule/StatusTexts.h"

#include <stdexcept>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/values/ValueText.h"

namespace PardeloStravon {

std::wstring LinkText(Node::InstrLink k) {
  switch (k) {
    case Node::to_check: return DictText(CTW_LS_to_check);
    case Node::not_yet: return DictText(CTW_LS_not_yet);
    case Node::no_link: return DictText(CTW_LS_no_link);
    case Node::yes_link: return DictText(CTW_LS_yes_link);
    case Node::int_link: return DictText(CTW_LS_int_link);
    case Node::lost_link: return DictText(CTW_LS_lost_link);
  }
  throw std::invalid_argument("Invalid argument in LinkText(Node::InstrLink k)");
}

std::wstring NodeStatusText(const Node& node) {
  const InstrPars pars = node.Type().Pars();
  const InstrParValues values = node.Values();
  const std::vector<InstrParOptSt>& shown = node.OptSt();
  const bool hasReadings = node.HasReadings();
  const bool hasSettings = node.HasSettings();

  std::wstring text;
  for (std::size_t i = 0; i < pars.size() && i < shown.size(); ++i) {
    if (!shown[i].stDefOpt_) continue;
    if (!text.empty()) text += L" - ";
    text += shown[i].stTextOpt_ + L": ";
    const bool received =
        (hasReadings && pars[i]->ParIsRead()) || (hasSettings && pars[i]->ParIsSet());
    text += received ? ValueToText(*pars[i]->ParRange(), values.at(i)) : L"***";
  }
  return text;
}

}  // namespace PardeloStravon
