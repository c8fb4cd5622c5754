#pragma once
// Fresh document content without threads, the network tests' catalogue, a
// shell double, a capture of the error log and a scratch folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/QziDocF.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIMFC.h"
#include "document/QziDocIStdImpl.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "tests/support/DocumentFixture.h"
#include "tests/support/LogCapture.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestCatalogue.h"

namespace TestSupport {

class DocFixture : public testing::Test {
 protected:
  static void SetUpTestSuite() { LoadNetworkTestCatalogue(); }

 public:

  // New content, replacing any before.
  PardeloStravon::QziDocF& Fresh() {
    PardeloStravon::CreateContent(content_, nullptr);
    return *content_;
  }
  PardeloStravon::QziDocF& F() { return *content_; }
  PardeloStravon::QziDocIStd& Std() { return *content_->GetIStd(); }
  PardeloStravon::QziDocIStd::Impl& Data() { return content_->GetIStd()->GetImpl(); }
  PardeloStravon::GraphOptions& Graph() { return content_->GetIGph()->gO_; }
  PardeloStravon::QziDocIMFC& Fonts() { return *content_->GetIMFC(); }
  PardeloStravon::QziDocIHlp& Hlp() { return *content_->GetIHlp(); }

  std::wstring PathOf(const std::string& name) const {
    return PardeloStravon::FromUtf8(dir_.File(name).string());
  }

  DocumentTest::ShellDouble shell_;
  LogCapture errors_{PardeloStravon::ErrorLog};
  TempDir dir_;
  PardeloStravon::ImmScoped<PardeloStravon::QziDocF> content_;
};

// The bytes of a file of tests/document/golden.
std::string Golden(const std::string& name);

}  // namespace TestSupport
