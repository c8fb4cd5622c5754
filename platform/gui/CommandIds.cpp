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
// toolkit's reserved block pass unchanged; the windows built at run time,
// the program's commands and the framework's follow above the toolkit's
// own identifiers, each in a block of wx ids no other block uses.
constexpr int RunTimeWxFirst = wxID_HIGHEST + 1;
constexpr int ProgramWxFirst = RunTimeWxFirst + (RunTimeIdLast - RunTimeIdFirst + 1);
constexpr int FrameworkWxFirst = ProgramWxFirst + (0x9FFF - 0x8000 + 1);

constexpr std::array<IdRange, 7> Table = {{
    {-1, -1, wxID_ANY},
    {IDOK, IDOK, wxID_OK},
    {IDCANCEL, IDCANCEL, wxID_CANCEL},
    {3, wxID_LOWEST - 1, 3},
    {RunTimeIdFirst, RunTimeIdLast, RunTimeWxFirst},
    {0x8000, 0x9FFF, ProgramWxFirst},
    {0xE000, 0xFFFF, FrameworkWxFirst},
}};

static_assert(wxID_LOWEST - 1 < RunTimeIdFirst && RunTimeIdLast < 0x8000);
static_assert(FrameworkWxFirst + 0xFFFF - 0xE000 < 0x7FFF);

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
