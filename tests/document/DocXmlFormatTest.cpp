#include <gtest/gtest.h>

#include "document/DocXmlFormat.h"
#include "foundation/catalogue/Dictionary.h"
#include "tests/document/DocFixture.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

class DocXml : public DocFixture {};

TEST_F(DocXml, NewDocumentSavedAtOnce_IsTheHandWrittenFile) {
  SetCurrentLanguage(1);
  Fresh();
  const std::string bytes = SaveDocXml(F());
  const std::string golden = Golden("new.qzid");
  EXPECT_EQ(bytes, golden);
  const std::wstring path = PathOf("new.qzid");
  ASSERT_TRUE(Hlp().PortableSerialize(path, true));
  EXPECT_EQ(ReadFileBytes(dir_.File("new.qzid")), golden);
  EXPECT_EQ(errors_.Text(), L"");
  SetCurrentLanguage(0);
}

}  // namespace
