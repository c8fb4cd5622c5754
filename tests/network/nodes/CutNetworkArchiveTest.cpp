// An XML network archive broken off inside the network: the load fails,
// the options and the network stay as they were, and the network object
// the archive had already made for the pointer is freed (the address
// sanitizer's leak check proves the last part).
#include <gtest/gtest.h>

#include <boost/archive/archive_exception.hpp>
#include <boost/archive/xml_wiarchive.hpp>
#include <boost/archive/xml_woarchive.hpp>
#include <boost/serialization/nvp.hpp>
#include <sstream>
#include <string>

#include "network/nodes/InstrNetOpt.h"
#include "tests/support/DocDouble.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;

namespace {

std::wstring SavedNetwork() {
  TestSupport::DocDouble doc;
  doc.NetOpt().Network().InsertNew(5, Node(L"TC100"));
  doc.NetOpt().Network().InsertNew(12, Node(L"TC100"));
  NetOptRecord opt = doc.NetOpt().Options();
  opt.intNetAlarm_ = 450;
  doc.NetOpt().SetOptions(opt);
  std::wostringstream os;
  {
    boost::archive::xml_woarchive oa(os);
    oa << boost::serialization::make_nvp("network", doc.NetOpt());
  }
  return os.str();
}

}  // namespace

TEST(CutNetworkArchive, CutInsideTheNetwork_FailsAndLeavesTheNetworkAsItWas) {
  TestSupport::LoadNetworkTestCatalogue();
  const std::wstring saved = SavedNetwork();
  const std::wstring network = L"<pIN_";
  ASSERT_NE(saved.find(network), std::wstring::npos);
  const struct {
    const char* where;
    std::size_t at;
  } cuts[] = {
      {"right after the network's start tag", saved.find(L">", saved.find(network)) + 1},
      {"inside the first node", saved.find(L"<nodeOpt_")},
      {"inside a value of the second node", saved.rfind(L"<v>") + 3},
      {"before the network's end tag", saved.find(L"</pIN_>")},
  };
  for (const auto& cut : cuts) {
    ASSERT_LT(cut.at, saved.size()) << cut.where;
    TestSupport::DocDouble doc;
    doc.NetOpt().Network().InsertNew(9, Node(L"TC100"));
    std::wistringstream is(saved.substr(0, cut.at));
    EXPECT_THROW(
        {
          boost::archive::xml_wiarchive ia(is);
          ia >> boost::serialization::make_nvp("network", doc.NetOpt());
        },
        boost::archive::archive_exception)
        << cut.where;
    EXPECT_EQ(doc.NetOpt().Network().Size(), 1u) << cut.where;
    EXPECT_TRUE(doc.NetOpt().Network().IsPresent(9)) << cut.where;
    EXPECT_EQ(doc.NetOpt().Options().intNetAlarm_, 300) << cut.where;
  }
}
