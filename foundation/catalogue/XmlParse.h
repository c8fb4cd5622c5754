#pragma once
// Parsing of the program's XML table files into DOM documents. A file that
// names its schema (xsi:noNamespaceSchemaLocation) is validated against it;
// any diagnostic of the parser makes the whole file count as not read.
#include <string>
#include <xercesc/dom/DOM.hpp>

#include "foundation/core/NoInit.h"

namespace PardeloStravon {

// Xerces hands text over as UTF-16; null gives the empty text.
std::wstring XmlText(const XMLCh* text);

// Collects the diagnostics of one parse into ErrorLog.
class DOMErrH : public xercesc::DOMErrorHandler {
 public:
  DOMErrH() = default;
  ~DOMErrH() override = default;
  // Always true: the parser goes on, so every diagnostic gets logged.
  bool handleError(const xercesc::DOMError& error) override;
  bool Failed() const { return failed_; }

 private:
  NoInit<bool, 0> failed_;
};

// The outcome of one parse. The document belongs to the builder and lives
// until the builder is released; it is null whenever the parse failed.
struct XmlParseResult {
  xercesc::DOMLSParser* builder = nullptr;
  xercesc::DOMDocument* doc = nullptr;
  // The XML platform was initialised and must be terminated.
  bool platformUp = false;
};

// Never throws; every failure is logged and leaves the document null.
XmlParseResult XmlParseFile(const std::wstring& path);

// Releases the builder (and with it the document) and terminates the XML
// platform. Safe on any result, also twice.
void XmlParseRelease(XmlParseResult& result);

}  // namespace PardeloStravon
