// The content of a document: its parts with their defaults, built without
// threads, and replaced whole.
#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "document/QziDocF.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStdImpl.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/core/LogChannel.h"
#include "network/nodes/NetOptRecord.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TestCatalogue.h"

using namespace PardeloStravon;

namespace {

class Content : public testing::Test {
 protected:
  static void SetUpTestSuite() { TestSupport::LoadNetworkTestCatalogue(); }
  QziDoc* const doc_ = DocumentTest::FakeDoc;
  TestSupport::LogCapture errors_{ErrorLog};  // the refused starts' assertions
  ImmScoped<QziDocF> content_;
};

// The document file gives every C++ type of a wrapper its own attributes:
// the split of types is part of the format.
template <typename A, typename B>
constexpr bool Same = std::is_same_v<A, B>;
static_assert(Same<decltype(GraphOptions::gRGB_), decltype(QziDocIMFC::oRGB_)>);
static_assert(Same<decltype(QziDocIMFC::sRGB_), NoInit<unsigned long, 0>>);
static_assert(Same<decltype(GraphOptions::gphIsP_), decltype(NetOptRecord::rxEn_)>);
static_assert(!Same<decltype(GraphOptions::gLF_), decltype(QziDocIMFC::oLF_)>);
static_assert(!Same<decltype(QziDocIMFC::oLF_), decltype(QziDocIMFC::sLF_)>);
static_assert(!Same<decltype(GraphOptions::gphDRA_), decltype(GraphOptions::gphRSp_)>);
static_assert(Same<decltype(QziDocIStd::Impl::lng_), std::size_t>);
static_assert(Same<decltype(QziDocIStd::Impl::prgRows_), NoInitS<int, CI_Prg_Rows>>);
static_assert(Same<decltype(QziDocIStd::Impl::tm_dhms_), NoInitS<bool, CB_Time_As_ddhhmmss>>);

bool SameFont(const LOGFONTW& a, const LOGFONTW& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST_F(Content, NewContentHoldsTheDefaultsAndRunsNoThread) {
  CreateContent(content_, doc_);
  QziDocF& f = *content_;
  EXPECT_EQ(f.GetDoc(), doc_);
  EXPECT_EQ(f.GetIHlp()->GetF(), &f);
  QziDocIStd& s = *f.GetIStd();
  EXPECT_EQ(s.GetF(), &f);
  EXPECT_FALSE(s.ThreadsStarted());
  EXPECT_FALSE(s.IsModified());
  EXPECT_FALSE(s.IsUserLogged());
  EXPECT_FALSE(s.IsSupLogged());
  EXPECT_EQ(s.GetPass(), L"");
  EXPECT_EQ(s.GetPassSup(), L"");
  EXPECT_EQ(s.GetLanguage(), CurrentLanguage());
  EXPECT_EQ(s.GetPrgRows(), 44);
  EXPECT_TRUE(s.GetTmDhms());
  EXPECT_FALSE(s.IsClosing());
  EXPECT_FALSE(s.IsStopped());
  EXPECT_FALSE(s.IsExecRestart());
  EXPECT_FALSE(s.NetOpt().RxEnabled());
  EXPECT_EQ(s.NetOpt().Doc(), &s);
  EXPECT_EQ(s.TraceLineCount(), 0);
  EXPECT_EQ(s.DocPathName(), L"");

  const GraphOptions& g = f.GetIGph()->gO_;
  EXPECT_TRUE(SameFont(g.gLF_, LGF_graph));
  EXPECT_EQ(g.gLF_.get().lfHeight, -27);
  EXPECT_EQ(g.gRGB_, 0u);
  EXPECT_FLOAT_EQ(g.gphLTh_, 0.5f);
  EXPECT_FLOAT_EQ(g.gphDAg_, 10.0f);
  EXPECT_TRUE(g.gphDRA_);
  EXPECT_FALSE(g.gphRSp_);
  EXPECT_FALSE(g.gphIsP_);
  EXPECT_EQ(g.dteFmt_.get().Text(), L"%Y-%m-%d %H:%M:%S");
  EXPECT_EQ(g.gphNFm_.get(), L"%5.1f");

  const QziDocIMFC& m = *f.GetIMFC();
  EXPECT_TRUE(SameFont(m.oLF_, LGF_options));
  EXPECT_TRUE(SameFont(m.sLF_, LGF_status));
  EXPECT_TRUE(SameFont(m.pLF_, LGF_program));
  EXPECT_EQ(m.pLF_.get().lfHeight, -20);
  EXPECT_EQ(m.oRGB_ + m.sRGB_ + m.pRGB_, 0u);
}

TEST_F(Content, ThreadsStartOnceAndNeverAfterTheShutdown) {
  CreateContent(content_, doc_, ThreadTimings());
  QziDocIStd& s = *content_->GetIStd();
  s.StartThreads();
  EXPECT_TRUE(s.ThreadsStarted());
  EXPECT_THROW(s.StartThreads(), std::exception);
  s.ShutDown();
  EXPECT_THROW(s.StartThreads(), std::exception);

  CreateContent(content_, doc_);
  content_->GetIStd()->ShutDown();
  EXPECT_THROW(content_->GetIStd()->StartThreads(), std::exception);
  EXPECT_FALSE(content_->GetIStd()->ThreadsStarted());
}

}  // namespace
