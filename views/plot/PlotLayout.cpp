#include "views/plot/PlotLayout.h"

#include <cwctype>
#include <sstream>

#include "foundation/core/TextConv.h"

namespace PardeloStravon {

namespace {

class Cursor {
 public:
  explicit Cursor(const std::wstring& s) : s_(s) {}

  void SkipBlanks() {
    while (i_ < s_.size() && std::iswspace(s_[i_])) ++i_;
  }
  bool Try(const std::wstring& piece) {
    SkipBlanks();
    if (s_.compare(i_, piece.size(), piece) != 0) return false;
    i_ += piece.size();
    return true;
  }
  void Expect(const std::wstring& piece) {
    if (!Try(piece)) Fail(L"expected \"" + piece + L"\"");
  }
  // name="value"
  std::wstring Attribute(const std::wstring& name) {
    Expect(name);
    Expect(L"=\"");
    const std::size_t end = s_.find(L'"', i_);
    if (end == std::wstring::npos) Fail(L"unterminated value of " + name);
    std::wstring v = s_.substr(i_, end - i_);
    i_ = end + 1;
    return v;
  }
  bool AtEnd() {
    SkipBlanks();
    return i_ == s_.size();
  }
  [[noreturn]] void Fail(const std::wstring& what) const {
    std::wostringstream os;
    os << L"Layout refused at character " << i_ << L": " << what;
    throw PlotLayoutError(ToNarrow(os.str()));
  }

 private:
  const std::wstring& s_;
  std::size_t i_ = 0;
};

std::vector<double> Numbers(Cursor& c, const std::wstring& text) {
  std::wistringstream is(text);
  std::vector<double> v;
  double d;
  while (is >> d) v.push_back(d);
  is.clear();
  std::wstring rest;
  if (is >> rest) c.Fail(L"not a number: " + rest);
  return v;
}

int Count(Cursor& c, const std::wstring& text) {
  std::size_t used = 0;
  int n = 0;
  try {
    n = std::stoi(text, &used);
  } catch (const std::exception&) {
    c.Fail(L"not a count: " + text);
  }
  if (used != text.size() || n < 1 || n > 10000) c.Fail(L"not a count: " + text);
  return n;
}

}  // namespace

std::vector<double> ParseRowLayout(const std::wstring& layout) {
  Cursor c(layout);
  c.Expect(L"<layout>");
  c.Expect(L"<matrix");
  const int n = Count(c, c.Attribute(L"nrows"));
  const std::vector<double> y = Numbers(c, c.Attribute(L"ypos"));
  c.Expect(L">");
  if (y.size() != static_cast<std::size_t>(n) + 1) c.Fail(L"ypos needs nrows + 1 boundaries");
  if (y.front() != 1.0 || y.back() != 0.0) c.Fail(L"ypos must run from 1 to 0");
  for (std::size_t k = 1; k < y.size(); ++k)
    if (!(y[k] < y[k - 1])) c.Fail(L"ypos must decrease");
  while (c.Try(L"<child")) {
    const std::wstring index = c.Attribute(L"index");
    // A single column spanning its row adds nothing, so the index may even
    // name a row that does not exist (one series writes index 1).
    if (index.empty() || index.size() > 5 || index.find_first_not_of(L"0123456789") != std::wstring::npos)
      c.Fail(L"not a child index: " + index);
    c.Expect(L">");
    c.Expect(L"<matrix");
    if (c.Attribute(L"ncols") != L"1") c.Fail(L"a row holds one column");
    const std::vector<double> x = Numbers(c, c.Attribute(L"xpos"));
    if (x.size() != 2 || x[0] != 0.0 || x[1] != 1.0) c.Fail(L"the column must span its row");
    c.Expect(L"/>");
    c.Expect(L"</child>");
  }
  c.Expect(L"</matrix>");
  c.Expect(L"</layout>");
  if (!c.AtEnd()) c.Fail(L"text after the layout");
  return y;
}

}  // namespace PardeloStravon
