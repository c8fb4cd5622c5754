#include "tests/support/CatalogueFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "foundation/catalogue/Dictionary.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"

namespace fs = std::filesystem;
using namespace PardeloStravon;

namespace TestSupport {

std::wstring ShippedFolder() { return ProgramFolder(); }

void LoadShippedCatalogue() { ASSERT_EQ(LoadResources(ShippedFolder()), L""); }

fs::path XmlDir(const TempDir& dir) {
  const fs::path xml = dir.Path() / "XML";
  fs::create_directories(xml);
  return xml;
}

void CopyShippedTables(const TempDir& dir) {
  fs::copy(fs::path(NativePath(ShippedFolder())) / "XML", XmlDir(dir),
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

void ReplaceInTable(const TempDir& dir, const std::string& file, const std::string& from,
                    const std::string& to) {
  const fs::path p = XmlDir(dir) / file;
  std::string text = ReadFileBytes(p);
  const auto at = text.find(from);
  if (at == std::string::npos) throw std::runtime_error(from + " is not in " + file);
  text.replace(at, from.size(), to);
  WriteFileBytes(p, text);
}

void RemoveRecord(const TempDir& dir, const std::string& file, const std::string& start,
                  const std::string& endTag) {
  const fs::path p = XmlDir(dir) / file;
  std::string text = ReadFileBytes(p);
  const auto from = text.find(start);
  const auto end = from == std::string::npos ? from : text.find(endTag, from);
  if (end == std::string::npos) throw std::runtime_error(start + " is not in " + file);
  text.erase(from, end + endTag.size() - from);
  WriteFileBytes(p, text);
}

void WriteTable(const TempDir& dir, const std::string& file, const std::string& body) {
  WriteFileBytes(XmlDir(dir) / file,
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<table>\n" + body + "</table>\n");
}

void LoadTestDictionary(const TempDir& dir, const std::vector<std::string>& tokens) {
  const std::vector<std::string> languages = {"en", "it"};
  std::string lng;
  for (const auto& l : languages) lng += "<lng><lngId>" + l + "</lngId><lngLoc>" + l + "</lngLoc></lng>\n";
  WriteTable(dir, "tblLng.xml", lng);
  std::string list;
  for (const auto& t : tokens) list += "<tokId>" + t + "</tokId>\n";
  WriteTable(dir, "tblToTranslate.xml", list);
  for (const auto& l : languages) {
    std::string tr;
    for (const auto& t : tokens)
      tr += "<trTok><tokRef>" + t + "</tokRef><tokTr>" + l + " " + t + "</tokTr></trTok>\n";
    WriteTable(dir, "chkTrTo_" + l + ".xml", tr);
  }
  ASSERT_TRUE(LoadDictionary(dir.Wide()));
  SetCurrentLanguage(0);
}

}  // namespace TestSupport
