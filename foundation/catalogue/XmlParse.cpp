#include "foundation/catalogue/XmlParse.h"

#include <fstream>
#include <iterator>
#include <list>
#include <stdexcept>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/framework/Wrapper4InputSource.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLUni.hpp>

#include "foundation/core/LogChannel.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"

namespace PardeloStravon {

using namespace xercesc;

namespace {

// Xerces opens files through the locale's code page; the program's file
// names are UTF-8 whatever the locale, so files are read here.
bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// A table file may name its schema and nothing else: external entities and
// DTDs are never fetched (default resolution is off), schemas only from
// local files. A schema that cannot be read fails the parse, or the file
// would pass unvalidated.
class SchemaResolver : public DOMLSResourceResolver {
 public:
  DOMLSInput* resolveResource(const XMLCh* resourceType, const XMLCh* /*namespaceUri*/,
                              const XMLCh* /*publicId*/, const XMLCh* systemId,
                              const XMLCh* baseURI) override {
    if (!XMLString::equals(resourceType, XMLUni::fgDOMXMLSchemaType)) return nullptr;
    const std::wstring location = XmlText(systemId);
    const std::wstring path = IsLocal(location) ? Resolve(location, XmlText(baseURI)) : location;
    std::string bytes;
    if (!IsLocal(location) || !ReadWholeFile(path, bytes)) {
      failed_ = true;
      LogError(L"    " + path + L" file not found\n");
      return nullptr;
    }
    buffers_.push_back(std::move(bytes));
    ids_.push_back(ToUtf16(path));
    auto* src = new MemBufInputSource(reinterpret_cast<const XMLByte*>(buffers_.back().data()),
                                      buffers_.back().size(), ids_.back().c_str(), false);
    return new Wrapper4InputSource(src, true);  // the parser owns it
  }

  bool Failed() const { return failed_; }

 private:
  // False when a URL scheme ("http:", "file:") comes before any separator.
  static bool IsLocal(const std::wstring& location) {
    const auto colon = location.find(L':');
    return !location.empty() &&
           (colon == std::wstring::npos || location.find(PathSeparator) < colon);
  }
  static std::wstring Resolve(const std::wstring& location, const std::wstring& base) {
    if (location.front() == PathSeparator || base.find(PathSeparator) == std::wstring::npos)
      return location;
    return JoinPath(PathUp(base, 1), location);
  }

