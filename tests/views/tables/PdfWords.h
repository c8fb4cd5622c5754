#pragma once
// The words of a printed PDF with their boxes, as poppler's pdftotext
// finds them (-bbox), in points from the page's top-left.
#include <filesystem>
#include <string>
#include <vector>

namespace TestSupport {

struct PdfWord {
  int page = 0;
  double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  std::string text;
  double Height() const { return yMax - yMin; }
  // Whether the boxes share more than a sliver (tol points each way).
  bool Overlaps(const PdfWord& other, double tol = 0.05) const;
};

// Every word of every page; empty when the file cannot be read.
std::vector<PdfWord> PdfWords(const std::filesystem::path& pdf);

constexpr double PointsPerMm = 72.0 / 25.4;

}  // namespace TestSupport
