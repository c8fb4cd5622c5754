// The document's life in its windows: new, open, the windows of an open,
// save, save as, close and the refusals, under a real main frame.
#include <gtest/gtest.h>

#include <wx/menu.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/QziDocIStd.h"
#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/QziView.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/InstrNetOpt.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/document/gui/FrameworkFixture.h"
#include "tests/support/GuiTest.h"
#include "views/placeholder/PlaceholderViews.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;
using TestSupport::PumpEvents;

std::string Bytes(const std::wstring& path) {
  std::ifstream in(ToUtf8(path), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class DocLifeTest : public TestSupport::FrameworkFixture {
 protected:
  QziDoc* NewDocument() {
    main_->RouteCommand(ID_FILE_NEW);
    PumpEvents();
    return OpenDoc();
  }
};

TEST_F(DocLifeTest, NewDocumentShowsTheOptionsWindowTitledByItsTemplate) {
  QziDoc* doc = NewDocument();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(ChildCount(), 1);
  EXPECT_EQ(doc->GetTitle().ToStdWstring(), templates_->TplOpt()->DocString(1) + L"1");
  EXPECT_TRUE(doc->Std().ThreadsStarted());
  EXPECT_EQ(activity_.Count(L"Opening a new document"), 1);
  auto* view = dynamic_cast<OptionsPlaceholder*>(main_->ActiveChildFrm()->View());
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(view->HadInitialUpdate());
}

TEST_F(DocLifeTest, FileNewWhileADocumentIsOpenOpensShowsAndLogsNothing) {
  QziDoc* doc = NewDocument();
  activity_.Clear();
  main_->RouteCommand(ID_FILE_NEW);
  PumpEvents();
  EXPECT_EQ(OpenDoc(), doc);
  EXPECT_EQ(manager_->GetDocuments().GetCount(), 1u);
  EXPECT_EQ(ChildCount(), 1);
  EXPECT_TRUE(shell_.boxes.empty());
  EXPECT_EQ(activity_.Text(), L"");
}

TEST_F(DocLifeTest, AFailedOpenLeavesNoDocumentFrameOrThreadAndAsksNothing) {
  // Periodic reception on and a user password set when the read fails.
  const std::wstring good = WriteDocFile("good.qzid", true, L"secret");
  std::string text = Bytes(good);
  text.resize(text.size() - 40);
  const std::wstring bad = FromUtf8(dir_.File("cut.qzid").string());
  std::ofstream(ToUtf8(bad), std::ios::binary) << text;
  const std::string before = Bytes(bad);

  EXPECT_EQ(templates_->OpenDocumentFile(bad), nullptr);
  PumpEvents();
  EXPECT_EQ(OpenDoc(), nullptr);
  EXPECT_EQ(ChildCount(), 0);
  EXPECT_EQ(views_.asks, 0);
  ASSERT_FALSE(shell_.beeps.empty());
  EXPECT_EQ(shell_.beeps.back(), BeepKind::hand);
  EXPECT_EQ(Bytes(bad), before);
  EXPECT_EQ(main_->GetMenuBar()->GetMenuCount(), 3u);
}

TEST_F(DocLifeTest, ASuccessfulOpenTilesTheOptionsAndStatusWindowsAndOpensStartUpGraphs) {
  const std::wstring path = WriteDocFile("net.qzid", true, L"");
  QziDoc* doc = templates_->OpenDocumentFile(path);
  ASSERT_NE(doc, nullptr);
  PumpEvents();
  EXPECT_EQ(ChildCount(), 2);
  EXPECT_EQ(main_->ChildGroups(), 2);
  EXPECT_NE(dynamic_cast<StatusPlaceholder*>(main_->ActiveChildFrm()->View()), nullptr);
  EXPECT_EQ(doc->GetFilename().ToStdWstring(), path);
  EXPECT_EQ(doc->Std().DocPathName(), path);
  EXPECT_EQ(manager_->GetFileHistory()->GetCount(), 1u);
  EXPECT_EQ(shell_.beeps.back(), BeepKind::asterisk);

  main_->RouteCommand(ID_VIEW_GRAPHIC);  // cancelled picker: nothing opens
  ASSERT_TRUE(main_->RouteCommand(ID_WINDOW_CASCADE));
  PumpEvents();
  EXPECT_EQ(main_->ChildGroups(), 1);
  EXPECT_EQ(ChildCount(), 2);
}

TEST_F(DocLifeTest, OpeningTheOpenPathActivatesItInsteadOfOpeningAgain) {
  const std::wstring path = WriteDocFile("net.qzid", false, L"");
  QziDoc* doc = templates_->OpenDocumentFile(path);
  PumpEvents();
  EXPECT_EQ(templates_->OpenDocumentFile(path), nullptr);
  EXPECT_EQ(OpenDoc(), doc);
  EXPECT_EQ(ChildCount(), 2);
}

TEST_F(DocLifeTest, NewWindowWithAStatusWindowActiveOpensAnotherOptionsWindow) {
  const std::wstring path = WriteDocFile("net.qzid", false, L"");
  templates_->OpenDocumentFile(path);
  PumpEvents();
  ASSERT_NE(dynamic_cast<StatusPlaceholder*>(main_->ActiveChildFrm()->View()), nullptr);
  ASSERT_TRUE(main_->RouteCommand(ID_WINDOW_NEW));
  PumpEvents();
  EXPECT_EQ(ChildCount(), 3);
  EXPECT_NE(dynamic_cast<OptionsPlaceholder*>(main_->ActiveChildFrm()->View()), nullptr);
}

TEST_F(DocLifeTest, ClosingOneOfTwoWindowsLeavesTheDocumentOpen) {
  QziDoc* doc = NewDocument();
  main_->RouteCommand(ID_VIEW_STATUS);
  PumpEvents();
  ASSERT_EQ(ChildCount(), 2);
  main_->ActiveChildFrm()->Close();
  PumpEvents();
  EXPECT_EQ(ChildCount(), 1);
  EXPECT_EQ(OpenDoc(), doc);
}

TEST_F(DocLifeTest, ClosingTheLastWindowIsFileCloseAndTheMainFrameShowsTheMenuOfNoDocument) {
  NewDocument();
  main_->ActiveChildFrm()->Close();
  PumpEvents();
  EXPECT_EQ(OpenDoc(), nullptr);
  EXPECT_EQ(ChildCount(), 0);
  EXPECT_EQ(main_->GetMenuBar()->GetMenuCount(), 3u);
  EXPECT_EQ(activity_.Count(L"Closing document named: "), 1);
}

// The views answer the threads' signals by asking the document for its
// content; the tasks still queued when the document closes run then.
TEST_F(DocLifeTest, TasksStillQueuedAtCloseReachTheViewsWhileTheContentIsWhole) {
  QziDoc* doc = NewDocument();
  ASSERT_NE(doc, nullptr);
  int answered = 0;
  boost::signals2::scoped_connection slot = doc->Std().ConnectDocSignal([doc, &answered](int, DocSignal s) {
    if (s != dsRxOk) return;
    doc->Std().NetOpt();
    ++answered;
  });
  const GuiPoster post = doc->Std().GetGuiPoster();
  QziDocIStd* std = &doc->Std();
  for (int i = 0; i < 3; ++i) post([std] { std->EmitDocSignal(1, dsRxOk); });
  ASSERT_TRUE(doc->FileClose());
  PumpEvents();
  EXPECT_EQ(OpenDoc(), nullptr);
  EXPECT_EQ(answered, 3);
  EXPECT_EQ(errors_.Text(), L"");
}

struct CloseCase {
  const char* name;
  bool rx;
  std::wstring pass;
  bool answer;
  int asks;
  bool closes;
};

TEST_F(DocLifeTest, CloseWithPeriodicReceptionNeedsTheUserPassword) {
  const CloseCase cases[] = {
      {"wrong password", true, L"pw", false, 1, false},
      {"right password", true, L"pw", true, 1, true},
      {"empty password", true, L"", false, 0, true},
      {"reception off", false, L"pw", false, 0, true},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.name);
    QziDoc* doc = templates_->OpenDocumentFile(WriteDocFile("net.qzid", c.rx, c.pass));
    ASSERT_NE(doc, nullptr);
    PumpEvents();
    views_.asks = 0;
    views_.answer = c.answer;
    const bool closed = doc->FileClose();
    PumpEvents();
    EXPECT_EQ(closed, c.closes);
    EXPECT_EQ(views_.asks, c.asks);
    if (!c.closes) {
      EXPECT_EQ(OpenDoc(), doc);
      EXPECT_EQ(ChildCount(), 2);
      EXPECT_TRUE(doc->Std().ThreadsStarted());
      EXPECT_TRUE(doc->GetF().get());
      views_.answer = true;
      ASSERT_TRUE(doc->FileClose());
      PumpEvents();
    }
    EXPECT_EQ(OpenDoc(), nullptr);
  }
}

TEST_F(DocLifeTest, AnOpenWithoutThreadsShowsItsWindowsAndClosesUnattendedLeavingTheFile) {
  // Periodic reception on and a user password: a close that asks nobody is
  // the unattended one.
  const std::wstring path = WriteDocFile("net.qzid", true, L"pw");
  const std::string before = Bytes(path);
  for (const bool threads : {false, true}) {
    SCOPED_TRACE(threads ? "threads on open" : "no threads on open");
    QziDoc::SetThreadsOnOpen(threads);
    QziDoc* doc = templates_->OpenDocumentFile(path);
    QziDoc::SetThreadsOnOpen(true);
    ASSERT_NE(doc, nullptr);
    PumpEvents();
    EXPECT_EQ(doc->Std().ThreadsStarted(), threads);
    EXPECT_EQ(ChildCount(), 2);
    views_.asks = 0;
    EXPECT_TRUE(doc->CloseUnattended());
    PumpEvents();
    EXPECT_EQ(views_.asks, 0);
    EXPECT_EQ(OpenDoc(), nullptr);
    EXPECT_EQ(Bytes(path), before);
  }
  EXPECT_TRUE(shell_.boxes.empty());
}

TEST_F(DocLifeTest, AFailedSaveOverAnExistingFileLeavesItAndTheDocumentModified) {
  const std::wstring path = WriteDocFile("net.qzid", false, L"");
  const std::string before = Bytes(path);
  QziDoc* doc = templates_->OpenDocumentFile(path);
  PumpEvents();
  doc->Std().SetModified(true);
  // Tests run as root: a regular file as the parent folder makes any save fail.
  const std::wstring blocked = FromUtf8((dir_.File("plain") / "x.qzid").string());
  std::ofstream(dir_.File("plain").string()) << "x";
  int boxes = 0;
  SaveErrorBox() = [&] { ++boxes; };
  EXPECT_FALSE(doc->OnSaveDocument(blocked));
  EXPECT_TRUE(doc->Std().IsModified());
  EXPECT_EQ(shell_.beeps.back(), BeepKind::hand);
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(Bytes(path), before);
}

TEST_F(DocLifeTest, ALegacyPathSavesTheLegacyFormatAndAnyOtherTheXmlFormat) {
  QziDoc* doc = NewDocument();
  const std::wstring legacy = FromUtf8(dir_.File("net.qzi").string());
  const std::wstring xml = FromUtf8(dir_.File("net.QZI").string());
  ASSERT_TRUE(doc->OnSaveDocument(legacy));
  ASSERT_TRUE(doc->OnSaveDocument(xml));
  EXPECT_EQ(Bytes(xml).rfind("<?xml", 0), 0u);
  EXPECT_NE(Bytes(legacy).rfind("<?xml", 0), 0u);
  EXPECT_FALSE(doc->Std().IsModified());
}

TEST_F(DocLifeTest, SaveOfADocumentWhoseFileWasRemovedAsksAsSaveAs) {
  const std::wstring path = WriteDocFile("net.qzid", false, L"");
  QziDoc* doc = templates_->OpenDocumentFile(path);
  PumpEvents();
  std::filesystem::remove(ToUtf8(path));
  bool asked = false;
  TestSupport::ModalDriver cancel([&](wxDialog& d) {
    asked = true;
    d.EndModal(wxID_CANCEL);
  });
  EXPECT_FALSE(doc->FileSave());
  EXPECT_TRUE(asked);
  EXPECT_FALSE(std::filesystem::exists(ToUtf8(path)));
}

TEST_F(DocLifeTest, AWindowScreenshotShowsTiledOptionsAndStatusWithAGraphPlaceholder) {
  const std::wstring path = WriteDocFile("net.qzid", false, L"");
  QziDoc* doc = templates_->OpenDocumentFile(path);
  PumpEvents();
  ChildFrm* graph = templates_->TplGph()->CreateNewFrameEx(doc, nullptr, boost::any(7));
  ASSERT_NE(graph, nullptr);
  templates_->TplGph()->InitialUpdateFrame(graph, doc, true);
  PumpEvents();
  main_->SetSize(1200, 900);
  EXPECT_FALSE(TestSupport::SaveWindowShot(*main_, "document_windows_tiled").empty());
}

}  // namespace

