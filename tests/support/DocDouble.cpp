#include "tests/support/DocDouble.h"

namespace TestSupport {

DocDouble::DocDouble() : netOpt_(new PardeloStravon::InstrNetOpt(this)) {}

DocDouble::~DocDouble() = default;

void DocDouble::PostToGui(const PardeloStravon::GuiTask& task) {
  if (hasMainWindow_) guiTasks_.push(task);
}

bool DocDouble::TraceAppend(const std::wstring& text) {
  trace_.push_back(text);
  return false;
}

void DocDouble::NewGraphic(int address, std::time_t from, std::time_t to, bool follow,
                           bool print) {
  graphs_.push_back({address, from, to, follow, print});
}

bool DocDouble::PrintGraphic(int address, std::time_t from, std::time_t to) {
  prints_.push_back({address, from, to, false, true});
  return true;
}

void DocDouble::LegacyDocValues(PardeloStravon::LegacyArchive& ar, int version, bool keep) {
  if (legacyValues_) legacyValues_(ar, version, keep);
}

}  // namespace TestSupport
