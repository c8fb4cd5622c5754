#include <gtest/gtest.h>
#include <gtk/gtk.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <functional>
#include <memory>

#include "platform/gui/CommandIds.h"
#include "platform/gui/ControlsHost.h"
#include "platform/gui/SimpleComboBox.h"
#include "platform/gui/ToolkitClick.h"
#include "platform/gui/WindowImage.h"
#include "platform/gui/WindowStyles.h"
#include "tests/support/GuiTest.h"
#include "tests/views/dialogs/DialogLayout.h"
#include "views/dialogs/DialogBuilder.h"
#include "views/dialogs/DlgScroll.h"
#include "views/dialogs/ItemDialog.h"

using namespace PardeloStravon;
using namespace Platform;

namespace {

// The X server needs a moment for each pointer event.
void Settle() {
  for (int i = 0; i < 5; ++i) {
    TestSupport::PumpEvents();
    wxMilliSleep(20);
  }
}

constexpr WinStyle Child = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

// One control of every kind the builder makes, at the smallest sizes the
// system's dialogs use.
std::vector<InterfItem> EveryKind() {
  return {
      {0, 0, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME, L"Every kind", 0, 0, 220, 150, 0, 8,
       L"MS Shell Dlg"},
      {1, ClassButton, Child | BS_DEFPUSHBUTTON, L"OK", 160, 7, 50, 14, 0, 0, L""},
      {2, ClassButton, Child | BS_PUSHBUTTON, L"Cancel", 160, 24, 50, 15, 0, 0, L""},
      {1001, ClassButton, Child | BS_AUTOCHECKBOX | BS_LEFTTEXT, L"Automatic, text left", 7, 7, 140, 8, 0, 0, L""},
      {1002, ClassButton, Child | BS_CHECKBOX, L"Set by the program", 7, 18, 140, 8, 0, 0, L""},
      {1003, ClassButton, Child | BS_AUTO3STATE, L"Three states", 7, 29, 140, 8, 0, 0, L""},
      {1004, ClassEdit, Child | WS_BORDER | ES_RIGHT, L"12", 7, 40, 40, 11, 0, 0, L""},
      {1005, ClassEdit, Child | WS_BORDER | ES_PASSWORD, L"secret", 52, 40, 40, 12, 0, 0, L""},
      {1006, ClassEdit, Child | WS_BORDER | ES_READONLY | ES_MULTILINE, L"one line", 97, 40, 50, 12, 0, 0, L""},
      {1007, ClassEdit, Child | ES_MULTILINE | ES_RIGHT, L"many\nlines", 7, 56, 60, 40, 0, 0, L""},
      {1008, ClassStatic, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, L"A label long enough to wrap", 72, 56, 70, 40,
       0, 0, L""},
      {1009, ClassComboBox, Child | CBS_SIMPLE | WS_VSCROLL, L"", 150, 45, 60, 61, WS_EX_RIGHT, 0, L""},
      {1010, ClassButton, Child | WS_DISABLED, L"Disabled", 7, 100, 50, 14, 0, 0, L""},
  };
}

// The toolkit's parts of a control that show text.
void ForEachTextPart(GtkWidget* widget, const std::function<void(GtkWidget*)>& visit) {
  if (GTK_IS_LABEL(widget) || GTK_IS_ENTRY(widget)) visit(widget);
  if (!GTK_IS_CONTAINER(widget)) return;
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
  for (GList* c = children; c != nullptr; c = c->next) ForEachTextPart(GTK_WIDGET(c->data), visit);
  g_list_free(children);
}

std::string FontOf(GtkWidget* widget) {
  GtkStyleContext* context = gtk_widget_get_style_context(widget);
  PangoFontDescription* font = nullptr;
  gtk_style_context_get(context, gtk_style_context_get_state(context), GTK_STYLE_PROPERTY_FONT, &font, nullptr);
  const std::string text = font != nullptr ? pango_font_description_get_family(font) + std::string(" ") +
                                                 std::to_string(pango_font_description_get_size(font) / PANGO_SCALE)
                                           : std::string("none");
  if (font != nullptr) pango_font_description_free(font);
  return text;
}

GtkBorder BorderOf(GtkWidget* widget) {
  GtkStyleContext* context = gtk_widget_get_style_context(widget);
  GtkBorder border{};
  gtk_style_context_get_border(context, gtk_style_context_get_state(context), &border);
  return border;
}

}  // namespace

