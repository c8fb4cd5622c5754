// What the standard part does through the shell and the views: the
// language, the refresh after loading, graphs, the settings form, the
// message box, and what it answers while nothing is installed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/QziDocIHlp.h"
#include "document/QziDocIStd.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/Clock.h"
#include "foundation/core/LogChannel.h"
#include "network/nodes/InstrNetOpt.h"
#include "network/nodes/Node.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;
using namespace DocumentTest;

namespace {

class DocumentServices : public DocumentFixture {
 public:
  DocumentServices() {
    Make();
    connection_ = Std().ConnectDocSignal([this](int address, DocSignal s) {
      shell_.events_.push_back(L"signal " + std::to_wstring(address) + L" " + std::to_wstring(s));
    });
  }
  ~DocumentServices() override { SetCurrentLanguage(0); }

  boost::signals2::scoped_connection connection_;
};

TEST_F(DocumentServices, SetLanguageStoresAppliesAndTellsTheViewsLast) {
  const std::size_t languages = DictLanguages().size();
  ASSERT_GE(languages, 2u);
  for (std::size_t n = 0; n <= languages; ++n) {
    SCOPED_TRACE(n);
    const std::size_t shown = n < languages ? n : 0;
    Std().SetModified(false);
    shell_.events_.clear();
    Std().SetLanguage(n);
    EXPECT_EQ(Std().GetLanguage(), n);
    EXPECT_EQ(CurrentLanguage(), shown);
    EXPECT_TRUE(Std().IsModified());
    ASSERT_FALSE(shell_.appStringLanguages_.empty());
    EXPECT_EQ(shell_.appStringLanguages_.back(), shown);
    EXPECT_EQ(shell_.events_, (std::vector<std::wstring>{
                                  L"app strings", L"signal 0 " + std::to_wstring(dsLanguage)}));
  }
}

TEST_F(DocumentServices, PostLoadRefreshOpensTheStartupGraphsOnlyWhileReceptionIsOn) {
  TestClock clock(1700000000);
  Node plotted(L"TC100");
  NodeOpt opt = plotted.Opt();
  opt.vr_ = true;
  plotted.SetOpt(opt);
  Std().NetOpt().Network().InsertNew(4, plotted);
  Std().NetOpt().Network().InsertNew(5, Node(L"TC100"));  // not plotted
  Std().SetLanguage(1);
  SetCurrentLanguage(0);

  for (bool rx : {false, true}) {
    SCOPED_TRACE(rx);
    Std().NetOpt().SetRxEnabled(rx);
    views_.graphs_.clear();
    shell_.events_.clear();
    content_->GetIHlp()->PostLoadRefresh();
    EXPECT_EQ(CurrentLanguage(), 1u);
    EXPECT_EQ(shell_.events_, std::vector<std::wstring>{L"app strings"});
    SetCurrentLanguage(0);
    if (!rx) {
      EXPECT_TRUE(views_.graphs_.empty());
      continue;
    }
    ASSERT_EQ(views_.graphs_.size(), 1u);
    const ViewsDouble::Graph& g = views_.graphs_[0];
    EXPECT_EQ(g.doc, FakeDoc);
    EXPECT_EQ(g.address, 4);
    EXPECT_EQ(g.from, 1700000000 - 24 * 3600);
    EXPECT_EQ(g.to, 1700000000);
    EXPECT_TRUE(g.follow);
    EXPECT_FALSE(g.print);
  }
}

TEST_F(DocumentServices, GraphsFormsAndMessagesGoThroughTheInstalledServices) {
  DocNewGraphic(3, Std(), 100, 200, true, false);
  views_.printed_ = false;
  EXPECT_FALSE(DocPrintGraphic(7, Std(), 300, 400));
  views_.printed_ = true;
  EXPECT_TRUE(DocPrintGraphic(8, Std(), 500, 600));
  Std().OpenSettingsForm(9);
  Std().ShowMessageBox(L"Invalid file format while loading qzi document");

  ASSERT_EQ(views_.graphs_.size(), 1u);
  EXPECT_EQ(views_.graphs_[0].doc, FakeDoc);
  EXPECT_EQ(views_.graphs_[0].address, 3);
  EXPECT_EQ(views_.graphs_[0].from, 100);
  EXPECT_EQ(views_.graphs_[0].to, 200);
  EXPECT_TRUE(views_.graphs_[0].follow);
  ASSERT_EQ(views_.prints_.size(), 2u);
  for (const ViewsDouble::Graph& p : views_.prints_) {
    EXPECT_EQ(p.doc, FakeDoc);
    EXPECT_TRUE(p.underWaitCursor);
  }
  EXPECT_EQ(views_.prints_[1].address, 8);
  EXPECT_EQ(views_.prints_[1].from, 500);
  EXPECT_EQ(shell_.waitDepth_, 0);
  ASSERT_EQ(views_.forms_.size(), 1u);
  EXPECT_EQ(views_.forms_[0].address, 9);
  EXPECT_EQ(shell_.messages_,
            std::vector<std::wstring>{L"Invalid file format while loading qzi document"});
}

// Before the application installs anything: no window, no graph, no form, and
// only an empty password passes.
TEST(DocumentWithoutWindows, ServicesAnswerAsACancelledDialog) {
  TestSupport::LoadNetworkTestCatalogue();
  TestSupport::LogCapture errors(ErrorLog);
  ImmScoped<QziDocF> content;
  CreateContent(content, nullptr);
  QziDocIStd& doc = *content->GetIStd();
  EXPECT_FALSE(Shell().HasMainWindow());
  bool ran = false;
  doc.PostToGui([&ran] { ran = true; });
  EXPECT_FALSE(doc.RunGuiTasks());
  EXPECT_EQ(Views().NewGraphic(nullptr, 1, 0, 10, false, false), nullptr);
  EXPECT_FALSE(DocPrintGraphic(1, doc, 0, 10));
  doc.OpenSettingsForm(1);
  EXPECT_TRUE(doc.CheckPass());
  doc.SetPass(L"x");
  EXPECT_FALSE(doc.CheckPass());
  EXPECT_FALSE(ran);
  EXPECT_EQ(errors.Count(L"GUI tasks are being dropped, no main window"), 1);
}

}  // namespace
