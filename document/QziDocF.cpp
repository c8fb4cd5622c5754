#include "document/QziDocF.h"

#include "document/QziDocIGph.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIMFC.h"

namespace PardeloStravon {

QziDocF::QziDocF(QziDoc* doc, const ThreadTimings& timings)
    : pDoc_(doc),
      pIMFC_(NewQziDocIMFC()),
      pIGph_(NewQziDocIGph()),
      pIHlp_(NewQziDocIHlp(this)),
      pIStd_(new QziDocIStd(this, timings)) {}

// Members go in reverse order: the standard part's threads are stopped and
// joined while the other parts still exist.
QziDocF::~QziDocF() = default;

void CreateContent(ImmScoped<QziDocF>& content, QziDoc* doc, const ThreadTimings& timings) {
  content.reset();
  content.reset(new QziDocF(doc, timings));
}

}  // namespace PardeloStravon