TEST(DialogBuilder, Fonts_ArialAndShellDlgBecomeLiberationSans) {
  struct Case {
    const wchar_t* face;
    int size;
    const wchar_t* used;
    int points;
  };
  const Case cases[] = {{L"", 0, L"Liberation Sans", 8},
                        {L"Arial", 10, L"Liberation Sans", 10},
                        {L"MS Shell Dlg", 8, L"Liberation Sans", 8},
                        {L"DejaVu Serif", 9, L"DejaVu Serif", 9}};
  for (const Case& c : cases) {
    const wxFont font = DialogFont(InterfItem(0, 0, 0, L"", 0, 0, 1, 1, 0, c.size, c.face));
    EXPECT_EQ(font.GetFaceName().ToStdWstring(), c.used) << wxString(c.face);
    EXPECT_EQ(font.GetPointSize(), c.points) << wxString(c.face);
  }
}

TEST(DialogBuilder, EveryControl_TakesItsRectangleUnderItsIdInTabOrder) {
  const std::vector<InterfItem> items = EveryKind();
  std::unique_ptr<ItemDialog> dialog(new ItemDialog(nullptr, items));
  // The geometry the system's dialogs were drawn for.
  EXPECT_EQ(dialog->ConvertDialogToPixels(wxSize(4, 8)), wxSize(6, 13));
  TestSupport::ExpectLayoutAsItems(*dialog, items);
  EXPECT_FALSE(TestSupport::SaveWindowShot(*dialog, "DialogBuilder_every_kind").empty());

  auto* def = dynamic_cast<wxButton*>(dialog->FindWindow(wxID_OK));
  ASSERT_NE(def, nullptr);
  EXPECT_EQ(dialog->GetDefaultItem(), def);
  EXPECT_FALSE(dialog->FindWindow(ToWxId(1010))->IsEnabled());
  auto* left = dynamic_cast<wxCheckBox*>(dialog->FindWindow(ToWxId(1001)));
  ASSERT_NE(left, nullptr);
  EXPECT_TRUE(left->HasFlag(wxALIGN_RIGHT)) << "text on the left of the box";
  auto* three = dynamic_cast<wxCheckBox*>(dialog->FindWindow(ToWxId(1003)));
  ASSERT_NE(three, nullptr);
  EXPECT_TRUE(three->Is3rdStateAllowedForUser());
  auto* right = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(ToWxId(1004)));
  ASSERT_NE(right, nullptr);
  EXPECT_TRUE(right->HasFlag(wxTE_RIGHT));
  EXPECT_TRUE(dynamic_cast<wxTextCtrl*>(dialog->FindWindow(ToWxId(1005)))->HasFlag(wxTE_PASSWORD));
  auto* oneLine = dynamic_cast<wxTextCtrl*>(dialog->FindWindow(ToWxId(1006)));
  EXPECT_FALSE(oneLine->IsMultiLine()) << "a multi-line edit one line high is a single-line box";
  EXPECT_FALSE(oneLine->IsEditable());
  EXPECT_TRUE(dynamic_cast<wxTextCtrl*>(dialog->FindWindow(ToWxId(1007)))->IsMultiLine());
  auto* combo = dynamic_cast<SimpleComboBox*>(dialog->FindWindow(ToWxId(1009)));
  ASSERT_NE(combo, nullptr);
  EXPECT_TRUE(combo->Edit()->HasFlag(wxTE_RIGHT));
}

