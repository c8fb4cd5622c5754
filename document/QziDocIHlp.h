#pragma once
// The document's persistence and refresh services. It holds only its back
// pointer; the file formats add their operations here.
#include <memory>
#include <string>

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

  // The XML document file: saves (true) or loads (false) the content. Every
  // failure gives false with one record in the error log, except a file
  // that cannot be opened, a folder that does not exist, a target that is
  // a folder or may not be written, which give false without one. A save
  // never damages what is on disk.
  bool PortableSerialize(const std::wstring& path, bool save);

  enum class LegacyResult { failed, whole, withoutInstruments };
  // The legacy document file, with the same failure rules. A file older
  // than version 22 is read without its instruments, which it holds in a
  // form no longer read; the result says so.
  LegacyResult SerializeDocLegacy(const std::wstring& path, bool save);

 private:
  QziDocF* pF_;
};

std::shared_ptr<QziDocIHlp> NewQziDocIHlp(QziDocF* pF);

}  // namespace PardeloStravon
