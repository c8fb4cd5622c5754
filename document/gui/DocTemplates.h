#pragma once
// The six document templates: each pairs the document with one view class
// and the child frame; a template can hand a start value to the view it
// creates.
#include <wx/docview.h>

#include <boost/any.hpp>
#include <string>

namespace PardeloStravon {

class ChildFrm;
class QziDoc;
class MyCMultiDocTemplate;

// The framework's create context and the start value for the view being
// created; it lives only while the view is created.
struct CCreateContextEx {
  wxClassInfo* m_pNewViewClass = nullptr;
  wxDocument* m_pCurrentDoc = nullptr;
  MyCMultiDocTemplate* m_pNewDocTemplate = nullptr;
  wxView* m_pLastView = nullptr;
  wxWindow* m_pCurrentFrame = nullptr;
  boost::any moreInfo_;
};

class MyCMultiDocTemplate : public wxDocTemplate {
 public:
  MyCMultiDocTemplate(wxDocManager* manager, int resourceId, wxClassInfo* viewClass);

  int ResourceId() const { return resourceId_; }
  // The menu its frames carry.
  int MenuId() const;

  // A new frame with a new view of the document; null on failure.
  ChildFrm* CreateNewFrame(QziDoc* doc, wxWindow* other);
  ChildFrm* CreateNewFrameEx(QziDoc* doc, wxWindow* other, boost::any moreInfo);
  // Makes the frame's view take its initial update and shows the frame.
  void InitialUpdateFrame(ChildFrm* frame, QziDoc* doc, bool makeVisible);

  // The seven strings: window title, document name, new-file name, filter
  // name, filter extension, file-type id, file-type name.
  void SetDocString(const std::wstring& text);
  std::wstring DocString(int index) const;
  // A new document's title: the document name and a count from 1.
  std::wstring NextUntitledName();

  // The context of the view being created now, or null.
  static CCreateContextEx* CurrentContext();

 private:
  int resourceId_;
  std::wstring strings_[7];
  int untitledCount_ = 0;
};

// The application part that owns the templates, given the six view classes
// by the application (options, status, serial, graph, program, and the
// options view again for the legacy template).
class TheAppIMFC {
 public:
  struct ViewClasses {
    wxClassInfo* options;
    wxClassInfo* status;
    wxClassInfo* serial;
    wxClassInfo* graph;
    wxClassInfo* program;
  };
  TheAppIMFC(wxDocManager* manager, const ViewClasses& views);

  MyCMultiDocTemplate*& TplOpt() { return pTplOpt_; }
  MyCMultiDocTemplate*& TplSts() { return pTplSts_; }
  MyCMultiDocTemplate*& TplSer() { return pTplSer_; }
  MyCMultiDocTemplate*& TplGph() { return pTplGph_; }
  MyCMultiDocTemplate*& TplPrg() { return pTplPrg_; }
  MyCMultiDocTemplate*& TplOld() { return pTplOld_; }

  // The strings of every template but the serial one, from the language.
  void SetTemplateStrings();

  // A document open under the path, else the first template whose filter
  // extension is the path's (letters of either case), else the first.
  MyCMultiDocTemplate* ChooseTemplate(const std::wstring& path) const;
  // The open document, or null.
  QziDoc* OpenDocument() const;

  // File New and File Open: the new document, or null (refused, failed,
  // or an already open document activated).
  QziDoc* FileNew();
  QziDoc* OpenDocumentFile(const std::wstring& path);
  // The file dialog of File Open over the options and legacy filters.
  QziDoc* FileOpen();
  // "name (*.ext)|*.ext" for the templates offered in file dialogs.
  std::wstring FileFilters() const;

  wxDocManager* Manager() const { return manager_; }

 private:
  wxDocManager* manager_;
  MyCMultiDocTemplate* pTplOpt_;
  MyCMultiDocTemplate* pTplSts_;
  MyCMultiDocTemplate* pTplSer_;
  MyCMultiDocTemplate* pTplGph_;
  MyCMultiDocTemplate* pTplPrg_;
  MyCMultiDocTemplate* pTplOld_;
};

// The application's templates, while they exist.
TheAppIMFC* TheTemplates();
void SetTheTemplates(TheAppIMFC* templates);

// Opens a new window of the template on the document and gives it its
// initial update; the new frame, or null.
ChildFrm* OpenViewFromTemplate(MyCMultiDocTemplate* tpl, QziDoc* doc);

}  // namespace PardeloStravon