// A click through the toolkit: an automatic box changes, the other keeps
// what the program set, and the dialog is told of the click either way.
TEST(DialogBuilder, ClickOnACheckBox_ChangesOnlyAnAutomaticOne) {
  struct Case {
    int id;
    bool changes;
  };
  const Case cases[] = {{1001, true}, {1002, false}, {1003, true}};
  std::unique_ptr<ItemDialog> dialog(new ItemDialog(nullptr, EveryKind()));
  dialog->Show();
  Settle();
  int told = 0;
  dialog->Bind(wxEVT_CHECKBOX, [&](wxCommandEvent&) { ++told; });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    auto* box = dynamic_cast<wxCheckBox*>(dialog->FindWindow(ToWxId(c.id)));
    ASSERT_NE(box, nullptr);
    box->SetValue(true);
    told = 0;
    ASSERT_TRUE(ToolkitClick(*box));
    Settle();
    EXPECT_EQ(box->Get3StateValue() == wxCHK_CHECKED, !c.changes);
    EXPECT_EQ(told, 1);
  }
  dialog->Hide();
}

// The controls show the dialog's font, in a plain dialog and on the scrolled
// content of a large one, whichever way the toolkit is given it; an edit
// made without a border shows no frame, one with a border keeps it.
TEST(DialogBuilder, EveryTextOfTheControls_ShowsTheDialogFont_AndAnEditWithoutBorderHasNoFrame) {
  const std::vector<InterfItem> items = {
      {0, 0, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME, L"Fonts", 0, 0, 220, 90, 0, 11,
       L"DejaVu Serif"},
      {1, ClassButton, Child | BS_PUSHBUTTON, L"OK", 160, 7, 50, 14, 0, 0, L""},
      {1001, ClassButton, Child | BS_AUTOCHECKBOX, L"Automatic", 7, 7, 140, 10, 0, 0, L""},
      {1002, ClassButton, Child | BS_CHECKBOX | WS_DISABLED, L"Set by the program", 7, 20, 140, 10, 0, 0, L""},
      {1003, ClassEdit, Child | WS_BORDER, L"framed", 7, 33, 60, 12, 0, 0, L""},
      {1004, ClassEdit, Child | ES_MULTILINE, L"frameless", 72, 33, 60, 12, 0, 0, L""},
      {1005, ClassStatic, WS_CHILD | WS_VISIBLE, L"A label", 7, 50, 100, 10, 0, 0, L""},
  };
  struct Host {
    const char* name;
    std::function<wxDialog*()> make;
  };
  const Host hosts[] = {{"plain dialog", [&] { return new ItemDialog(nullptr, items); }},
                        {"scrolled dialog", [&] { return new Scroll::DlgScroll(nullptr, items); }}};
  for (const Host& host : hosts) {
    SCOPED_TRACE(host.name);
    std::unique_ptr<wxDialog> dialog(host.make());
    dialog->Show();
    TestSupport::PumpEvents();
    int texts = 0;
    for (const InterfItem& item : std::vector<InterfItem>(items.begin() + 1, items.end())) {
      wxWindow* control = dialog->FindWindow(ToWxId(item.id_));
      ASSERT_NE(control, nullptr) << item.id_;
      EXPECT_EQ(control->GetFont().GetFaceName(), "DejaVu Serif") << item.id_;
      ForEachTextPart(control->GetHandle(), [&](GtkWidget* part) {
        ++texts;
        EXPECT_EQ(FontOf(part), "DejaVu Serif 11") << item.id_;
      });
    }
    EXPECT_GE(texts, 6) << "every control has a text part";
    const GtkBorder framed = BorderOf(dialog->FindWindow(ToWxId(1003))->GetHandle());
    EXPECT_GT(framed.top + framed.bottom + framed.left + framed.right, 0);
    wxWindow* frameless = dialog->FindWindow(ToWxId(1004));
    const GtkBorder none = BorderOf(frameless->GetHandle());
    EXPECT_EQ(none.top + none.bottom + none.left + none.right, 0);
    EXPECT_TRUE(frameless->HasFlag(wxBORDER_NONE));
    dialog->Hide();
  }
}

