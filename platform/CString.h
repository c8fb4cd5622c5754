#pragma once
// Stand-in for the framework's string type where the system stores one as
// such (its archive form differs from a plain wide string). Only the text up
// to the first zero character counts, as in the framework.
#include <string>

class CString {
 public:
  CString() = default;
  CString(const wchar_t* text) : text_(text ? text : L"") {}
  CString(std::wstring text) : text_(std::move(text)) {}

  const std::wstring& Text() const { return text_; }
  const wchar_t* GetString() const { return text_.c_str(); }
  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }

  friend bool operator==(const CString& a, const CString& b) { return a.text_ == b.text_; }

 private:
  std::wstring text_;
};
