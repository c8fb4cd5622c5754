// The templates: which one claims a path, their strings in the language,
// the start value handed to a view while it is created, Save As over both
// file types, a legacy file read without its instruments, and GetDoc.
#include <gtest/gtest.h>

#include <wx/filedlg.h>
#include <wx/menu.h>

#include <filesystem>
#include <fstream>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/MenuResources.h"
#include "document/gui/QziView.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/TextConv.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/document/HexFile.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "tests/support/GuiTest.h"

namespace PardeloStravon {

// Records the start value it finds while it is created; -1 fails the
// creation.
class StartValueView : public QziView {
  wxDECLARE_DYNAMIC_CLASS(StartValueView);

 public:
  static boost::any seen;
  static bool contextDuringCreation;
  bool OnCreate(wxDocument* doc, long flags) override {
    CCreateContextEx* context = MyCMultiDocTemplate::CurrentContext();
    contextDuringCreation = context != nullptr;
    seen = context ? context->moreInfo_ : boost::any();
    if (context && context->moreInfo_.type() == typeid(int) && boost::any_cast<int>(context->moreInfo_) == -1)
      return false;
    return QziView::OnCreate(doc, flags);
  }

 protected:
  wxWindow* CreateViewWindow(ChildFrm&) override { return nullptr; }
};

boost::any StartValueView::seen;
bool StartValueView::contextDuringCreation = false;
wxIMPLEMENT_DYNAMIC_CLASS(StartValueView, wxView);

class OtherDoc : public wxDocument {};

}  // namespace PardeloStravon

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

class TemplatesTest : public TestSupport::FrameworkFixture {
 protected:
  QziDoc* NewDocument() {
    main_->RouteCommand(ID_FILE_NEW);
    PumpEvents();
    return OpenDoc();
  }
};

TEST_F(TemplatesTest, TheFirstTemplateWhoseExtensionMatchesClaimsAPath) {
  struct Case {
    const wchar_t* path;
    MyCMultiDocTemplate* (*which)(TheAppIMFC&);
  };
  auto opt = [](TheAppIMFC& t) { return t.TplOpt(); };
  auto old = [](TheAppIMFC& t) { return t.TplOld(); };
  const Case cases[] = {
      {L"/plant/net.qzid", opt}, {L"/plant/net.qzi", old},  {L"/plant/net.QZI", old},
      {L"/plant/net", opt},      {L"/plant/net.txt", opt}, {L"/plant.d/net", opt},
  };
  for (const Case& c : cases) EXPECT_EQ(templates_->ChooseTemplate(c.path), c.which(*templates_)) << c.path;
}

TEST_F(TemplatesTest, ALegacyFileWithCapitalsIsOpenedByTheLegacyTemplateButReadAsXmlAndFails) {
  QziDoc* doc = NewDocument();
  const std::wstring legacy = FromUtf8(dir_.File("net.qzi").string());
  ASSERT_TRUE(doc->OnSaveDocument(legacy));
  doc->FileClose();
  PumpEvents();
  const std::wstring capitals = FromUtf8(dir_.File("net.QZI").string());
  std::filesystem::rename(dir_.File("net.qzi"), dir_.File("net.QZI"));
  EXPECT_EQ(templates_->OpenDocumentFile(capitals), nullptr);
  EXPECT_EQ(OpenDoc(), nullptr);
  EXPECT_NE(errors_.Text().find(L"net.QZI"), std::wstring::npos);
}

TEST_F(TemplatesTest, FileFiltersFollowTheLanguageWhileGraphicStaysInEnglish) {
  for (std::size_t language = 0; language < DictLanguages().size(); ++language) {
    SetCurrentLanguage(language);
    templates_->SetTemplateStrings();
    EXPECT_EQ(templates_->FileFilters(), DictText(CTW_Options_files) + L" (*.qzid)|*.qzid|" +
                                             DictText(CTW_Options_files_old) + L" (*.qzi)|*.qzi");
    EXPECT_EQ(templates_->TplGph()->DocString(0), L"Graphic");
    EXPECT_EQ(templates_->TplOpt()->DocString(1), DictText(CTW_Options));
    for (int i = 0; i < 7; ++i) EXPECT_EQ(templates_->TplSer()->DocString(i), L"");
  }
}