// Controls built while their host is kept off the window's tree come into
// it as those built on it: the same places, fonts and pixels. A host already
// shown stays where it is, and what is added to it shows at once.
TEST(DialogBuilder, ControlsBuiltOffTheWindowsTree_LookAsThoseBuiltOnIt) {
  const std::vector<InterfItem> items = EveryKind();
  std::unique_ptr<wxDialog> dialog(new wxDialog(nullptr, wxID_ANY, "Hosts"));
  dialog->SetFont(DialogFont(items[0]));
  const wxSize hostSize(360, 260);
  ControlsHost* hosts[2];
  std::vector<wxWindow*> built[2];
  for (int k = 0; k < 2; ++k) {
    hosts[k] = new ControlsHost(dialog.get(), wxPoint(k * (hostSize.x + 10), 0), hostSize,
                                wxVSCROLL | wxHSCROLL | wxALWAYS_SHOW_SB | wxTAB_TRAVERSAL);
    hosts[k]->SetFont(dialog->GetFont());
  }
  {
    ControlsHost::Detached detached(*hosts[0]);
    built[0] = BuildControls(*hosts[0], items);
  }
  built[1] = BuildControls(*hosts[1], items);
  ASSERT_EQ(built[0].size(), items.size() - 1);
  for (auto& controls : built) {
    dynamic_cast<wxCheckBox&>(*controls[2]).SetValue(true);
    dynamic_cast<wxCheckBox&>(*controls[4]).Set3StateValue(wxCHK_UNDETERMINED);
  }
  auto* away = new wxButton(dialog.get(), wxID_ANY, "Away", wxPoint(0, hostSize.y + 10));
  dialog->SetClientSize(2 * hostSize.x + 10, hostSize.y + 50);
  dialog->Show();
  away->SetFocus();
  Settle();

  for (std::size_t k = 0; k < built[0].size(); ++k) {
    SCOPED_TRACE(items[k + 1].id_);
    EXPECT_EQ(built[0][k]->GetRect(), built[1][k]->GetRect());
    GtkAllocation off{}, on{};
    gtk_widget_get_allocation(built[0][k]->GetHandle(), &off);
    gtk_widget_get_allocation(built[1][k]->GetHandle(), &on);
    EXPECT_EQ(std::make_pair(off.width, off.height), std::make_pair(on.width, on.height));
    EXPECT_TRUE(gtk_widget_get_mapped(built[0][k]->GetHandle()) || !built[0][k]->IsShown());
    ForEachTextPart(built[0][k]->GetHandle(),
                    [&](GtkWidget* part) { EXPECT_EQ(FontOf(part), "Liberation Sans 8"); });
  }
  const wxImage off = WindowImage(*hosts[0]);
  const wxImage on = WindowImage(*hosts[1]);
  ASSERT_TRUE(off.IsOk() && on.IsOk());
  ASSERT_EQ(off.GetSize(), on.GetSize());
  const std::size_t bytes = static_cast<std::size_t>(off.GetWidth()) * off.GetHeight() * 3;
  std::size_t differing = 0;
  for (std::size_t i = 0; i < bytes; ++i) differing += off.GetData()[i] != on.GetData()[i];
  EXPECT_EQ(differing, 0u);
  if (differing != 0) {
    off.SaveFile((TestSupport::ArtifactDir() / "controls_built_off_the_tree.png").string(), wxBITMAP_TYPE_PNG);
    on.SaveFile((TestSupport::ArtifactDir() / "controls_built_on_the_tree.png").string(), wxBITMAP_TYPE_PNG);
  }

  {
    ControlsHost::Detached shown(*hosts[1]);
    auto* late = new wxStaticText(hosts[1], wxID_ANY, "late", wxPoint(5, 200));
    EXPECT_TRUE(gtk_widget_get_realized(late->GetHandle()));
    EXPECT_TRUE(gtk_widget_get_mapped(late->GetHandle()));
  }
  dialog->Hide();
}
