// The road of every kind of command, with view doubles of each kind: which
// stop answers and whether the item is enabled.
#include <gtest/gtest.h>

#include <memory>

#include "document/gui/ChildFrm.h"
#include "document/gui/MainFrameBase.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziView.h"
#include "platform/gui/ProgramIds.h"
#include "platform/gui/ResourceIds.h"
#include "tests/document/gui/FrameworkFixture.h"

namespace {

using namespace PardeloStravon;
using namespace Platform;

enum Kind { noView, options, status, serial, graph, program, kinds };
enum Stop { none, view, doc, child, mainFrame, app };

class ViewDouble : public QziView {
 public:
  explicit ViewDouble(Kind kind) {
    if (kind != program) {
      Target().OnCommand(ID_FILE_PRINT, [] {});
      Target().OnCommand(ID_FILE_PRINT_PREVIEW, [] {});
    }
    if (kind == status) Target().OnCommand(ID_VIEW_CLOSE_STATUS, [] {});
    if (kind == program) form_ = std::make_unique<CommandTarget>();
  }
  void RouteTargets(CommandRoute& route) const override {
    if (form_) route.push_back(form_.get());
    QziView::RouteTargets(route);
  }
  CommandTarget* Form() { return form_.get(); }

 protected:
  wxWindow* CreateViewWindow(ChildFrm&) override { return nullptr; }

 private:
  std::unique_ptr<CommandTarget> form_;
};

struct RouteCase {
  int id;
  Stop stops[kinds];
};

constexpr Stop N = none, V = view, D = doc, M = mainFrame, A = app;

const RouteCase Cases[] = {
    {ID_EDIT_UNDO, {N, N, N, N, N, N}},
    {ID_EDIT_CUT, {N, N, N, N, N, N}},
    {ID_EDIT_COPY, {N, N, N, N, N, N}},
    {ID_EDIT_PASTE, {N, N, N, N, N, N}},
    {ID_NEXT_PANE, {N, N, N, N, N, N}},
    {ID_PREV_PANE, {N, N, N, N, N, N}},
    {ID_VIEW_RX_STATUS, {N, N, N, N, N, N}},
    {ID_GRAPHIC_ZOOM_IN, {N, N, N, N, N, N}},
    {ID_VIEW_CLOSE_STATUS, {N, N, V, N, N, N}},
    {ID_FILE_PRINT, {N, V, V, V, V, N}},
    {ID_FILE_PRINT_PREVIEW, {N, V, V, V, V, N}},
    {ID_FILE_NEW, {A, A, A, A, A, A}},
    {ID_FILE_OPEN, {A, A, A, A, A, A}},
    {ID_FILE_PRINT_SETUP, {A, A, A, A, A, A}},
    {ID_APP_ABOUT, {A, A, A, A, A, A}},
    {ID_INSTRUMENT_USER_MANUALS, {A, D, D, D, D, D}},
    {ID_PROGRAM_HELP, {A, D, D, D, D, D}},
    {ID_RUN_GUI_TASKS, {N, D, D, D, D, D}},
    {ID_FILE_SAVE, {N, D, D, D, D, D}},
    {ID_FILE_SAVE_AS, {N, D, D, D, D, D}},
    {ID_FILE_CLOSE, {N, D, D, D, D, D}},
    {ID_EDIT_ADD, {N, D, D, D, D, D}},
    {ID_EDIT_RX, {N, D, D, D, D, D}},
    {ID_VIEW_GRAPHIC, {N, D, D, D, D, D}},
    {ID_VIEW_TOOLBAR, {M, M, M, M, M, M}},
    {ID_VIEW_STATUS_BAR, {M, M, M, M, M, M}},
    {ID_WINDOW_NEW, {M, M, M, M, M, M}},
    {ID_WINDOW_TILE_HORZ, {M, M, M, M, M, M}},
    {ID_WINDOW_CASCADE, {M, M, M, M, M, M}},
    {ID_WINDOW_ARRANGE, {M, M, M, M, M, M}},
};

class RoutingTest : public TestSupport::FrameworkFixture {
 protected:
  void SetUp() override {
    FrameworkFixture::SetUp();
    // Print Setup and About belong to the application's own dressing.
    ApplicationTarget().OnCommand(ID_FILE_PRINT_SETUP, [] {});
    ApplicationTarget().OnCommand(ID_APP_ABOUT, [] {});
    doc_.CreateContent();
    for (int k = options; k < kinds; ++k) {
      views_[k] = std::make_unique<ViewDouble>(Kind(k));
      views_[k]->SetDocument(&doc_);
    }
  }
  void TearDown() override {
    for (auto& v : views_) v.reset();
    ApplicationTarget().RemoveCommand(ID_FILE_PRINT_SETUP);
    ApplicationTarget().RemoveCommand(ID_APP_ABOUT);
    FrameworkFixture::TearDown();
  }

