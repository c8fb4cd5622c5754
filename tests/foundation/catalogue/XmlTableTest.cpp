#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "foundation/core/LogChannel.h"
#include "foundation/catalogue/XmlParse.h"
#include "foundation/catalogue/XmlTable.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using TestSupport::LogCapture;
using TestSupport::TempDir;
using TestSupport::WriteFileBytes;
using xercesc::DOMDocument;

namespace {

// A table without a schema, so the readers meet whatever shape it has.
class TableFile {
 public:
  explicit TableFile(const std::string& body) : path_(dir_.Wide() + L"/t.xml") {
    WriteFileBytes(dir_.File("t.xml"), "<?xml version=\"1.0\"?>\n<root>" + body + "</root>\n");
  }
  const std::wstring& Path() const { return path_; }

  // Runs the reader through the per-file procedure; false when it was not run
  // or returned false.
  bool Read(const std::function<void(const DOMDocument&)>& reader) const {
    return XmlReadFile(path_, [&](const DOMDocument& doc) {
      reader(doc);
      return true;
    });
  }

 private:
  TempDir dir_;
  std::wstring path_;
};

}  // namespace

TEST(XmlTable, RecordsAndFields_AreFoundAtAnyDepthInDocumentOrder) {
  const TableFile file(
      "<rec><k>A</k><deep><v>first</v></deep><v>second</v></rec>"
      "<group><rec><k>B</k><v>only</v></rec></group>");
  std::vector<std::wstring> keys, values;
  ASSERT_TRUE(file.Read([&](const DOMDocument& doc) {
    for (const auto* rec : Records(doc, L"rec")) {
      keys.push_back(FieldText(*rec, L"k"));
      values.push_back(FieldText(*rec, L"v"));
    }
  }));
  EXPECT_EQ(keys, (std::vector<std::wstring>{L"A", L"B"}));
  EXPECT_EQ(values, (std::vector<std::wstring>{L"first", L"only"}));
}

TEST(XmlTable, OptionalRepeatedAndFlagFields_FollowTheTableConventions) {
  const TableFile file(
      "<rec><name> spaced </name><alias>x</alias><alias>y</alias><on/><marked>text</marked></rec>"
      "<rec><name>plain</name></rec>");
  ASSERT_TRUE(file.Read([&](const DOMDocument& doc) {
    const auto recs = Records(doc, L"rec");
    ASSERT_EQ(recs.size(), 2u);
    EXPECT_EQ(FieldText(*recs[0], L"name"), L" spaced ");  // no trimming
    EXPECT_EQ(OptionalFieldText(*recs[0], L"alias"), L"x");
    EXPECT_EQ(OptionalFieldText(*recs[1], L"alias"), std::nullopt);
    EXPECT_EQ(FieldTexts(*recs[0], L"alias"), (std::vector<std::wstring>{L"x", L"y"}));
    EXPECT_TRUE(FieldTexts(*recs[1], L"alias").empty());
    EXPECT_TRUE(FieldFlag(*recs[0], L"on"));
    EXPECT_TRUE(FieldFlag(*recs[0], L"marked"));  // content is not looked at
    EXPECT_FALSE(FieldFlag(*recs[1], L"on"));
  }));
}

