#include "document/QziDocF.h"
#include "document/QziDocIGph.h"
#include "document/QziDocIHlp.h"
#include "document/QziDocIMFC.h"
#include "network/schedule/GraphPasses.h"

namespace PardeloStravon {

// Each part is deleted by the library that made it.
std::shared_ptr<QziDocIMFC> NewQziDocIMFC() {
  return std::shared_ptr<QziDocIMFC>(new QziDocIMFC, [](QziDocIMFC* p) { delete p; });
}

std::shared_ptr<QziDocIGph> NewQziDocIGph() {
  return std::shared_ptr<QziDocIGph>(new QziDocIGph, [](QziDocIGph* p) { delete p; });
}

std::shared_ptr<QziDocIHlp> NewQziDocIHlp(QziDocF* pF) {
  return std::shared_ptr<QziDocIHlp>(new QziDocIHlp(pF), [](QziDocIHlp* p) { delete p; });
}

void QziDocIHlp::PostLoadRefresh() {
  QziDocIStd& std = *pF_->GetIStd();
  std.ApplyLanguage();
  PlotAtStartup(std.NetOpt());
}

}  // namespace PardeloStravon
