#include <gtest/gtest.h>

#include "document/DocFileKind.h"

namespace PardeloStravon {
namespace {

TEST(DocFileKind, ExtensionAfterTheLastDotChoosesTheFormat) {
  struct Case {
    const wchar_t* path;
    const wchar_t* extension;
    bool legacy;
  };
  const Case cases[] = {
      {L"net.qzi", L"qzi", true},
      {L"net.QZI", L"QZI", false},  // compared exactly: read as XML
      {L"net.qzid", L"qzid", false},
      {L"net", L"", false},
      {L"net.", L"", false},
      {L"/a.b/net", L"b/net", false},  // the last dot of the whole path
      {L"/plant/.qzi", L"qzi", true},
      {L"net.tar.qzi", L"qzi", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileExtension(c.path), c.extension) << c.path;
    EXPECT_EQ(IsLegacyDocFile(c.path), c.legacy) << c.path;
  }
}

}  // namespace
}  // namespace PardeloStravon