// A required field that is missing or has no text fails the file with a line
// naming file, record and field, never a read through a null node.
TEST(XmlTable, MissingOrEmptyRequiredField_FailsTheFileWithALocatedError) {
  struct Case {
    const char* name;
    std::string body;
    std::function<void(const DOMDocument&)> reader;
    std::wstring line;  // after the path
  } cases[] = {
      {"missing field", "<rec><k>A</k></rec><rec><v>1</v></rec>",
       [](const DOMDocument& d) {
         for (auto* r : Records(d, L"rec")) FieldText(*r, L"k");
       },
       L" record \"rec\" at position 1 has no field \"k\"\n"},
      {"empty field", "<rec><k/></rec>",
       [](const DOMDocument& d) { FieldInt(*Records(d, L"rec").at(0), L"k"); },
       L" record \"rec\" at position 0 has an empty field \"k\"\n"},
      {"field holding only an element", "<rec><k><inner>1</inner></k></rec>",
       [](const DOMDocument& d) { FieldText(*Records(d, L"rec").at(0), L"k"); },
       L" record \"rec\" at position 0 has an empty field \"k\"\n"},
      {"empty record text", "<tok></tok>",
       [](const DOMDocument& d) { RecordText(*Records(d, L"tok").at(0)); },
       L" record \"tok\" at position 0 has an empty field \"tok\"\n"},
      {"empty optional field that is present", "<rec><alias/></rec>",
       [](const DOMDocument& d) { OptionalFieldText(*Records(d, L"rec").at(0), L"alias"); },
       L" record \"rec\" at position 0 has an empty field \"alias\"\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TableFile file(c.body);
    LogCapture errors(ErrorLog);
    EXPECT_FALSE(file.Read(c.reader));
    EXPECT_EQ(errors.Text(), L"    " + file.Path() + c.line);
  }
}

TEST(XmlTable, FieldTextOr_GivesTheFallbackOnlyForAnEmptyField) {
  const TableFile file("<rec><tr/></rec><rec><tr>x</tr></rec><rec/>");
  LogCapture errors(ErrorLog);
  EXPECT_FALSE(file.Read([](const DOMDocument& doc) {
    const auto recs = Records(doc, L"rec");
    EXPECT_EQ(FieldTextOr(*recs[0], L"tr", L"_"), L"_");
    EXPECT_EQ(FieldTextOr(*recs[1], L"tr", L"_"), L"x");
    FieldTextOr(*recs[2], L"tr", L"_");  // missing: the file fails
  }));
}

TEST(XmlTable, ReaderExceptions_PassOnAfterThePlatformIsReleased) {
  const TableFile file("<rec><k>A</k></rec>");
  EXPECT_THROW(XmlReadFile(file.Path(),
                           [](const DOMDocument&) -> bool { throw std::out_of_range("reader"); }),
               std::out_of_range);
  // The next file goes through its own cycle as if nothing happened.
  EXPECT_TRUE(
      file.Read([](const DOMDocument& doc) { EXPECT_EQ(Records(doc, L"rec").size(), 1u); }));
}

TEST(XmlTable, FileThatIsNotRead_DoesNotRunTheReader) {
  bool ran = false;
  LogCapture errors(ErrorLog);
  EXPECT_FALSE(XmlReadFile(L"/nonexistent/t.xml", [&](const DOMDocument&) { return ran = true; }));
  EXPECT_FALSE(ran);
}

TEST(XmlTable, Numbers_ConvertLikeTheCRuntime) {
  const struct {
    const wchar_t* text;
    int i;
    double d;
  } cases[] = {
      {L"42", 42, 42.0},
      {L"  -7", -7, -7.0},
      {L"+3x", 3, 3.0},
      {L"12.75", 12, 12.75},
      {L"1e3", 1, 1000.0},
      {L"abc", 0, 0.0},
      {L"", 0, 0.0},
      {L"0.5,2", 0, 0.5},
      {L"99999999999", 2147483647, 99999999999.0},
      {L"-99999999999", -2147483647 - 1, -99999999999.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WToI(c.text), c.i) << c.text;
    EXPECT_DOUBLE_EQ(WToF(c.text), c.d) << c.text;
  }
}

TEST(XmlTable, KeyIndex_FirstRecordWinsAndRepeatsAreListed) {
  KeyIndex keys;
  const wchar_t* order[] = {L"A", L"B", L"A", L"A"};
  for (std::size_t i = 0; i < 4; ++i) keys.Add(order[i], i);
  EXPECT_EQ(keys.Find(L"A"), 0u);
  EXPECT_EQ(keys.Find(L"B"), 1u);
  EXPECT_EQ(keys.Find(L"C"), std::nullopt);
  EXPECT_EQ(keys.Size(), 2u);
  EXPECT_EQ(keys.RepeatedText(), L"'A','A'");

  KeyIndex unique;
  unique.Add(L"A", 0);
  unique.Add(L"B", 1);
  EXPECT_EQ(unique.RepeatedText(), L"");
}
