// The demo's document as tools/demo.sh hands it to the monitor.
#include <gtest/gtest.h>

#include "document/QziDocF.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIStd.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNet.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "tests/support/CatalogueFixture.h"

namespace {

using namespace PardeloStravon;

TEST(DemoDocument, ReceptionOnThreeShippedTypesReadEverySecondsAndNoPasswords) {
  TestSupport::LoadShippedCatalogue();
  ImmScoped<QziDocF> content;
  CreateContent(content, nullptr);
  ASSERT_TRUE(content->GetIHlp()->PortableSerialize(FromUtf8(VANTOR_DEMO_DOCUMENT), false));
  QziDocIStd& std = *content->GetIStd();
  EXPECT_TRUE(std.NetOpt().RxEnabled());
  EXPECT_EQ(std.GetPass(), L"");
  EXPECT_EQ(std.GetPassSup(), L"");
  const InstrNet& net = std.NetOpt().Network();
  ASSERT_EQ(net.Size(), 3u);
  const std::pair<int, std::wstring> placed[] = {{1, L"TC100"}, {2, L"TH200"}, {3, L"RC500"}};
  for (const auto& [address, type] : placed) {
    SCOPED_TRACE(address);
    ASSERT_TRUE(net.IsPresent(address));
    const Node& node = net.GetPresent(address);
    EXPECT_EQ(node.Type().Code(), type);
    EXPECT_TRUE(node.Opt().act_.get());
    EXPECT_LE(node.Opt().xs_.get(), 10);
    EXPECT_LE(node.Opt().gs_.get(), 30);
  }
}

}  // namespace
