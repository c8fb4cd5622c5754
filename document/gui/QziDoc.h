#pragma once
// The document shell: it builds the content when a document is created or
// opened, reads and writes the file in the format its extension names,
// decides whether the document may close, and answers the document's
// commands while it has content.
#include <wx/docview.h>

#include <functional>
#include <string>

#include "document/QziDocF.h"
#include "document/gui/CommandTarget.h"
#include "foundation/core/ImmPtr.h"

namespace PardeloStravon {

class QziView;

class QziDoc : public wxDocument {
  wxDECLARE_DYNAMIC_CLASS(QziDoc);

 public:
  QziDoc();
  ~QziDoc() override;

  ImmScoped<QziDocF>& GetF() { return pF_; }
  const ImmScoped<QziDocF>& GetF() const { return pF_; }
  QziDocIStd& Std();
  // Old content is destroyed first; the threads are not started.
  void CreateContent();

  bool OnNewDocument() override;
  bool OnOpenDocument(const wxString& path) override;
  bool OnSaveDocument(const wxString& path) override;
  bool OnCloseDocument() override;
  // The standard part's modified flag becomes the toolkit's, then the
  // toolkit asks whether to save.
  bool SaveModified();
  bool OnSaveModified() override { return SaveModified(); }

  // File Close: SaveModified, then OnCloseDocument; the frames close with
  // the document. Whether it closed (the document is gone then).
  bool FileClose();
  // The close when the program must end without the user (the session
  // ends, a signal): no save question and no access check; the activity
  // record is written and the threads are joined as in every close.
  bool CloseUnattended();
  // Save As while the document has no path or its file is read-only or
  // gone, otherwise a save on its path.
  bool FileSave();
  bool FileSaveAs();
  // The toolkit's own save paths (its save question among them) take ours.
  bool Save() override;
  bool SaveAs() override;
  // Whether an open without a path left the path empty on purpose.
  bool OpenedWithoutPath() const { return withoutPath_; }

  CommandTarget& Target() { return target_; }
  const CommandTarget& Target() const { return target_; }
  bool ClosingViews() const { return closingViews_; }

  // The first view gets its initial update here, once the content exists.
  void InitialUpdateViews();

  // The timings the worker threads run with (tests shorten them).
  static void SetThreadTimings(const ThreadTimings& timings);
  // While false, an opened document starts no worker thread: a print from
  // the command line reads nothing from the line and records nothing.
  static void SetThreadsOnOpen(bool start);

  void OnChangedViewList() override;
  void OnChangeFilename(bool) override {}
  // The path of the document also goes to the standard part.
  void SetPathName(const std::wstring& path, bool addToRecent);

 protected:
  bool DoSaveDocument(const wxString& file) override;
  bool DoOpenDocument(const wxString& file) override;

 private:
  bool SingleDocument() const;
  void Discard();
  bool ReadFile(const std::wstring& path);
  // Ends the threads, then lets the content go.
  void ShutDownContent();

  ImmScoped<QziDocF> pF_;
  CommandTarget target_;
  bool closingViews_ = false;
  bool unattended_ = false;
  bool withoutPath_ = false;
  bool lastReadWithoutInstruments_ = false;
};

// The one-line account of the last document that could not be opened: the
// file and the cause, in the user's language.
std::wstring& LastOpenFailure();

// The box of a failed save: no text, the caption "Error", OK only, no
// owner. Tests put their own in its place.
std::function<void()>& SaveErrorBox();

// The document of a view, or of a frame's active view; failed assertions
// name the missing document, another document class, a failed conversion.
QziDoc* GetDoc(const wxView* view);
QziDoc* GetDoc(const wxWindow* frame);

}  // namespace PardeloStravon
