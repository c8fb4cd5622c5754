#include "app/CommandLinePrint.h"

#include <wx/app.h>
#include <wx/cmndata.h>
#include <wx/utils.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "app/AppMessageBox.h"
#include "app/CCommandLineInfoEx.h"
#include "app/StandardError.h"
#include "app/ToolkitLog.h"
#include "document/gui/DocTemplates.h"
#include "document/gui/QziDoc.h"
#include "document/gui/QziView.h"
#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/Tokens.h"
#include "foundation/core/LogChannel.h"
#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"
#include "platform/PrintQueue.h"
#include "platform/gui/PageSetup.h"
#include "platform/gui/ResourceIds.h"
#include "platform/gui/ToolkitMessages.h"

namespace PardeloStravon {
namespace {

// How long the queue may take to show the job once the print has run.
constexpr std::chrono::seconds JobArrivalLimit{10};
constexpr int JobPollMs = 100;

// While it exists, an opened document starts no worker thread.
struct NoThreadsOnOpen {
  NoThreadsOnOpen() { QziDoc::SetThreadsOnOpen(false); }
  ~NoThreadsOnOpen() { QziDoc::SetThreadsOnOpen(true); }
};

// Boxes of the document and its views while the run prints: recorded, and
// a sign that what they did failed.
class BoxesOfTheRun {
 public:
  BoxesOfTheRun()
      : old_(SetMessageBoxFunction([this](const std::wstring& text, const std::wstring&, long) {
          ErrorLog << (TimeStamp() + L" " + text + L"\n");
          ++count_;
          return wxOK;
        })) {}
  ~BoxesOfTheRun() { SetMessageBoxFunction(std::move(old_)); }
  BoxesOfTheRun(const BoxesOfTheRun&) = delete;
  BoxesOfTheRun& operator=(const BoxesOfTheRun&) = delete;
  int Count() const { return count_; }

 private:
  MessageBoxFunction old_;
  int count_ = 0;
};

std::wstring Quoted(const std::wstring& text) { return L" \"" + text + L"\""; }

// Why a document that did not open could not be opened.
std::wstring OpenFailureCause(const std::wstring& path) {
  std::error_code ec;
  const std::filesystem::path file(path);
  if (!std::filesystem::exists(file, ec)) return DictText(CTW_CL_Print_File_Missing);
  std::ifstream in(file, std::ios::binary);
  if (!std::filesystem::is_regular_file(file, ec) || !in) return DictText(CTW_CL_Print_File_Unreadable);
  return DictText(CTW_CL_Print_File_Damaged);
}

// The queue the print goes to, or why there is none.
std::wstring FindQueue(const CCommandLineInfoEx& info, Platform::PrintQueue& queue) {
  const bool named = info.Command() == CCommandLineInfoEx::FilePrintTo;
  // An empty name asks for the default queue, which "pt" did not.
  if (named && info.PrinterName().empty()) return DictText(CTW_CL_Print_Unknown_Printer) + Quoted(L"");
  queue = Platform::FindPrintQueue(named ? ToUtf8(info.PrinterName()) : std::string());
  switch (queue.lookup) {
    case Platform::QueueLookup::found:
      return {};
    case Platform::QueueLookup::unreachable:
      return DictText(CTW_CL_Print_No_Service);
    case Platform::QueueLookup::none:
      break;
  }
  return named ? DictText(CTW_CL_Print_Unknown_Printer) + Quoted(info.PrinterName())
               : DictText(CTW_CL_Print_No_Printer);
}

// Whether the queue shows a job of this user newer than `lastBefore`.
bool JobArrived(const std::string& queue, int lastBefore) {
  const auto deadline = std::chrono::steady_clock::now() + JobArrivalLimit;
  for (;;) {
    if (Platform::LastJobId(queue) > lastBefore) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (wxTheApp) wxTheApp->Yield(true);
    wxMilliSleep(JobPollMs);
  }
}

// Prints the first view on the queue; an empty text when the queue took
// the job, else why not.
std::wstring PrintFirstView(QziDoc& doc, const Platform::PrintQueue& queue) {
  const std::wstring failed = DictText(CTW_CL_Print_Failed) + Quoted(FromUtf8(queue.name));
  const int lastBefore = Platform::LastJobId(queue.name);
  if (lastBefore < 0) return DictText(CTW_CL_Print_No_Service);
  auto* view = dynamic_cast<QziView*>(doc.GetFirstView());
  if (!view) return failed;

  wxPrintData& data = Platform::PageSetupData().GetPrintData();
  const wxString printerBefore = data.GetPrinterName();
  data.SetPrinterName(wxString::FromUTF8(queue.name));
  BoxesOfTheRun boxes;
  bool ran = false;
  try {
    ran = view->Target().RunCommand(Platform::ID_FILE_PRINT_DIRECT);
  } catch (const std::exception& e) {
    ErrorLog << (TimeStamp() + L" Error in PrintFirstView(): " + ToWide(e.what()) + L"\n");
  } catch (...) {
    ErrorLog << (TimeStamp() + L" Error in PrintFirstView(): unspecified\n");
  }
  data.SetPrinterName(printerBefore);
  // The view's own box says its print failed; the queue says whether the
  // job reached it.
  if (!ran || boxes.Count() > 0 || !JobArrived(queue.name, lastBefore)) return failed;
  return {};
}

int Fail(const std::wstring& file, const std::wstring& cause) {
  const std::wstring line = file.empty() ? cause : file + L": " + cause;
  ErrorLog << (TimeStamp() + L" Error in RunCommandLinePrint(): " + line + L"\n");
  WriteStandardErrorLine(line);
  return 1;
}

}  // namespace

bool IsPrintRun(const CCommandLineInfoEx& info) {
  return info.Command() == CCommandLineInfoEx::FilePrint || info.Command() == CCommandLineInfoEx::FilePrintTo;
}

struct UnattendedOutput::Impl {
  MessageBoxFunction boxBefore;
  Platform::ToolkitMessageSink toolkitBefore;
  ToolkitLogToErrorFileWhileAlive log;
};

UnattendedOutput::UnattendedOutput() : impl_(new Impl) {
  impl_->boxBefore = SetMessageBoxFunction([](const std::wstring& text, const std::wstring&, long) {
    WriteStandardErrorLine(text);
    return wxOK;
  });
  impl_->toolkitBefore = Platform::SetToolkitMessageSink(
      [](const std::wstring& text) { ErrorLog << (TimeStamp() + L" " + text + L"\n"); });
}

UnattendedOutput::~UnattendedOutput() {
  Platform::SetToolkitMessageSink(std::move(impl_->toolkitBefore));
  SetMessageBoxFunction(std::move(impl_->boxBefore));
}

int RunCommandLinePrint(TheAppIMFC& templates, const CCommandLineInfoEx& info) {
  const std::wstring& path = info.FileName();
  if (path.empty()) return Fail(L"", DictText(CTW_CL_Print_No_Document));

  QziDoc* doc = nullptr;
  {
    BoxesOfTheRun boxes;
    NoThreadsOnOpen noThreads;
    doc = templates.OpenDocumentFile(path);
  }
  std::wstring cause;
  if (!doc) {
    cause = OpenFailureCause(path);
  } else {
    Platform::PrintQueue queue;
    cause = FindQueue(info, queue);
    if (cause.empty()) cause = PrintFirstView(*doc, queue);
    doc->CloseUnattended();
  }
  return cause.empty() ? 0 : Fail(path, cause);
}

}  // namespace PardeloStravon
