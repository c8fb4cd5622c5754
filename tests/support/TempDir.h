#pragma once
// A fresh folder for one test, removed with everything in it afterwards.
#include <filesystem>
#include <string>

namespace TestSupport {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The folder as the program's own wide path text.
  std::wstring Wide() const;
  std::filesystem::path File(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::string ReadFileBytes(const std::filesystem::path& p);
void WriteFileBytes(const std::filesystem::path& p, const std::string& bytes);

}  // namespace TestSupport
