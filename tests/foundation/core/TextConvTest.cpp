#include <gtest/gtest.h>

#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"

using namespace PardeloStravon;

TEST(TextConv, NarrowAndWide_ConvertElementByElement) {
  EXPECT_EQ(ToNarrow(L"\u00E9"), "\xE9");
  EXPECT_EQ(ToNarrow(L"\u20AC"), "\xAC");
  // Through unsigned char: the byte 0xE9 is U+00E9, not a sign-extended value.
  EXPECT_EQ(ToWide("\xE9"), L"\u00E9");
  EXPECT_EQ(ToWide(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(TextConv, WStrBytes_AreUtf16WithTheTerminatingZero) {
  EXPECT_EQ(WStrBytes(L""), (VUC{0, 0}));
  EXPECT_EQ(WStrBytes(L"A\u20AC"), (VUC{'A', 0, 0xAC, 0x20, 0, 0}));
}

TEST(TextConv, ToWStr_WritesAsADefaultStream) {
  EXPECT_EQ(ToWStr(-42), L"-42");
  EXPECT_EQ(ToWStr(1234567L), L"1234567");
  EXPECT_EQ(ToWStr(4000000000ul), L"4000000000");
  EXPECT_EQ(ToWStr(-9000000000LL), L"-9000000000");
  EXPECT_EQ(ToWStr(0.5), L"0.5");
  EXPECT_EQ(ToWStr(1234567.0), L"1.23457e+06");
  EXPECT_EQ(ToWStr(L"text"), L"text");
}

TEST(Paths, PathUp_CutsAtTheLastSeparator) {
  struct Case {
    const wchar_t* path;
    int n;
    wchar_t sep;
    const wchar_t* up;
  } cases[] = {
      {L"C:\\a\\b\\c.txt", 1, L'\\', L"C:\\a\\b"},
      {L"C:\\a\\b\\c.txt", 2, L'\\', L"C:\\a"},
      {L"C:\\a\\b\\c.txt", 0, L'\\', L"C:\\a\\b\\c.txt"},
      {L"/home/u/doc.qzid", 1, L'/', L"/home/u"},
      {L"doc.qzid", 3, L'/', L"doc.qzid"},
  };
  for (const auto& c : cases) EXPECT_EQ(PathUp(c.path, c.n, c.sep), c.up);
}

TEST(Paths, FolderOfADocument_IsDotWhenItHasNone) {
  EXPECT_EQ(FolderOf(L"/home/u/doc.qzid"), L"/home/u");
  EXPECT_EQ(FolderOf(L"doc.qzid"), L"doc.qzid");
  EXPECT_EQ(FolderOf(L""), L".");
  EXPECT_EQ(FolderOf(L"/doc.qzid"), L"/");
  EXPECT_EQ(JoinPath(L"/home/u", L"alarm.bat"), L"/home/u/alarm.bat");
  EXPECT_EQ(JoinPath(L"/", L"alarm.bat"), L"/alarm.bat");
  EXPECT_EQ(NativePath(L"/tmp/\u00E9"), "/tmp/\xC3\xA9");
}
