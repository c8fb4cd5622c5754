#include <gtest/gtest.h>

#include <wx/filedlg.h>

#include <wx/app.h>

#include <fstream>

#include "foundation/core/TextConv.h"
#include "foundation/gui/FileDialog.h"
#include "platform/gui/FileChooser.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TempDir.h"

using namespace PardeloStravon;

TEST(FileDialog, Modes_CarryTheFrameworksTitlesAndChecks) {
  struct Case {
    int mode;
    const wchar_t* title;
    long style;
  };
  const Case cases[] = {{0, L"Save As", wxFD_SAVE | wxFD_OVERWRITE_PROMPT},
                        {1, L"Open", wxFD_OPEN | wxFD_FILE_MUST_EXIST}};
  for (const Case& c : cases) {
    const Platform::FileChooserKind kind = Platform::FileChooserKindOf(c.mode);
    EXPECT_EQ(kind.title, c.title);
    EXPECT_EQ(kind.style, c.style);
  }
}

TEST(FileDialog, Cancel_GivesTheEmptyText) {
  for (int mode : {0, 1}) {
    std::wstring title;
    TestSupport::ModalDriver driver([&](wxDialog& d) {
      if (auto* f = dynamic_cast<wxFileDialog*>(&d)) title = f->GetMessage().ToStdWstring();
      d.EndModal(wxID_CANCEL);
    });
    EXPECT_EQ(FileDialog(L"QZ_0007", L".qzis", mode), L"") << mode;
    EXPECT_TRUE(driver.Acted());
    EXPECT_EQ(title, mode == 0 ? L"Save As" : L"Open");
  }
}

TEST(FileDialog, Confirm_GivesTheChosenPath) {
  TestSupport::TempDir dir;
  const std::filesystem::path file = dir.File("QZ_0007.qzis");
  std::ofstream(file) << "x";
  TestSupport::ModalDriver driver([&](wxDialog& d) {
    auto& f = dynamic_cast<wxFileDialog&>(d);
    const wxString path = FromUtf8(file.string());
    f.SetPath(path);
    // The native chooser reads the folder in the background before the
    // selection counts.
    for (int i = 0; i < 200 && f.GetPath() != path; ++i) {
      wxTheApp->Yield(true);
      wxMilliSleep(10);
    }
    f.EndModal(wxID_OK);
  });
  EXPECT_EQ(FileDialog(L"QZ_0007", L".qzis", 1), FromUtf8(file.string()));
}
