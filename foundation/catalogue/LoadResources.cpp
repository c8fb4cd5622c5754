#include "foundation/catalogue/LoadResources.h"

#include <exception>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/GroupTables.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/LogChannel.h"
#include "foundation/catalogue/ParamTable.h"
#include "foundation/catalogue/StaticDictInd.h"
#include "foundation/core/TextConv.h"

namespace PardeloStravon {

namespace {

const std::wstring Closing = L"!!! Closing the application";

std::wstring LoadFailed(const std::wstring& what) {
  const std::wstring text = what + L" load failed" + Closing;
  LogError(text);
  return text;
}

// unique: "StaticDictInd unique tokens", "Group unique keys", ...
std::wstring Repeated(const std::wstring& unique, const std::wstring& list) {
  const std::wstring text = unique + L" repeated" + Closing + L". Repetition list: " + list;
  LogError(text + L"\n");
  return text;
}

// The tables in the order they refer to each other by key.
struct TableStep {
  const wchar_t* what;
  bool (*load)(const std::wstring& folder);
  std::wstring (*repeated)();
};

const TableStep Tables[] = {
    {L"Group", LoadGroups, GroupRepeated},
    {L"Sub group", LoadGroupSubs, GroupSubRepeated},
    {L"Rem", LoadRems, RemRepeated},
    {L"Parameter", LoadParams, ParRepeated},
    {L"Instrument", LoadInstruments, InstrRepeated},
};

}  // namespace

std::wstring LoadXmlResources(const std::wstring& folder) {
  const std::wstring tokens = RepeatedTokens();
  if (!tokens.empty()) return Repeated(L"StaticDictInd unique tokens", tokens);

  LogActivity(L"\nLoading the dictionary ...");
  if (!LoadDictionary(folder)) return LoadFailed(L"Dictionary");
  LogActivity(L" ... dictionary loaded ok!");

  LogActivity(L"\nTesting dictionary completeness ...");
  if (!DictComplete()) {
    const std::wstring text = L"Dictionary completeness failed" + Closing;
    LogError(text);
    return text;
  }
  LogActivity(L" ... dictionary completeness ok!");

  for (const TableStep& step : Tables) {
    if (!step.load(folder)) return LoadFailed(step.what);
    const std::wstring repeated = step.repeated();
    if (!repeated.empty()) return Repeated(step.what + std::wstring(L" unique keys"), repeated);
  }
  return std::wstring();
}

std::wstring LoadResources(const std::wstring& folder) {
  try {
    return LoadXmlResources(folder);
  } catch (const std::exception& e) {
    LogError(L"    " + FromUtf8(e.what()) + L"\n");
  } catch (...) {
  }
  const std::wstring text = L"Unexpected error loading XML resources" + Closing;
  LogError(text + L"\n");
  return text;
}

}  // namespace PardeloStravon