namespace {

TEST_F(DocLifeTest, TheChildFramesPanesShowReceptionAndTheLogins) {
  struct Case {
    bool rx, user, sup;
    const wchar_t* pane1;
    const wchar_t* pane2;
  };
  const Case cases[] = {
      {false, false, false, L"", L""},
      {true, false, false, L"RX", L""},
      {false, true, false, L"", L"LOG"},
      {true, true, false, L"RX", L"LOG"},
      {false, false, true, L"", L"LOG2"},
      {true, false, true, L"RX", L"LOG2"},
      {false, true, true, L"", L"LOG2"},
      {true, true, true, L"RX", L"LOG2"},
  };
  QziDoc* doc = NewDocument();
  ChildFrm* frame = main_->ActiveChildFrm();
  for (const Case& c : cases) {
    doc->Std().NetOpt().SetRxEnabled(c.rx);
    doc->Std().SetUserLogged(c.user);
    doc->Std().SetSupLogged(c.sup);
    frame->SetStatusPanes(L"text");
    EXPECT_EQ(frame->StatusPane(0), L"text");
    EXPECT_EQ(frame->StatusPane(1), c.pane1);
    EXPECT_EQ(frame->StatusPane(2), c.pane2);
  }
  doc->Std().NetOpt().SetRxEnabled(false);
}

}  // namespace