  CommandRoute RouteFor(Kind kind) {
    if (kind == noView) return BuildRoute(nullptr, nullptr, &main_->Target(), &ApplicationTarget());
    return BuildRoute(views_[kind].get(), &child_, &main_->Target(), &ApplicationTarget());
  }

  const CommandTarget* TargetOf(Kind kind, Stop stop) {
    switch (stop) {
      case view: return &views_[kind]->Target();
      case doc: return &doc_.Target();
      case child: return &child_;
      case mainFrame: return &main_->Target();
      case app: return &ApplicationTarget();
      default: return nullptr;
    }
  }

  QziDoc doc_;
  CommandTarget child_;
  std::unique_ptr<ViewDouble> views_[kinds];
};

TEST_F(RoutingTest, EachCommandReachesItsStopAndIsEnabledExactlyThen) {
  for (const RouteCase& c : Cases) {
    for (int k = noView; k < kinds; ++k) {
      const CommandRoute route = RouteFor(Kind(k));
      SCOPED_TRACE(testing::Message() << "command " << c.id << ", view kind " << k);
      EXPECT_EQ(FindCommandTarget(route, c.id), TargetOf(Kind(k), c.stops[k]));
      EXPECT_EQ(QueryCommandState(route, c.id).enabled, c.stops[k] != none);
    }
  }
}

TEST_F(RoutingTest, TheProgramViewsFormSeesACommandBeforeTheView) {
  int form = 0, ownView = 0;
  const int id = ID_EDIT_EDIT;
  views_[program]->Form()->OnCommand(id, [&] { ++form; });
  views_[program]->Target().OnCommand(id, [&] { ++ownView; });
  EXPECT_TRUE(RouteCommand(RouteFor(program), id));
  EXPECT_EQ(form, 1);
  EXPECT_EQ(ownView, 0);
}

TEST_F(RoutingTest, AnUpdateEntryThatDisablesStopsTheCommand) {
  int runs = 0;
  views_[options]->Target().OnUpdate(ID_FILE_PRINT, [](CmdUI& ui) { ui.Enable(false); });
  views_[options]->Target().OnCommand(ID_FILE_PRINT, [&] { ++runs; });
  EXPECT_FALSE(RouteCommand(RouteFor(options), ID_FILE_PRINT));
  EXPECT_EQ(runs, 0);
}

TEST_F(RoutingTest, WithADocumentOpenToolbarAndStatusBarCarryTheMarkOfWhatShows) {
  // The document's update entries answer first: its text, and the main
  // frame's mark, as with no document.
  for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR}) {
    const CommandState state = QueryCommandState(RouteFor(options), id);
    EXPECT_TRUE(state.enabled);
    ASSERT_TRUE(state.checked.has_value()) << id;
    const CommandState alone = QueryCommandState(RouteFor(noView), id);
    ASSERT_TRUE(alone.checked.has_value()) << id;
    EXPECT_EQ(*state.checked, *alone.checked) << id;
  }
}

}  // namespace
