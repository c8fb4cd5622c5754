#include "foundation/catalogue/Dictionary.h"

#include <atomic>
#include <list>
#include <map>
#include <mutex>

#include "foundation/core/LogChannel.h"
#include "foundation/catalogue/StaticDictInd.h"
#include "foundation/core/TextConv.h"
#include "foundation/catalogue/XmlFiles.h"
#include "foundation/catalogue/XmlTable.h"

namespace PardeloStravon {

using xercesc::DOMDocument;

namespace {

struct DictData {
  std::vector<DictLanguage> languages;
  std::map<std::wstring, std::size_t> tokens;
  // One text per token position, for each language.
  std::vector<std::vector<std::wstring>> texts;
};

// A loaded dictionary is never freed, not even at exit: every text
// reference handed out stays valid on every thread.
std::list<DictData>& Loaded() {
  static auto* loaded = new std::list<DictData>;
  return *loaded;
}
std::mutex loadMutex;
std::atomic<const DictData*> current{nullptr};
std::atomic<std::size_t> currentLanguage{0};

const DictData& Current() {
  static const DictData none;
  const DictData* d = current.load(std::memory_order_acquire);
  return d ? *d : none;
}

std::size_t PosIn(const DictData& d, const std::wstring& token) {
  const auto it = d.tokens.find(token);
  if (it == d.tokens.end()) throw DictBadPos();
  return it->second;
}

std::wstring Count(std::size_t n) { return ToWStr(static_cast<unsigned long>(n)); }

bool ReadLanguageTable(const DOMDocument& doc, DictData& d) {
  const auto records = Records(doc, L"lng");
  d.languages.resize(records.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::wstring id = FieldText(*records[i], L"lngId");
    // The identifier becomes part of a file name.
    if (id.find(PathSeparator) != std::wstring::npos || id == L"." || id == L"..")
      throw XmlFieldError(RecordPlace(L"lng", i) + L" names the language \"" + id +
                          L"\", which is no file name");
    d.languages[i] = {id, FieldText(*records[i], L"lngLoc")};
  }
  return true;
}

// A token listed twice keeps its last position; the earlier one stays
// without a text.
bool ReadTokenTable(const DOMDocument& doc, DictData& d) {
  const auto records = Records(doc, L"tokId");
  for (auto& texts : d.texts) texts.assign(records.size(), std::wstring());
  for (std::size_t i = 0; i < records.size(); ++i) d.tokens[RecordText(*records[i])] = i;
  return true;
}

bool ReadTranslations(const DOMDocument& doc, DictData& d, std::size_t language,
                      const std::wstring& path) {
  const auto records = Records(doc, L"trTok");
  auto& texts = d.texts.at(language);
  if (records.size() != texts.size()) {
    LogError(L"    " + path + L" holds " + Count(records.size()) + L" translations for " +
             Count(texts.size()) + L" tokens\n");
    throw DictNotInit();
  }
  for (const auto* record : records) {
    const std::wstring token = FieldText(*record, L"tokRef");
    const std::wstring text = FieldTextOr(*record, L"tokTr", L"_");
    const auto it = d.tokens.find(token);
    if (it == d.tokens.end()) {
      LogError(L"    " + path + L" translates the unknown token '" + token + L"'\n");
      throw DictBadPos();
    }
    texts[it->second] = text;
  }
  return true;
}

}  // namespace

bool LoadDictionary(const std::wstring& folder) {
  DictData d;
  if (!XmlReadFile(XmlFilePath(folder, TblLngFile),
                   [&](const DOMDocument& doc) { return ReadLanguageTable(doc, d); }))
    return false;
  d.texts.resize(d.languages.size());
  if (!XmlReadFile(XmlFilePath(folder, TblToTranslateFile),
                   [&](const DOMDocument& doc) { return ReadTokenTable(doc, d); }))
    return false;
  for (std::size_t i = 0; i < d.languages.size(); ++i) {
    const std::wstring path = XmlFilePath(folder, TranslationFileName(d.languages[i].first));
    if (!XmlReadFile(path,
                     [&](const DOMDocument& doc) { return ReadTranslations(doc, d, i, path); }))
      return false;
  }

  std::lock_guard<std::mutex> lock(loadMutex);
  Loaded().push_back(std::move(d));
  current.store(&Loaded().back(), std::memory_order_release);
  if (CurrentLanguage() >= Loaded().back().languages.size()) SetCurrentLanguage(0);
  return true;
}

bool DictComplete() {
  for (const auto& token : RegisteredTokens())
    if (!FindTokenPos(token).first) return false;
  return true;
}

std::vector<DictLanguage> DictLanguages() { return Current().languages; }

std::pair<bool, std::size_t> FindTokenPos(const std::wstring& token) {
  const auto& tokens = Current().tokens;
  const auto it = tokens.find(token);
  if (it == tokens.end()) return {false, 0};
  return {true, it->second};
}

std::size_t TokenPos(const std::wstring& token) { return PosIn(Current(), token); }

const std::wstring& DictText(const std::wstring& token) {
  const DictData& d = Current();
  return d.texts.at(CurrentLanguage()).at(PosIn(d, token));
}

const std::wstring& DictTextAt(std::size_t position) {
  return Current().texts.at(CurrentLanguage()).at(position);
}

std::size_t CurrentLanguage() { return currentLanguage.load(std::memory_order_relaxed); }

void SetCurrentLanguage(std::size_t index) {
  currentLanguage.store(index < Current().languages.size() ? index : 0, std::memory_order_relaxed);
}

}  // namespace PardeloStravon
