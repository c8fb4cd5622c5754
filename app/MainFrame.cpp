#include "app/MainFrame.h"

#include <wx/artprov.h>
#include <wx/dcmemory.h>
#include <wx/icon.h>
#include <wx/toolbar.h>

#include "app/MainStatusBar.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "platform/gui/CommandIds.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/StringResources.h"

namespace PardeloStravon {
namespace {

// Toolbar 128: 0 stands for a separator.
struct ToolButton {
  int id;
  const char* art;
};
const ToolButton toolbar128[] = {
    {Platform::ID_FILE_NEW, wxART_NEW},
    {Platform::ID_FILE_OPEN, wxART_FILE_OPEN},
    {Platform::ID_FILE_SAVE, wxART_FILE_SAVE},
    {0, nullptr},
    {Platform::ID_EDIT_CUT, wxART_CUT},
    {Platform::ID_EDIT_COPY, wxART_COPY},
    {Platform::ID_EDIT_PASTE, wxART_PASTE},
    {0, nullptr},
    {Platform::ID_FILE_PRINT_DIRECT, wxART_PRINT},
    {Platform::ID_APP_ABOUT, wxART_HELP},
};

// A string resource's lines: the status prompt, then the tool tip.
std::wstring ResourceLine(int id, int line) {
  std::wstring text = Platform::LoadStringResource(id).value_or(L"");
  for (; line > 0; --line) {
    const auto cut = text.find(L'\n');
    if (cut == std::wstring::npos) return L"";
    text.erase(0, cut + 1);
  }
  return text.substr(0, text.find(L'\n'));
}

constexpr int IndicatorPeriodMs = 300;

}  // namespace

wxIcon ProgramIcon() {
  wxBitmap bitmap(32, 32, 24);
  {
    wxMemoryDC dc(bitmap);
    dc.SetBackground(wxBrush(wxColour(20, 70, 140)));
    dc.Clear();
    dc.SetPen(wxPen(wxColour(250, 250, 250), 4));
    // A "V" over a line, the monitor's curve.
    dc.DrawLine(7, 6, 16, 25);
    dc.DrawLine(16, 25, 25, 6);
    dc.SetPen(wxPen(wxColour(120, 210, 120), 2));
    dc.DrawLine(2, 29, 30, 29);
  }
  wxIcon icon;
  icon.CopyFromBitmap(bitmap);
  return icon;
}

MainFrame::MainFrame(wxDocManager* manager)
    : MainFrameBase(manager, DictText(CTW_MAIN_FRAME_TITLE)), timer_(this) {
  SetIcon(ProgramIcon());
  CreateBars();
  Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnClose, this);
  Bind(wxEVT_TIMER, &MainFrame::OnTimer, this);
  timer_.Start(IndicatorPeriodMs);
  SetAllText();
}

MainFrame::~MainFrame() { Closing(); }

void MainFrame::CreateBars() {
  wxToolBar* bar = CreateToolBar(wxTB_FLAT | wxTB_HORIZONTAL | wxTB_TOP, wxID_ANY);
  for (const ToolButton& b : toolbar128) {
    if (b.id == 0) {
      bar->AddSeparator();
      continue;
    }
    bar->AddTool(Platform::ToWxId(b.id), wxString(), wxArtProvider::GetBitmap(b.art, wxART_TOOLBAR, wxSize(16, 16)),
                 ResourceLine(b.id, 1));
    // The toolkit shows the long help through DoGiveHelp.
    bar->SetToolLongHelp(Platform::ToWxId(b.id), ResourceLine(b.id, 0));
  }
  bar->Realize();
  statusBar_ = static_cast<MainStatusBar*>(CreateStatusBar(4));
}

wxStatusBar* MainFrame::OnCreateStatusBar(int, long, wxWindowID, const wxString&) {
  return new MainStatusBar(this);
}

void MainFrame::SetAllText() {
  if (TheAppIMFC* templates = TheTemplates()) templates->SetTemplateStrings();
  frameTitle_ = DictText(CTW_MAIN_FRAME_TITLE);
  UpdateCaption();
  if (statusBar_)
    statusBar_->SetTexts(DictText(CTW_STB_READY), DictText(CTW_STB_CAP), DictText(CTW_STB_NUM),
                         DictText(CTW_STB_SCRL));
  if (!IsMainWindow()) return;
  TranslateMenu();
}

void MainFrame::UpdateCaption() {
  std::wstring caption = frameTitle_;
  TheAppIMFC* templates = TheTemplates();
  if (QziDoc* doc = templates ? templates->OpenDocument() : nullptr) caption += L" - " + doc->GetTitle().ToStdWstring();
  if (GetTitle() != caption) SetTitle(caption);
}

void MainFrame::DoGiveHelp(const wxString& text, bool show) {
  if (statusBar_) statusBar_->ShowPrompt(show ? text.ToStdWstring() : std::wstring());
}

void MainFrame::OnTimer(wxTimerEvent&) {
  if (statusBar_) statusBar_->UpdateIndicators();
  UpdateCaption();
  KeepKeysWithTheFrame();
}

void MainFrame::OnClose(wxCloseEvent& event) {
  TheAppIMFC* templates = TheTemplates();
  if (QziDoc* doc = templates ? templates->OpenDocument() : nullptr) {
    // The user closes the document first, through its own checks.
    if (event.CanVeto()) {
      event.Veto();
      return;
    }
    // The session ends: the document goes without questions.
    doc->CloseUnattended();
  }
  Closing();
  timer_.Stop();
  Destroy();
}

void MainFrame::Closing() {
  if (!onClosing_) return;
  auto told = std::move(onClosing_);
  onClosing_ = nullptr;
  told();
}

}  // namespace PardeloStravon
