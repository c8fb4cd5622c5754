#include "views/dialogs/PickRules.h"

#include <boost/lexical_cast.hpp>

#include <algorithm>

#include "network/nodes/InstrNet.h"
#include "network/nodes/Node.h"

namespace PardeloStravon {

std::vector<std::wstring> InstrumentEntries(const InstrNet& net, int mode) {
  std::vector<std::wstring> entries;
  if (mode != 0 && mode != 1 && mode != 2) return entries;
  for (int a = FirstPickAddress; a <= LastPickAddress; ++a) {
    const bool present = net.IsPresent(a);
    if (mode == 1 && !present) entries.push_back(std::to_wstring(a));
    if (mode != 1 && present)
      entries.push_back(std::to_wstring(a + 1000).substr(1) + L" - " + static_cast<const std::wstring&>(net.GetPresent(a).Opt().nm_));
  }
  return entries;
}

std::optional<int> TextToPickAddress(const std::wstring& text) {
  const std::wstring number = text.size() < 4 ? text : L"1" + text.substr(0, 3);
  int value = 0;
  if (!boost::conversion::try_lexical_convert(number, value)) return std::nullopt;
  return text.size() < 4 ? value : value - 1000;
}

std::wstring ChosenCode(const std::vector<std::wstring>& codes, const std::wstring& text) {
  return std::find(codes.begin(), codes.end(), text) != codes.end() ? text : std::wstring();
}

}  // namespace PardeloStravon
