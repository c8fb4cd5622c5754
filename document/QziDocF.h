#pragma once
// The content of an open document: fonts and colours, plot options,
// persistence services and the standard part, built in this order and
// destroyed in the reverse one. Building it starts no thread: the worker
// threads start once the content is complete (QziDocIStd::StartThreads).
#include <memory>

#include "document/QziDocIStd.h"
#include "foundation/core/ImmPtr.h"
#include "network/threads/ThreadTimings.h"

namespace PardeloStravon {

class QziDoc;
class QziDocIMFC;
class QziDocIGph;
class QziDocIHlp;

class QziDocF {
 public:
  // The timings are those the worker threads will run with.
  explicit QziDocF(QziDoc* doc, const ThreadTimings& timings = ThreadTimings());
  ~QziDocF();
  QziDocF(const QziDocF&) = delete;
  QziDocF& operator=(const QziDocF&) = delete;

  QziDoc* GetDoc() const { return pDoc_; }
  std::shared_ptr<QziDocIMFC>& GetIMFC() { return pIMFC_; }
  std::shared_ptr<QziDocIGph>& GetIGph() { return pIGph_; }
  std::shared_ptr<QziDocIHlp>& GetIHlp() { return pIHlp_; }
  ImmScoped<QziDocIStd>& GetIStd() { return pIStd_; }
  const ImmScoped<QziDocIStd>& GetIStd() const { return pIStd_; }

 private:
  QziDoc* pDoc_;
  std::shared_ptr<QziDocIMFC> pIMFC_;
  std::shared_ptr<QziDocIGph> pIGph_;
  std::shared_ptr<QziDocIHlp> pIHlp_;
  ImmScoped<QziDocIStd> pIStd_;
};

// The work of creating a document's content: any old content is destroyed
// first (its threads stopped and joined), then new default content is
// built for the document. No thread is started. When building fails the
// holder stays empty and the failure passes on.
void CreateContent(ImmScoped<QziDocF>& content, QziDoc* doc,
                   const ThreadTimings& timings = ThreadTimings());

}  // namespace PardeloStravon
