#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/catalogue/StaticDictInd.h"
#include "foundation/core/TextConv.h"
#include "foundation/catalogue/Tokens.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using TestSupport::LogCapture;
using TestSupport::TempDir;
using TestSupport::WriteFileBytes;

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

const std::wstring& Shipped() {
  static const std::wstring folder = ProgramFolder();
  return folder;
}

std::string Table(const std::string& root, const std::string& schema, const std::string& body) {
  std::string head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<" + root;
  if (!schema.empty())
    head +=
        " xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
        "xsi:noNamespaceSchemaLocation=\"" +
        schema + "\"";
  return head + ">\n" + body + "</" + root + ">\n";
}

std::string LanguageTable(const Pairs& languages) {
  std::string body;
  for (const auto& [id, name] : languages)
    body += "<lng><lngId>" + id + "</lngId><lngLoc>" + name + "</lngLoc></lng>\n";
  return Table("tblLng", "tblLng.xsd", body);
}

std::string TokenTable(const std::vector<std::string>& tokens) {
  std::string body;
  for (const auto& t : tokens) body += "<tokId>" + t + "</tokId>\n";
  return Table("tblToTranslate", "tblToTranslate.xsd", body);
}

// An empty text is written as an empty element.
std::string TranslationFile(const Pairs& translations) {
  std::string body;
  for (const auto& [token, text] : translations)
    body += "<trTok><tokRef>" + token + "</tokRef>" +
            (text.empty() ? "<tokTr/>" : "<tokTr>" + text + "</tokTr>") + "</trTok>\n";
  return Table("chkTrTo", "chkTrTo.xsd", body);
}

// A program folder of its own: XML/ with the shipped schemas and the tables
// a test writes.
class DictFolder {
 public:
  DictFolder() {
    std::filesystem::create_directory(Xml());
    for (const char* xsd : {"tblLng.xsd", "tblToTranslate.xsd", "chkTrTo.xsd"})
      std::filesystem::copy_file(std::filesystem::path(NativePath(Shipped())) / "XML" / xsd,
                                 Xml() / xsd);
  }
  // Two languages, three tokens, every one translated.
  static DictFolder Good() {
    DictFolder f;
    f.Write("tblLng.xml", LanguageTable({{"en", "English"}, {"it", "Italiano"}}));
    f.Write("tblToTranslate.xml", TokenTable({"CTW_OK", "CTW_Cancel", "CTW_Default"}));
    f.Write(
        "chkTrTo_en.xml",
        TranslationFile({{"CTW_OK", "Okay"}, {"CTW_Cancel", "Abort"}, {"CTW_Default", "Reset"}}));
    f.Write("chkTrTo_it.xml", TranslationFile({{"CTW_OK", "Va bene"},
                                               {"CTW_Cancel", "Annulla"},
                                               {"CTW_Default", "Predefinito"}}));
    return f;
  }
  DictFolder(DictFolder&&) = default;

  void Write(const std::string& name, const std::string& content) const {
    WriteFileBytes(Xml() / name, content);
  }
  void Remove(const std::string& name) const { std::filesystem::remove(Xml() / name); }
  std::wstring Folder() const { return dir_->Wide(); }
  std::wstring XmlPath(const std::string& name) const {
    return Folder() + L"/XML/" + FromUtf8(name);
  }

 private:
  std::filesystem::path Xml() const { return dir_->Path() / "XML"; }
  std::unique_ptr<TempDir> dir_ = std::make_unique<TempDir>();
};

enum class Outcome { Loaded, Refused, NotInit, BadPos };

Outcome Load(const std::wstring& folder) {
  try {
    return LoadDictionary(folder) ? Outcome::Loaded : Outcome::Refused;
  } catch (const DictNotInit&) {
    return Outcome::NotInit;
  } catch (const DictBadPos&) {
    return Outcome::BadPos;
  }
}

// The number of token positions of the loaded dictionary.
std::size_t PositionCount() {
  std::size_t n = 0;
  try {
    for (;; ++n) DictTextAt(n);
  } catch (const std::out_of_range&) {
  }
  return n;
}

// Every registered token, in the order of the set, optionally without one
// and with extras.
std::vector<std::string> RegisteredPlus(const std::vector<std::string>& extra,
                                        const std::wstring& without = L"") {
  std::vector<std::string> tokens;
  for (const auto& t : RegisteredTokens())
    if (t != without) tokens.push_back(ToUtf8(t));
  tokens.insert(tokens.end(), extra.begin(), extra.end());
  return tokens;
}

