#include "tests/views/tables/PdfWords.h"

#include <cstdio>
#include <regex>

namespace TestSupport {

bool PdfWord::Overlaps(const PdfWord& o, double tol) const {
  return page == o.page && xMin + tol < o.xMax - tol && o.xMin + tol < xMax - tol && yMin + tol < o.yMax - tol &&
         o.yMin + tol < yMax - tol;
}

std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf) {
  std::string html;
  const std::string command = "pdftotext -bbox -enc UTF-8 '" + pdf.string() + "' - 2>/dev/null";
  if (FILE* p = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = fread(buffer, 1, sizeof buffer, p)) > 0) html.append(buffer, n);
    pclose(p);
  }
  std::vector<PdfWord> words;
  static const std::regex token(
      R"re(<page |<word xMin="([-0-9.]+)" yMin="([-0-9.]+)" xMax="([-0-9.]+)" yMax="([-0-9.]+)">([^<]*)</word>)re");
  int page = 0;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), token); it != std::sregex_iterator(); ++it) {
    const std::smatch& m = *it;
    if (!m[1].matched) {
      ++page;
      continue;
    }
    words.push_back(PdfWord{page, std::stod(m[1]), std::stod(m[2]), std::stod(m[3]), std::stod(m[4]), m[5]});
  }
  return words;
}

}  // namespace TestSupport