  bool failed_ = false;
  // The schema texts live until the parse is over.
  std::list<std::string> buffers_;
  std::list<std::u16string> ids_;
};

void Configure(DOMLSParser& builder, DOMErrH& handler, SchemaResolver& resolver,
               SecurityManager& limits) {
  DOMConfiguration* config = builder.getDomConfig();
  config->setParameter(XMLUni::fgDOMNamespaces, true);
  config->setParameter(XMLUni::fgXercesSchema, true);
  config->setParameter(XMLUni::fgXercesSchemaFullChecking, true);
  config->setParameter(XMLUni::fgDOMElementContentWhitespace, false);
  config->setParameter(XMLUni::fgDOMDatatypeNormalization, true);
  config->setParameter(XMLUni::fgDOMValidateIfSchema, true);
  config->setParameter(XMLUni::fgDOMErrorHandler, static_cast<DOMErrorHandler*>(&handler));
  config->setParameter(XMLUni::fgDOMResourceResolver,
                       static_cast<DOMLSResourceResolver*>(&resolver));
  config->setParameter(XMLUni::fgXercesDisableDefaultEntityResolution, true);
  // Bounds entity expansion, so a hostile file cannot exhaust memory.
  config->setParameter(XMLUni::fgXercesSecurityManager, &limits);
}

// The handler, resolver and limits die with the parse; the builder must not
// keep pointers to them until it is released.
void Unconfigure(DOMLSParser& builder) {
  DOMConfiguration* config = builder.getDomConfig();
  config->setParameter(XMLUni::fgDOMErrorHandler, static_cast<const void*>(nullptr));
  config->setParameter(XMLUni::fgDOMResourceResolver, static_cast<const void*>(nullptr));
  config->setParameter(XMLUni::fgXercesSecurityManager, static_cast<const void*>(nullptr));
}

std::wstring ParseFailureHead(const std::wstring& path) {
  return L"Error during parsing:'" + path + L"'.\n";
}

DOMDocument* Parse(DOMLSParser& builder, const std::wstring& path, bool& failed) {
  try {
    builder.resetDocumentPool();
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return nullptr;
    const std::u16string id = ToUtf16(path);
    MemBufInputSource src(reinterpret_cast<const XMLByte*>(bytes.data()), bytes.size(), id.c_str(),
                          false);
    Wrapper4InputSource input(&src, false);
    return builder.parse(&input);
  } catch (const XMLException& e) {
    failed = true;
    LogError(ParseFailureHead(path) + L"XML exception message is:" + XmlText(e.getMessage()) +
             L"\n");
  } catch (const DOMException& e) {
    failed = true;
    std::wstring text = ParseFailureHead(path) + L"DOM exception code is::" +
                        ToWStr(static_cast<int>(e.code)) + L"\n";
    XMLCh message[2048];
    if (DOMImplementation::loadDOMExceptionMsg(e.code, message, 2047))
      text += L"Message is:" + XmlText(message) + L"\n";
    LogError(text);
  } catch (...) {
    failed = true;
    LogError(L"Unexpected error during parsing:'" + path + L"'.\n");
  }
  return nullptr;
}

}  // namespace

std::wstring XmlText(const XMLCh* text) {
  return text ? FromUtf16(std::u16string(text)) : std::wstring();
}

bool DOMErrH::handleError(const DOMError& error) {
  failed_ = true;
  std::wstring text;
  switch (error.getSeverity()) {
    case DOMError::DOM_SEVERITY_WARNING:
      text = L"Warning at file ";
      break;
    case DOMError::DOM_SEVERITY_ERROR:
      text = L"Error at file ";
      break;
    default:
      text = L"Fatal Error at file ";
      break;
  }
  const DOMLocator* where = error.getLocation();
  text += (where ? XmlText(where->getURI()) : std::wstring()) + L", line " +
          ToWStr(static_cast<unsigned long>(where ? where->getLineNumber() : 0)) + L", char " +
          ToWStr(static_cast<unsigned long>(where ? where->getColumnNumber() : 0)) + L"\n" +
          L"    Message: " + XmlText(error.getMessage()) + L"\n";
  LogError(text);
  return true;
}

XmlParseResult XmlParseFile(const std::wstring& path) {
  XmlParseResult result;
  try {
    XMLPlatformUtils::Initialize("en_US");
  } catch (const XMLException& e) {
    LogError(L"Error during initialization:" + XmlText(e.getMessage()) + L"\n");
    LogActivity(L"Error occurred. Closing the application ... \n");
    return result;
  } catch (...) {
    LogError(L"Error during initialization: unknown error\n");
    LogActivity(L"Error occurred. Closing the application ... \n");
    return result;
  }
  result.platformUp = true;

  bool failed = false;
  DOMErrH handler;
  SchemaResolver resolver;
  SecurityManager limits;
  DOMDocument* doc = nullptr;
  try {
    static const XMLCh features[] = u"LS";
    auto* impl = dynamic_cast<DOMImplementationLS*>(
        DOMImplementationRegistry::getDOMImplementation(features));
    if (!impl) throw std::runtime_error("no DOM implementation");
    result.builder = impl->createLSParser(DOMImplementationLS::MODE_SYNCHRONOUS, nullptr);
    Configure(*result.builder, handler, resolver, limits);
    doc = Parse(*result.builder, path, failed);
  } catch (...) {
    failed = true;
    doc = nullptr;
    LogError(L"Unexpected error during parsing:'" + path + L"'.\n");
  }
  try {
    if (result.builder) Unconfigure(*result.builder);
  } catch (...) {
    failed = true;
    LogError(L"Unexpected error during parsing:'" + path + L"'.\n");
  }

  if (handler.Failed() || resolver.Failed()) failed = true;
  if (!doc) {
    failed = true;
    LogError(L"    " + path + L" file not found\n");
  }
  result.doc = failed ? nullptr : doc;
  return result;
}

void XmlParseRelease(XmlParseResult& result) {
  if (result.builder) result.builder->release();
  result.builder = nullptr;
  result.doc = nullptr;
  if (result.platformUp) XMLPlatformUtils::Terminate();
  result.platformUp = false;
}

}  // namespace PardeloStravon
