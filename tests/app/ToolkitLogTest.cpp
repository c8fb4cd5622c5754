#include "app/ToolkitLog.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <functional>
#include <memory>

#include "tests/support/GuiTest.h"
#include "tests/support/LogCapture.h"

using namespace PardeloStravon;

namespace {

// Answers any box the toolkit puts up while it lives, and tells whether one
// came: a box shown past the main loop would otherwise wait forever.
class BoxWatch {
 public:
  BoxWatch() : source_(g_timeout_add(50, &BoxWatch::Answer, this)) {}
  ~BoxWatch() { g_source_remove(source_); }
  BoxWatch(const BoxWatch&) = delete;
  BoxWatch& operator=(const BoxWatch&) = delete;
  bool Came() const { return came_; }

 private:
  static gboolean Answer(gpointer self) {
    GList* windows = gtk_window_list_toplevels();
    for (GList* w = windows; w != nullptr; w = w->next) {
      if (!GTK_IS_MESSAGE_DIALOG(w->data) || !gtk_widget_get_visible(GTK_WIDGET(w->data))) continue;
      static_cast<BoxWatch*>(self)->came_ = true;
      gtk_dialog_response(GTK_DIALOG(w->data), GTK_RESPONSE_OK);
    }
    g_list_free(windows);
    return G_SOURCE_CONTINUE;
  }
  guint source_;
  bool came_ = false;
};

struct Switch {
  const char* name;
  std::function<void(const std::function<void()>& whileSwitched)> run;
};

const Switch switches[] = {
    {"past the main loop",
     [](const std::function<void()>& whileSwitched) {
       ToolkitLogToErrorFileUntilTheEnd();
       whileSwitched();
     }},
    {"while a print runs",
     [](const std::function<void()>& whileSwitched) {
       ToolkitLogToErrorFileWhileAlive printing;
       whileSwitched();
     }},
};

}  // namespace

// What the toolkit said but has not shown yet (its box comes at the next
// idle time) goes to the error file when the boxes end, and no box comes:
// past the main loop nobody would answer it.
TEST(ToolkitLog, AComplaintStillWaitingForItsBox_GoesToTheErrorFileWithoutABox) {
  for (const Switch& s : switches) {
    SCOPED_TRACE(s.name);
    wxLog* before = wxLog::SetActiveTarget(nullptr);
    ToolkitLogInBoxes();
    TestSupport::LogCapture errors(ErrorLog);
    wxLogError("can't open user configuration file.");
    wxLogDebug("only for the toolkit's developers");
    {
      BoxWatch boxes;
      s.run([&] {
        wxLogWarning("said while switched");
        TestSupport::PumpEvents();
      });
      TestSupport::PumpEvents();
      EXPECT_FALSE(boxes.Came());
    }
    EXPECT_EQ(errors.Count(L"can't open user configuration file."), 1);
    EXPECT_EQ(errors.Count(L"said while switched"), 1);
    EXPECT_EQ(errors.Count(L"only for the toolkit's developers"), 0);
    delete wxLog::SetActiveTarget(before);
  }
}

// After a print run the boxes are back, and hold what is said for a box.
TEST(ToolkitLog, AfterAPrintRun_TheBoxesAreBack) {
  wxLog* before = wxLog::SetActiveTarget(nullptr);
  ToolkitLogInBoxes();
  { ToolkitLogToErrorFileWhileAlive printing; }
  auto* boxes = dynamic_cast<ToolkitLogBoxes*>(wxLog::GetActiveTarget());
  ASSERT_NE(boxes, nullptr);
  wxLogError("for a box");
  const std::vector<ToolkitLogBoxes::Pending> pending = boxes->TakePending();
  ASSERT_EQ(pending.size(), 1u);
  EXPECT_EQ(pending[0].text, "for a box");
  EXPECT_EQ(pending[0].level, wxLOG_Error);
  delete wxLog::SetActiveTarget(before);
}
