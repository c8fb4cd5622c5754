#include <gtest/gtest.h>

#include <string>

#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/catalogue/XmlParse.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using TestSupport::LogCapture;
using TestSupport::TempDir;
using TestSupport::WriteFileBytes;

namespace {

const char* const kSchema = R"(<?xml version="1.0" encoding="UTF-8"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="tbl"><xs:complexType><xs:sequence>
    <xs:element name="lng" maxOccurs="unbounded"><xs:complexType><xs:sequence>
      <xs:element name="lngId" type="xs:string"/>
      <xs:element name="lngLoc" type="xs:string"/>
    </xs:sequence></xs:complexType></xs:element>
  </xs:sequence></xs:complexType></xs:element>
</xs:schema>
)";

std::string Table(const std::string& schema, const std::string& records) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<tbl xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xsi:noNamespaceSchemaLocation=\"" +
         schema + "\">\n" + records + "</tbl>\n";
}

const std::string kGoodRecords = "<lng><lngId>en</lngId><lngLoc>English</lngLoc></lng>\n";

// Parses, keeps what the test looks at, and releases like every reader does.
struct Outcome {
  bool builder = false;
  bool doc = false;
  std::wstring firstId;
  std::wstring log;
};

// One diagnostic as the parser hands it over.
class Diagnostic : public xercesc::DOMError, public xercesc::DOMLocator {
 public:
  explicit Diagnostic(short severity) : severity_(severity) {}
  ErrorSeverity getSeverity() const override { return static_cast<ErrorSeverity>(severity_); }
  const XMLCh* getMessage() const override { return u"no declaration found for element 'x'"; }
  xercesc::DOMLocator* getLocation() const override { return const_cast<Diagnostic*>(this); }
  void* getRelatedException() const override { return nullptr; }
  const XMLCh* getType() const override { return u""; }
  void* getRelatedData() const override { return nullptr; }
  XMLFileLoc getLineNumber() const override { return 12; }
  XMLFileLoc getColumnNumber() const override { return 7; }
  XMLFilePos getByteOffset() const override { return 0; }
  XMLFilePos getUtf16Offset() const override { return 0; }
  xercesc::DOMNode* getRelatedNode() const override { return nullptr; }
  const XMLCh* getURI() const override { return u"/opt/Vantor/XML/chkRem\u00e9.xml"; }

 private:
  short severity_;
};

Outcome ParseOnce(const std::wstring& path) {
  LogCapture errors(ErrorLog);
  XmlParseResult r = XmlParseFile(path);
  Outcome o{r.builder != nullptr, r.doc != nullptr, L"", L""};
  if (r.doc) {
    const auto* ids = r.doc->getElementsByTagName(u"lngId");
    if (ids->getLength() > 0) o.firstId = XmlText(ids->item(0)->getFirstChild()->getNodeValue());
  }
  XmlParseRelease(r);
  o.log = errors.Text();
  return o;
}

}  // namespace

// Warnings count like errors: the parser goes on, and the file is not read.
TEST(DOMErrH, EverySeverity_IsLoggedWithItsLocationAndFailsTheParse) {
  const struct {
    short severity;
    const wchar_t* head;
  } cases[] = {{1, L"Warning at file "}, {2, L"Error at file "}, {3, L"Fatal Error at file "}};
  for (const auto& c : cases) {
    DOMErrH handler;
    EXPECT_FALSE(handler.Failed());
    LogCapture errors(ErrorLog);
    EXPECT_TRUE(handler.handleError(Diagnostic(c.severity)));
    EXPECT_TRUE(handler.Failed());
    EXPECT_EQ(errors.Text(), std::wstring(c.head) +
                                 L"/opt/Vantor/XML/chkRem\u00e9.xml, line 12, char 7\n"
                                 L"    Message: no declaration found for element 'x'\n");
  }
}

TEST(XmlParseFile, ValidFileNamingItsSchema_GivesTheDocumentAndLogsNothing) {
  TempDir dir;
  WriteFileBytes(dir.File("t.xsd"), kSchema);
  WriteFileBytes(dir.File("t.xml"), Table("t.xsd", kGoodRecords));
  const Outcome o = ParseOnce(dir.Wide() + L"/t.xml");
  EXPECT_TRUE(o.builder);
  EXPECT_TRUE(o.doc);
  EXPECT_EQ(o.firstId, L"en");
  EXPECT_EQ(o.log, L"");
}

