#include "foundation/core/RotatingLogFile.h"

#include <filesystem>
#include <system_error>

#include "foundation/core/TextConv.h"
#include "foundation/core/TimeStamp.h"

namespace PardeloStravon {
namespace {

std::wstring SizeText(std::uintmax_t bytes) {
  constexpr std::uintmax_t MB = 1u << 20;
  return bytes % MB == 0 ? std::to_wstring(bytes / MB) + L" MB" : std::to_wstring(bytes) + L" bytes";
}

}  // namespace

std::wstring RotatingLogFile::ContinuedLine(const std::string& fileName, std::uintmax_t limit) {
  return TimeStamp() + L" This log passed " + SizeText(limit) + L"; its earlier records are in " +
         FromUtf8(fileName) + L".1\n";
}

bool RotatingLogFile::Open(const std::string& path, std::uintmax_t limit) {
  path_ = path;
  limit_ = limit;
  if (!file_.open(path, std::ios::out | std::ios::app)) return false;
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  size_ = ec ? 0 : size;
  atLineStart_ = true;
  return true;
}

void RotatingLogFile::Write(std::wstring_view text) {
  if (text.empty() || !file_.is_open()) return;
  WriteBytes(ToUtf8(std::wstring(text)));
  atLineStart_ = text.back() == L'\n';
  // A line is never split between the two files, unless it alone runs an
  // eighth of the limit past it.
  if (limit_ > 0 && size_ >= limit_ && (atLineStart_ || size_ - limit_ >= limit_ / 8)) Rotate();
}

void RotatingLogFile::Close() {
  if (file_.is_open()) file_.close();
}

void RotatingLogFile::WriteBytes(const std::string& bytes) {
  const std::streamsize n = file_.sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file_.pubsync();
  if (n > 0) size_ += static_cast<std::uintmax_t>(n);
}

void RotatingLogFile::Rotate() {
  file_.close();
  std::error_code ec;
  std::filesystem::rename(path_, path_ + ".1", ec);
  if (!file_.open(path_, std::ios::out | std::ios::app)) return;
  // A file that could not be renamed keeps its size and tries again at its
  // next line.
  if (ec) return;
  size_ = 0;
  WriteBytes(ToUtf8(ContinuedLine(std::filesystem::path(path_).filename().string(), limit_)));
}

}  // namespace PardeloStravon
