// The fuzz targets' seeds stay what they stand for: the legacy ones are the
// bytes of the hand-made hex files, and one document per format holds a
// node of every type. With VANTOR_WRITE_SEEDS set the seeds are written
// anew from these sources first.
#include <gtest/gtest.h>

#include <cstdlib>

#include "document/DocLegacyFormat.h"
#include "document/DocXmlFormat.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/InstrTable.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "tests/document/DocChanged.h"
#include "tests/document/DocFixture.h"
#include "tests/document/HexFile.h"

using namespace PardeloStravon;
using namespace TestSupport;

namespace {

namespace fs = std::filesystem;

const fs::path Fuzz = fs::path(VANTOR_DOC_GOLDEN_DIR).parent_path() / "fuzz" / "seeds";

bool Writing() { return std::getenv("VANTOR_WRITE_SEEDS") != nullptr; }

class FuzzSeeds : public DocFixture {};

TEST_F(FuzzSeeds, LegacySeedsAreTheHandMadeFiles) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(VANTOR_DOC_GOLDEN_DIR) / "legacy")) {
    const auto bytes = HexFileBytes(ReadFileBytes(entry.path()));
    const fs::path seed = Fuzz / "fuzz_doc_legacy" / entry.path().stem().concat(".qzi");
    if (Writing()) WriteFileBytes(seed, std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(ReadFileBytes(seed), std::string(bytes.begin(), bytes.end())) << seed;
    ++count;
  }
  EXPECT_GT(count, 0);
}

TEST_F(FuzzSeeds, OneDocumentPerFormatHoldsEveryType) {
  const fs::path xml = Fuzz / "fuzz_doc_xml" / "every-type.qzid";
  const fs::path legacy = Fuzz / "fuzz_doc_legacy" / "every-type.qzi";
  if (Writing()) {
    ChangeEverything(Fresh());
    AddEveryType(F());
    WriteFileBytes(xml, SaveDocXml(F()));
    const auto bytes = SaveDocLegacy(F());
    WriteFileBytes(legacy, std::string(bytes.begin(), bytes.end()));
  }
  const std::size_t expected = InstrCodes().size() + 2;
  Fresh();
  LoadDocXml(F(), ReadFileBytes(xml));
  EXPECT_EQ(Std().NetOpt().Network().Size(), expected);
  Fresh();
  const std::string bytes = ReadFileBytes(legacy);
  LoadDocLegacyBytes(F(), std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
  EXPECT_EQ(Std().NetOpt().Network().Size(), expected);
  SetCurrentLanguage(0);
}

}  // namespace
