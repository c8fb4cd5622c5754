#pragma once
// The document's persistence and refresh services. It holds only its back
// pointer; the file formats add their operations here.
#include <memory>

namespace PardeloStravon {

class QziDocF;

class QziDocIHlp {
 public:
  explicit QziDocIHlp(QziDocF* pF) : pF_(pF) {}
  QziDocIHlp(const QziDocIHlp&) = delete;
  QziDocIHlp& operator=(const QziDocIHlp&) = delete;

  QziDocF* GetF() const { return pF_; }

  // After a document was read: its language becomes current, then, while
  // periodic reception is on, the start-up graphs open.
  void PostLoadRefresh();

 private:
  QziDocF* pF_;
};

std::shared_ptr<QziDocIHlp> NewQziDocIHlp(QziDocF* pF);

}  // namespace PardeloStravon
