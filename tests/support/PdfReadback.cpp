#include "tests/support/PdfReadback.h"

#include <cstdio>
#include <sstream>

namespace TestSupport {
namespace {

std::string Quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

}  // namespace

std::string ShellOutput(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) out.append(buffer, n);
    pclose(p);
  }
  return out;
}

int PdfPageCount(const std::filesystem::path& pdf) {
  std::istringstream info(ShellOutput("pdfinfo " + Quoted(pdf) + " 2>/dev/null"));
  for (std::string line; std::getline(info, line);)
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  return -1;
}

std::string PdfPageText(const std::filesystem::path& pdf, int page) {
  const std::string p = std::to_string(page);
  return ShellOutput("pdftotext -layout -enc UTF-8 -f " + p + " -l " + p + " " + Quoted(pdf) + " - 2>/dev/null");
}

wxImage RasterizePdfPage(const std::filesystem::path& pdf, int page, int ppi) {
  const std::filesystem::path stem = pdf.parent_path() / (pdf.stem().string() + "-p" + std::to_string(page));
  const std::string p = std::to_string(page);
  ShellOutput("pdftoppm -r " + std::to_string(ppi) + " -f " + p + " -l " + p + " -singlefile -png " + Quoted(pdf) + " " +
      Quoted(stem));
  wxImage image;
  const std::filesystem::path png = stem.string() + ".png";
  if (std::filesystem::exists(png)) image.LoadFile(png.string(), wxBITMAP_TYPE_PNG);
  return image;
}

bool HasInk(const wxImage& image) {
  if (!image.IsOk()) return false;
  const unsigned char* data = image.GetData();
  const long n = static_cast<long>(image.GetWidth()) * image.GetHeight();
  for (long i = 0; i < n; ++i)
    if (data[3 * i] < 160 && data[3 * i + 1] < 160 && data[3 * i + 2] < 160) return true;
  return false;
}

}  // namespace TestSupport