TEST(XmlParseFile, RepeatedParses_EachRunTheirOwnPlatformCycle) {
  TempDir dir;
  WriteFileBytes(dir.File("t.xsd"), kSchema);
  WriteFileBytes(dir.File("t.xml"), Table("t.xsd", kGoodRecords));
  WriteFileBytes(dir.File("bad.xml"), Table("t.xsd", "<lng><lngId>it</lngId></lng>\n"));
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(ParseOnce(dir.Wide() + L"/t.xml").doc) << i;
    EXPECT_FALSE(ParseOnce(dir.Wide() + L"/bad.xml").doc) << i;
  }
}

TEST(XmlParseFile, FolderWithNonAsciiName_IsReadAsUtf8) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() / "Prüfräume");
  WriteFileBytes(dir.Path() / "Prüfräume" / "t.xsd", kSchema);
  WriteFileBytes(dir.Path() / "Prüfräume" / "t.xml", Table("t.xsd", kGoodRecords));
  const Outcome o = ParseOnce(dir.Wide() + L"/Prüfräume/t.xml");
  EXPECT_TRUE(o.doc) << o.log;
  EXPECT_EQ(o.firstId, L"en");
}

// Every broken file is refused with the parser's own diagnostic, located by
// file, line and column.
TEST(XmlParseFile, BrokenFiles_AreRefusedWithTheirDiagnostics) {
  struct Case {
    const char* name;
    std::string content;    // empty: the file does not exist
    std::wstring expected;  // the log, with {dir} for the folder
  } cases[] = {
      {"missing file", "", L"    {dir}/t.xml file not found\n"},
      {"not well formed", "<tbl><lng>",
       L"Fatal Error at file {dir}/t.xml, line 1, char 11\n"
       L"    Message: input ended before all started tags were ended; last tag started is 'lng'\n"},
      {"schema violation", Table("t.xsd", "<lng><lngId>it</lngId></lng>\n"),
       L"Error at file {dir}/t.xml, line 3, char 29\n"
       L"    Message: missing elements in content model '(lngId,lngLoc)'\n"},
      {"schema file missing", Table("none.xsd", kGoodRecords),
       L"    {dir}/none.xsd file not found\n"},
      {"schema behind a URL", Table("http://localhost:9/t.xsd", kGoodRecords),
       L"    http://localhost:9/t.xsd file not found\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    WriteFileBytes(dir.File("t.xsd"), kSchema);
    if (!c.content.empty()) WriteFileBytes(dir.File("t.xml"), c.content);
    std::wstring expected = c.expected;
    for (auto at = expected.find(L"{dir}"); at != std::wstring::npos; at = expected.find(L"{dir}"))
      expected.replace(at, 5, dir.Wide());
    const Outcome o = ParseOnce(dir.Wide() + L"/t.xml");
    EXPECT_TRUE(o.builder);
    EXPECT_FALSE(o.doc);
    EXPECT_EQ(o.log.substr(0, expected.size()), expected) << o.log;
  }
}

TEST(XmlParseFile, ExternalEntityNamingALocalFile_IsNotRead) {
  TempDir dir;
  WriteFileBytes(dir.File("secret.txt"), "TOP-SECRET-CONTENT");
  WriteFileBytes(dir.File("t.xml"),
                 "<?xml version=\"1.0\"?>\n"
                 "<!DOCTYPE tbl [\n"
                 "<!ELEMENT tbl (lng)*><!ELEMENT lng (lngId)><!ELEMENT lngId (#PCDATA)>\n"
                 "<!ENTITY secret SYSTEM \"" +
                     dir.File("secret.txt").string() +
                     "\">]>\n"
                     "<tbl><lng><lngId>&secret;</lngId></lng></tbl>\n");
  const Outcome o = ParseOnce(dir.Wide() + L"/t.xml");
  EXPECT_FALSE(o.doc);
  EXPECT_NE(o.log.find(L"unable to open external entity"), std::wstring::npos) << o.log;
  EXPECT_EQ(o.log.find(L"TOP-SECRET"), std::wstring::npos) << o.log;
}

TEST(XmlParseFile, ReleaseOfAFailedParse_IsSafeTwice) {
  LogCapture errors(ErrorLog);
  XmlParseResult r = XmlParseFile(L"/nonexistent/t.xml");
  XmlParseRelease(r);
  XmlParseRelease(r);
  EXPECT_EQ(r.builder, nullptr);
  EXPECT_FALSE(r.platformUp);
}
