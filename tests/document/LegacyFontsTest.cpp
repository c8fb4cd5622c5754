#include <gtest/gtest.h>

#include <stdexcept>

#include "document/LegacyFonts.h"
#include "foundation/core/FrameworkAdapters.h"

namespace PardeloStravon {
namespace {

TEST(LegacyFonts, RecordsOfEitherWidthComeBack) {
  LOGFONTW w;
  w.lfHeight = -27;
  w.lfWeight = 700;
  w.lfPitchAndFamily = 34;
  SetFaceName(w, L"\u0141\u00E9x");
  LOGFONTA a = ToLogFontA(w);
  LegacyArchive out;
  out << w << a;
  ASSERT_EQ(out.Bytes().size(), 4u + 92u + 4u + 60u);
  LegacyArchive in(out.Bytes());
  LOGFONTW w2;
  LOGFONTA a2;
  in >> w2 >> a2;
  EXPECT_EQ(w2, w);
  EXPECT_EQ(a2, a);
}

TEST(LegacyFonts, ARecordOfTheWrongSizeIsReadThenRefused) {
  for (const int count : {61, 59, 92, 0, 60}) {
    LegacyArchive out;
    out << VUC(static_cast<std::size_t>(count), 0x41) << std::int32_t{7};
    LegacyArchive in(out.Bytes());
    LOGFONTA a;
    try {
      in >> a;
      EXPECT_EQ(count, 60);
    } catch (const std::range_error& e) {
      EXPECT_STREQ(e.what(), "In UVector2Struct");
    }
    // The counted bytes were read either way: the archive stays in step.
    std::int32_t next = 0;
    in >> next;
    EXPECT_EQ(next, 7) << count;
  }
  LegacyArchive out;
  out << VUC(60, 0);
  LegacyArchive in(out.Bytes());
  LOGFONTW w;
  EXPECT_THROW(in >> w, std::range_error);
}

}  // namespace
}  // namespace PardeloStravon
