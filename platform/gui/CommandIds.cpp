#include "platform/gui/CommandIds.h"

#include <wx/defs.h>

#include <array>
#include <string>

#include "platform/gui/ResourceIds.h"

namespace Platform {
namespace {

struct IdRange {
  int systemFirst;
  int systemLast;
  int wxFirst;
};

// OK and Cancel become the toolkit's own so that Enter, Escape and the close
// box end a dialog as the framework's do. Control identifiers below the
// toolkit's reserved block pass unchanged.
constexpr std::array<IdRange, 6> Table = {{
    {-1, -1, wxID_ANY},
    {IDOK, IDOK, wxID_OK},
    {IDCANCEL, IDCANCEL, wxID_CANCEL},
    {3, wxID_LOWEST - 1, 3},
    {0x8000, 0x9FFF, 10000},
    {0xE000, 0xFFFF, 20000},
}};

static_assert(10000 + 0x9FFF - 0x8000 < 20000);
static_assert(20000 + 0xFFFF - 0xE000 < 0x7FFF);

}  // namespace

int ToWxId(int systemId) {
  for (const IdRange& r : Table)
    if (systemId >= r.systemFirst && systemId <= r.systemLast) return r.wxFirst + (systemId - r.systemFirst);
  throw UnmappedId("No window identifier for the command or control " + std::to_string(systemId));
}

int FromWxId(int wxId) {
  for (const IdRange& r : Table)
    if (wxId >= r.wxFirst && wxId <= r.wxFirst + (r.systemLast - r.systemFirst))
      return r.systemFirst + (wxId - r.wxFirst);
  throw UnmappedId("No command or control for the window identifier " + std::to_string(wxId));
}

}  // namespace Platform
