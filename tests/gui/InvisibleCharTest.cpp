#include "platform/gui/InvisibleChar.h"

#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include "tests/support/GuiTest.h"

namespace {

gunichar InvisibleCharOf(wxTextCtrl& edit) { return gtk_entry_get_invisible_char(GTK_ENTRY(edit.GetHandle())); }

// A theme that names its own character for hidden text: an edit still
// looking for one takes it at its next change of state.
void GiveThemeCharacter(wxTextCtrl& edit, gunichar character) {
  GtkCssProvider* provider = gtk_css_provider_new();
  const std::string rule = "entry { -GtkEntry-invisible-char: " + std::to_string(character) + "; }";
  gtk_css_provider_load_from_data(provider, rule.c_str(), -1, nullptr);
  gtk_style_context_add_provider(gtk_widget_get_style_context(edit.GetHandle()), GTK_STYLE_PROVIDER(provider),
                                 GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
}

struct EditCase {
  const char* name;
  long style;
  bool stopsLooking;
};

const EditCase Cases[] = {
    {"shown text", 0, true},
    {"shown text, right-aligned", wxTE_RIGHT, true},
    {"password", wxTE_PASSWORD, false},
};

}  // namespace

// An edit showing its text keeps its character when it is disabled under
// a theme naming another, so the toolkit no longer looks for one; a
// password edit still hides its text with whatever the theme names.
TEST(InvisibleChar, AnEditShowingItsTextStopsLooking_APasswordEditFollowsTheTheme) {
  constexpr gunichar ThemeCharacter = '#';
  auto* frame = new wxFrame(nullptr, wxID_ANY, "Edits");
  for (const EditCase& c : Cases) {
    SCOPED_TRACE(c.name);
    auto* edit = new wxTextCtrl(frame, wxID_ANY, "text", wxDefaultPosition, wxDefaultSize, c.style);
    const gunichar before = InvisibleCharOf(*edit);
    ASSERT_NE(before, ThemeCharacter);
    Platform::SettleInvisibleChar(*edit);
    EXPECT_EQ(InvisibleCharOf(*edit), before);

    GiveThemeCharacter(*edit, ThemeCharacter);
    edit->Disable();
    frame->Show();
    TestSupport::PumpEvents();
    EXPECT_EQ(InvisibleCharOf(*edit), c.stopsLooking ? before : ThemeCharacter);
  }
  frame->Destroy();
  TestSupport::PumpEvents();
}