void WriteOneLanguage(const DictFolder& f, const std::vector<std::string>& tokens) {
  Pairs translations;
  for (const auto& t : tokens) translations.push_back({t, "text of " + t});
  f.Write("tblLng.xml", LanguageTable({{"en", "English"}}));
  f.Write("tblToTranslate.xml", TokenTable(tokens));
  f.Write("chkTrTo_en.xml", TranslationFile(translations));
}

}  // namespace

TEST(Dictionary, ShippedTables_TranslateEveryTokenInEveryLanguage) {
  ASSERT_EQ(RepeatedTokens(), L"");
  LogCapture errors(ErrorLog);
  ASSERT_TRUE(LoadDictionary(Shipped())) << errors.Text();
  EXPECT_EQ(errors.Text(), L"");
  EXPECT_TRUE(DictComplete());
  const auto languages = DictLanguages();
  ASSERT_EQ(languages, (std::vector<DictLanguage>{{L"en", L"English"}, {L"it", L"Italiano"}}));

  const std::size_t positions = PositionCount();
  EXPECT_GE(positions, RegisteredTokens().size());
  for (std::size_t lang = 0; lang < languages.size(); ++lang) {
    SetCurrentLanguage(lang);
    for (const auto& token : RegisteredTokens()) {
      EXPECT_FALSE(DictText(token).empty()) << languages[lang].first << " " << ToUtf8(token);
      EXPECT_NE(DictText(token), L"_") << languages[lang].first << " " << ToUtf8(token);
    }
    // Tokens that only the tables use (the catalogue's) need texts too; a
    // token listed twice would leave a position without one.
    for (std::size_t pos = 0; pos < positions; ++pos)
      EXPECT_FALSE(DictTextAt(pos).empty()) << languages[lang].first << " position " << pos;
  }
  SetCurrentLanguage(0);
}

TEST(Dictionary, SwitchingTheLanguage_ChangesTextsWithoutReloading) {
  ASSERT_TRUE(LoadDictionary(Shipped()));
  SetCurrentLanguage(0);
  const std::wstring& cancel = DictText(CTW_Cancel);
  EXPECT_EQ(cancel, L"Cancel");
  EXPECT_EQ(DictText(CTW_Gr_Humidity), L"Humidity");
  SetCurrentLanguage(1);
  EXPECT_EQ(CurrentLanguage(), 1u);
  EXPECT_EQ(DictText(CTW_Cancel), L"Annulla");
  EXPECT_EQ(DictText(CTW_Gr_Humidity), L"Umidità");
  EXPECT_EQ(DictTextAt(TokenPos(CTW_Cancel)), L"Annulla");
  EXPECT_EQ(cancel, L"Cancel");  // a text handed out earlier stays valid
  SetCurrentLanguage(0);
}

// Worker threads read texts while the GUI thread switches the language.
TEST(Dictionary, ReadersOnOtherThreads_SeeTheOldOrTheNewLanguage) {
  ASSERT_TRUE(LoadDictionary(Shipped()));
  std::atomic<bool> stop{false};
  std::atomic<int> wrong{0};
  std::thread reader([&] {
    while (!stop) {
      const std::wstring& text = DictText(CTW_Cancel);
      if (text != L"Cancel" && text != L"Annulla") ++wrong;
    }
  });
  for (int i = 0; i < 2000; ++i) SetCurrentLanguage(i % 2);
  stop = true;
  reader.join();
  EXPECT_EQ(wrong, 0);
  SetCurrentLanguage(0);
}

TEST(Dictionary, SetCurrentLanguage_OutOfRangeSelectsTheFirst) {
  ASSERT_TRUE(LoadDictionary(Shipped()));
  const struct {
    std::size_t index;
    std::size_t current;
  } cases[] = {{1, 1}, {0, 0}, {1, 1}, {2, 0}, {1, 1}, {static_cast<std::size_t>(-1), 0}};
  for (const auto& c : cases) {
    SetCurrentLanguage(c.index);
    EXPECT_EQ(CurrentLanguage(), c.current) << c.index;
  }
}

