// Runs a fuzz target's entry point once over every file of the folders (or
// files) named on the command line: the seeds and the reproducers of past
// findings become ordinary test cases of the g++ build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

std::vector<std::filesystem::path> InputsUnder(const std::filesystem::path& place)
{
  std::vector<std::filesystem::path> files;
  if (std::filesystem::is_regular_file(place)) {
    files.push_back(place);
  } else if (std::filesystem::is_directory(place)) {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(place))
      if (entry.is_regular_file())
        files.push_back(entry.path());
  }
  return files;
}

}  // namespace

int main(int argc, char** argv)
{
  if (LLVMFuzzerInitialize)
    LLVMFuzzerInitialize(&argc, &argv);
  size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    auto files = InputsUnder(argv[i]);
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
      std::ifstream in(file, std::ios::binary);
      std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      std::printf("%s\n", file.c_str());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
      ++count;
    }
  }
  std::printf("%zu inputs replayed\n", count);
  // A target without a single input tests nothing: a misspelt folder fails.
  return count == 0 ? 1 : 0;
}