TEST_F(TemplatesTest, AStartValueReachesTheViewDuringItsCreationOnly) {
  QziDoc* doc = NewDocument();
  auto* tpl = new MyCMultiDocTemplate(manager_, IDR_GRAPHIC, wxCLASSINFO(StartValueView));
  ChildFrm* frame = tpl->CreateNewFrameEx(doc, nullptr, boost::any(42));
  ASSERT_NE(frame, nullptr);
  ASSERT_EQ(StartValueView::seen.type(), typeid(int));
  EXPECT_EQ(boost::any_cast<int>(StartValueView::seen), 42);
  EXPECT_EQ(MyCMultiDocTemplate::CurrentContext(), nullptr);

  EXPECT_EQ(tpl->CreateNewFrameEx(doc, nullptr, boost::any(-1)), nullptr);
  EXPECT_EQ(MyCMultiDocTemplate::CurrentContext(), nullptr);

  ASSERT_NE(tpl->CreateNewFrame(doc, nullptr), nullptr);
  EXPECT_TRUE(StartValueView::contextDuringCreation);
  EXPECT_TRUE(StartValueView::seen.empty());
  PumpEvents();
}

TEST_F(TemplatesTest, SaveAsOfANeverSavedDocumentProposesItsTitleWithBothFileTypes) {
  QziDoc* doc = NewDocument();
  std::wstring proposed, wildcard;
  TestSupport::ModalDriver driver([&](wxDialog& d) {
    if (auto* f = dynamic_cast<wxFileDialog*>(&d)) {
      proposed = f->GetFilename().ToStdWstring();
      wildcard = f->GetWildcard().ToStdWstring();
    }
    d.EndModal(wxID_CANCEL);
  });
  EXPECT_FALSE(doc->FileSaveAs());
  EXPECT_EQ(proposed, doc->GetTitle().ToStdWstring() + L".qzid");
  EXPECT_EQ(wildcard, templates_->FileFilters());
}

TEST_F(TemplatesTest, ALegacyFileReadWithoutItsInstrumentsOpensWithoutAPathAndItsSaveAsks) {
  std::ifstream in(std::string(VANTOR_DOC_GOLDEN_DIR) + "/legacy/v20.hex");
  std::stringstream text;
  text << in.rdbuf();
  const std::vector<std::uint8_t> bytes = TestSupport::HexFileBytes(text.str());
  const auto file = dir_.File("old.qzi");
  std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  QziDoc* doc = templates_->OpenDocumentFile(FromUtf8(file.string()));
  ASSERT_NE(doc, nullptr);
  PumpEvents();
  EXPECT_TRUE(doc->OpenedWithoutPath());
  EXPECT_EQ(doc->GetFilename(), wxString());
  EXPECT_EQ(doc->Std().DocPathName(), L"");
  EXPECT_EQ(manager_->GetFileHistory()->GetCount(), 0u);
  EXPECT_EQ(ChildCount(), 2);
  // The legacy template's window carries the document menu too.
  auto* first = dynamic_cast<ChildFrm*>(doc->GetFirstView()->GetFrame());
  ASSERT_NE(first, nullptr);
  ASSERT_NE(first->GetMenuBar(), nullptr);
  EXPECT_EQ(first->GetMenuBar()->GetMenuCount(), 5u);
  bool asked = false;
  TestSupport::ModalDriver cancel([&](wxDialog& d) {
    asked = dynamic_cast<wxFileDialog*>(&d) != nullptr;
    d.EndModal(wxID_CANCEL);
  });
  EXPECT_FALSE(doc->FileSave());
  EXPECT_TRUE(asked);
  std::ifstream after(file, std::ios::binary);
  const std::string now((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>());
  EXPECT_EQ(now, std::string(bytes.begin(), bytes.end()));
}

TEST_F(TemplatesTest, GetDocNamesWhatIsMissing) {
  struct Case {
    const char* name;
    std::function<void()> call;
    const wchar_t* message;
  };
  QziDoc* doc = NewDocument();
  OtherDoc other;
  StartValueView noDocument;
  StartValueView otherClass;
  otherClass.SetDocument(&other);
  wxFrame plain(main_, wxID_ANY, L"plain");
  const Case cases[] = {
      {"no document", [&] { GetDoc(&noDocument); }, L"Assertion failed: !pD"},
      {"other class", [&] { GetDoc(&otherClass); }, L"Assertion failed: !pD->IsKindOf(RUNTIME_CLASS(QziDoc))"},
      {"frame without a view", [&] { GetDoc(&plain); }, L"Assertion failed: !pD"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    errors_.Clear();
    EXPECT_ANY_THROW(c.call());
    EXPECT_NE(errors_.Text().find(c.message), std::wstring::npos) << errors_.Text();
  }
  EXPECT_EQ(GetDoc(main_->ActiveChildFrm()), doc);
  otherClass.SetDocument(nullptr);
}

}  // namespace