// Each broken folder is refused with its diagnostics in ErrorLog, and the
// dictionary loaded before stays as it was.
TEST(Dictionary, BrokenTables_AreRefusedAndLeaveTheDictionaryAsItWas) {
  struct Case {
    const char* name;
    const char* file;
    std::optional<std::string> content;  // none: the file is removed
    Outcome outcome;
    std::wstring log;  // the start of ErrorLog; {xml} stands for the table folder
  } cases[] = {
      {"missing language table", "tblLng.xml", std::nullopt, Outcome::Refused,
       L"    {xml}/tblLng.xml file not found\n"},
      {"missing translation file", "chkTrTo_it.xml", std::nullopt, Outcome::Refused,
       L"    {xml}/chkTrTo_it.xml file not found\n"},
      {"malformed token table", "tblToTranslate.xml", "<tblToTranslate><tokId>", Outcome::Refused,
       L"Fatal Error at file {xml}/tblToTranslate.xml, line 1, char 24\n"
       L"    Message: input ended before all started tags were ended; last tag started is "
       L"'tokId'\n"},
      {"schema violation: language without its name", "tblLng.xml",
       Table("tblLng", "tblLng.xsd", "<lng><lngId>en</lngId></lng>\n"), Outcome::Refused,
       L"Error at file {xml}/tblLng.xml, line 3, char 29\n"
       L"    Message: missing elements in content model '(lngId,lngLoc)'\n"},
      {"schema violation: language identifier that is a path", "tblLng.xml",
       LanguageTable({{"../en", "English"}}), Outcome::Refused,
       L"Error at file {xml}/tblLng.xml, line 3, char 26\n"
       L"    Message: value '../en' does not match regular expression facet '[A-Za-z0-9_\\-]+'\n"},
      {"translation file one record short", "chkTrTo_en.xml",
       TranslationFile({{"CTW_OK", "New"}, {"CTW_Cancel", "New"}}), Outcome::NotInit,
       L"    {xml}/chkTrTo_en.xml holds 2 translations for 3 tokens\n"},
      {"translation of an unknown token", "chkTrTo_it.xml",
       TranslationFile({{"CTW_OK", "Nuovo"}, {"CTW_Nope", "Nuovo"}, {"CTW_Default", "Nuovo"}}),
       Outcome::BadPos, L"    {xml}/chkTrTo_it.xml translates the unknown token 'CTW_Nope'\n"},
      {"missing field in a file without schema", "chkTrTo_en.xml",
       Table("chkTrTo", "",
             "<trTok><tokRef>CTW_OK</tokRef><tokTr>New</tokTr></trTok>\n"
             "<trTok><tokTr>New</tokTr></trTok>\n"
             "<trTok><tokRef>CTW_Default</tokRef><tokTr>New</tokTr></trTok>\n"),
       Outcome::Refused,
       L"    {xml}/chkTrTo_en.xml record \"trTok\" at position 1 has no field \"tokRef\"\n"},
      {"language identifier that is a path, without schema", "tblLng.xml",
       Table("tblLng", "", "<lng><lngId>..</lngId><lngLoc>Up</lngLoc></lng>\n"), Outcome::Refused,
       L"    {xml}/tblLng.xml record \"lng\" at position 0 names the language \"..\", which is no "
       L"file name\n"},
  };
  const DictFolder before = DictFolder::Good();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(Load(before.Folder()), Outcome::Loaded);
    SetCurrentLanguage(1);
    const DictFolder broken = DictFolder::Good();
    if (c.content)
      broken.Write(c.file, *c.content);
    else
      broken.Remove(c.file);
    std::wstring expected = c.log;
    expected.replace(expected.find(L"{xml}"), 5, broken.Folder() + L"/XML");

    LogCapture errors(ErrorLog);
    EXPECT_EQ(Load(broken.Folder()), c.outcome);
    EXPECT_EQ(errors.Text().substr(0, expected.size()), expected) << errors.Text();
    EXPECT_EQ(CurrentLanguage(), 1u);
    EXPECT_EQ(DictText(L"CTW_OK"), L"Va bene");
    EXPECT_EQ(DictLanguages().size(), 2u);
  }
  SetCurrentLanguage(0);
}

