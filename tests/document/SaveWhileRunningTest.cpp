// Saving runs on the GUI thread while the executor reads the instruments:
// both writers, and the copy of the advanced options that saving makes, must
// share nothing unguarded with the worker threads.
#include <gtest/gtest.h>

#include "document/DocLegacyFormat.h"
#include "document/DocXmlFormat.h"
#include "document/QziDocIHlp.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNet.h"
#include "tests/support/RunningDocument.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

class SaveWhileRunning : public RunningDocument {};

TEST_F(SaveWhileRunning, XmlAndLegacySavesWhileTheExecutorReads) {
  MakeNetwork();
  AddInstrument(1, L"TC100");
  AddInstrument(2, L"TC100");
  Std().StartThreads();
  QziDocIHlp& hlp = *content_->GetIHlp();
  const std::wstring xml = JoinPath(dir_.Wide(), L"plant.qzid");
  const std::wstring legacy = JoinPath(dir_.Wide(), L"plant.qzi");
  int saves = 0;
  ASSERT_TRUE(RunGuiUntil([&] {
    EXPECT_TRUE(hlp.PortableSerialize(xml, true));
    EXPECT_EQ(hlp.SerializeDocLegacy(legacy, true), QziDocIHlp::LegacyResult::whole);
    ++saves;
    // Read every second; each recording reads the instrument.
    return Count(1, dsRgOk) >= 2 && Count(2, dsRgOk) >= 2 && saves >= 5;
  })) << ToUtf8(errors_.Text());
  EXPECT_EQ(errors_.Count(L"Error in"), 0) << ToUtf8(errors_.Text());
  const std::string xmlBytes = TestSupport::ReadFileBytes(NativePath(xml));
  const std::string legacyBytes = TestSupport::ReadFileBytes(NativePath(legacy));
  content_.reset();
  // What was saved loads into content of its own.
  ImmScoped<QziDocF> copy;
  CreateContent(copy, FakeDoc);
  LoadDocXml(*copy, xmlBytes);
  EXPECT_EQ(copy->GetIStd()->NetOpt().Network().Size(), 2u);
  CreateContent(copy, FakeDoc);
  LoadDocLegacyBytes(*copy, std::vector<std::uint8_t>(legacyBytes.begin(), legacyBytes.end()));
  EXPECT_EQ(copy->GetIStd()->NetOpt().Network().Size(), 2u);
}

}  // namespace
