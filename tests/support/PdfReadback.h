#pragma once
// Reading a printed PDF back with poppler's tools: its page count, the text
// of a page, a page as an image.
#include <wx/image.h>

#include <filesystem>
#include <string>

namespace TestSupport {

// What a shell command writes on its standard output.
std::string ShellOutput(const std::string& command);

int PdfPageCount(const std::filesystem::path& pdf);
// UTF-8 text of one page (1-based), laid out as printed.
std::string PdfPageText(const std::filesystem::path& pdf, int page);
// One page (1-based) at the given resolution; an empty image on failure.
wxImage RasterizePdfPage(const std::filesystem::path& pdf, int page, int ppi);
// Whether an image has any pixel darker than light grey.
bool HasInk(const wxImage& image);

}  // namespace TestSupport
