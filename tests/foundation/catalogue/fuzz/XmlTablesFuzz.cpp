// Any content in the place of one table file (the first byte picks which):
// the tables load or fail with a message, never crash; when they load, every
// instrument type gives frames of its own length.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "foundation/catalogue/Frames.h"
#include "foundation/catalogue/InstrTable.h"
#include "foundation/catalogue/LoadResources.h"
#include "foundation/core/Paths.h"
#include "foundation/core/TextConv.h"
#include "tests/support/fuzz/FuzzCheck.h"

namespace fs = std::filesystem;
using namespace PardeloStravon;

namespace {

const char* const TableFiles[] = {
    "tblLng.xml",   "tblToTranslate.xml", "chkTrTo_en.xml",  "chkGroup.xml",
    "chkGroupSub.xml", "chkRem.xml",      "chkParam.xml",    "chkInstr.xml",
    "chkInstrPar.xml", "chkAlarm.xml",    "chkInstrAl.xml",
};

// A copy of the shipped tables in a folder of this process's own.
const fs::path& Folder()
{
  static const fs::path folder = [] {
    const fs::path f = fs::temp_directory_path() / ("vantor-fuzz-tables-" + std::to_string(getpid()));
    fs::remove_all(f);
    fs::create_directories(f);
    fs::copy(fs::path(NativePath(ProgramFolder())) / "XML", f / "XML", fs::copy_options::recursive);
    return f;
  }();
  return folder;
}

std::string Read(const fs::path& p)
{
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void Write(const fs::path& p, const std::string& bytes)
{
  std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (size == 0) return 0;
  const fs::path table = Folder() / "XML" / TableFiles[data[0] % std::size(TableFiles)];
  const std::string shipped = Read(table);
  Write(table, FuzzInput::Text(data + 1, size - 1));
  const std::wstring failure = LoadResources(FromUtf8(Folder().string()));
  Write(table, shipped);
  if (!failure.empty()) return 0;
  for (const std::wstring& code : InstrCodes()) {
    const InstrPars pars = InstrByCode(code).Pars();
    FUZZ_CHECK(ToVUC(pars, DefaultValues(pars)).size() == FrameLength(pars));
  }
  return 0;
}
