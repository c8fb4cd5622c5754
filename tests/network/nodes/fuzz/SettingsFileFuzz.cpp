// Any file as the settings file of one instrument (the first byte picks the
// instrument type): it loads or is refused with the message box, leaving the
// settings as they were; what loads saves to a file that loads to the same
// values.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "foundation/catalogue/InstrTable.h"
#include "foundation/core/TextConv.h"
#include "network/nodes/Node.h"
#include "network/nodes/SettingsFiles.h"
#include "tests/support/fuzz/ChosenFileUi.h"
#include "tests/support/fuzz/CatalogueOnce.h"
#include "tests/support/fuzz/FuzzCheck.h"

namespace fs = std::filesystem;
using namespace PardeloStravon;

namespace {

const fs::path& Folder()
{
  static const fs::path folder = [] {
    const fs::path f = fs::temp_directory_path() / ("vantor-fuzz-settings-" + std::to_string(getpid()));
    fs::create_directories(f);
    return f;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  FuzzInput::LoadShippedTables();
  if (size < 1) return 0;
  const std::string content = FuzzInput::Text(data + 1, size - 1);
  const Node node(InstrCodes()[data[0] % InstrCodes().size()]);
  const InstrPars settable = SettablePars(node.Type().Pars());
  const fs::path file = Folder() / "input.qzis";
  std::ofstream(file, std::ios::binary | std::ios::trunc) << content;

  FuzzInput::ChosenFileUi ui;
  ui.path = FromUtf8(file.string());
  const InstrParValues before = DefaultValues(settable);
  InstrParValues set = before;
  if (!LoadSettings(node, 5, set, ui)) {
    FUZZ_CHECK(ui.messages == 1);
    FUZZ_CHECK(ToVUC(settable, set) == ToVUC(settable, before));
    return 0;
  }
  const VUC loaded = ToVUC(settable, set);
  ui.path = FromUtf8((Folder() / "saved.qzis").string());
  SaveSettings(node, 5, set, ui);
  FUZZ_CHECK(ui.messages == 0);
  InstrParValues again = before;
  FUZZ_CHECK(LoadSettings(node, 5, again, ui));
  FUZZ_CHECK(ToVUC(settable, again) == loaded);
  return 0;
}