TEST(Dictionary, TokenListedTwice_KeepsItsLastPositionAndTheFirstStaysEmpty) {
  const DictFolder f;
  f.Write("tblLng.xml", LanguageTable({{"en", "English"}}));
  f.Write("tblToTranslate.xml", TokenTable({"CTW_T0", "CTW_T1", "CTW_T2", "CTW_Twice", "CTW_T4",
                                            "CTW_T5", "CTW_T6", "CTW_Twice"}));
  f.Write("chkTrTo_en.xml", TranslationFile({{"CTW_T0", "zero"},
                                             {"CTW_T1", ""},
                                             {"CTW_T2", "two"},
                                             {"CTW_Twice", "earlier"},
                                             {"CTW_T4", "four"},
                                             {"CTW_T5", "five"},
                                             {"CTW_T6", "six"},
                                             {"CTW_Twice", "later"}}));
  ASSERT_TRUE(LoadDictionary(f.Folder()));
  SetCurrentLanguage(0);
  EXPECT_EQ(TokenPos(L"CTW_Twice"), 7u);
  EXPECT_EQ(DictTextAt(7), L"later");  // the later record wins
  EXPECT_EQ(DictTextAt(3), L"");
  EXPECT_EQ(DictText(L"CTW_T1"), L"_");  // an empty translation
  EXPECT_EQ(DictText(L"CTW_T6"), L"six");
  EXPECT_EQ(PositionCount(), 8u);
}

TEST(Dictionary, UnknownTokens_AreFoundByNoLookup) {
  ASSERT_TRUE(LoadDictionary(DictFolder::Good().Folder()));
  SetCurrentLanguage(0);
  EXPECT_EQ(FindTokenPos(L"CTW_Cancel"), std::make_pair(true, std::size_t{1}));
  EXPECT_EQ(TokenPos(L"CTW_Cancel"), 1u);
  EXPECT_EQ(FindTokenPos(L"CTW_Nope"), std::make_pair(false, std::size_t{0}));
  EXPECT_THROW(TokenPos(L"CTW_Nope"), DictBadPos);
  EXPECT_THROW(DictText(L"CTW_Nope"), DictBadPos);
  EXPECT_THROW(DictTextAt(3), std::out_of_range);
  EXPECT_EQ(DictTextAt(2), L"Reset");
}

TEST(Dictionary, Completeness_NeedsEveryRegisteredTokenAndAllowsExtras) {
  const struct {
    const char* name;
    std::vector<std::string> tokens;
    bool complete;
  } cases[] = {
      {"all registered", RegisteredPlus({}), true},
      {"one registered token missing", RegisteredPlus({}, CTW_Gr_NoData), false},
      {"extra table tokens", RegisteredPlus({"CTW_Catalogue_only", "CTW_Another"}), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DictFolder f;
    WriteOneLanguage(f, c.tokens);
    ASSERT_TRUE(LoadDictionary(f.Folder()));
    EXPECT_EQ(DictComplete(), c.complete);
  }
}

// The translation files are read in the order of the language table, and
// loading stops at the first one missing.
TEST(Dictionary, TranslationFiles_AreReadInLanguageTableOrder) {
  const struct {
    Pairs languages;
    const char* firstRead;
  } cases[] = {
      {{{"en", "English"}, {"it", "Italiano"}}, "chkTrTo_en.xml"},
      {{{"it", "Italiano"}, {"en", "English"}}, "chkTrTo_it.xml"},
  };
  for (const auto& c : cases) {
    const DictFolder f = DictFolder::Good();
    f.Write("tblLng.xml", LanguageTable(c.languages));
    f.Remove("chkTrTo_en.xml");
    f.Remove("chkTrTo_it.xml");
    LogCapture errors(ErrorLog);
    EXPECT_FALSE(LoadDictionary(f.Folder()));
    EXPECT_EQ(errors.Text(), L"    " + f.XmlPath(c.firstRead) + L" file not found\n");
  }
}

TEST(Dictionary, LanguagesInTableOrder_GiveTheirTextsByIndex) {
  const DictFolder f = DictFolder::Good();
  f.Write("tblLng.xml", LanguageTable({{"it", "Italiano"}, {"en", "English"}}));
  ASSERT_TRUE(LoadDictionary(f.Folder()));
  EXPECT_EQ(DictLanguages(),
            (std::vector<DictLanguage>{{L"it", L"Italiano"}, {L"en", L"English"}}));
  SetCurrentLanguage(0);
  EXPECT_EQ(DictText(L"CTW_OK"), L"Va bene");
  SetCurrentLanguage(1);
  EXPECT_EQ(DictText(L"CTW_OK"), L"Okay");
  SetCurrentLanguage(0);
}
