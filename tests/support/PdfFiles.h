#pragma once
// Looking into PDF files that tests print (poppler's tools).
#include <wx/image.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

namespace TestSupport {

inline std::string Shell(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
  }
  return out;
}

// -1 when the file is no readable PDF.
inline int PdfPageCount(const std::filesystem::path& pdf) {
  std::istringstream info(Shell("pdfinfo '" + pdf.string() + "' 2>/dev/null"));
  for (std::string line; std::getline(info, line);) {
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  }
  return -1;
}

inline std::string PdfPageText(const std::filesystem::path& pdf, int page) {
  const std::string p = std::to_string(page);
  return Shell("pdftotext -layout -f " + p + " -l " + p + " '" + pdf.string() + "' - 2>/dev/null");
}

// Page 1 of a PDF as an image at the given resolution, also kept as a PNG
// beside the PDF.
inline wxImage RasterizePdf(const std::filesystem::path& pdf, int ppi) {
  const std::filesystem::path png = pdf.parent_path() / (pdf.stem().string() + "-raster");
  Shell("pdftoppm -r " + std::to_string(ppi) + " -f 1 -l 1 -singlefile -png '" + pdf.string() + "' '" +
        png.string() + "'");
  wxImage image;
  image.LoadFile(png.string() + ".png", wxBITMAP_TYPE_PNG);
  return image;
}

}  // namespace TestSupport
