#include "app/GdipInitializer.h"

#include <unistd.h>

#include <wx/image.h>

#include <cwchar>

#include "app/ProcessNames.h"

namespace {

int StartImageHandlers(std::uintptr_t* token, const GdiplusStartupInput&) {
  if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
  *token = 1;
  return 0;
}

void StopNothing(std::uintptr_t) {}

GdiplusFunctions& Functions() {
  static GdiplusFunctions functions{StartImageHandlers, StopNothing};
  return functions;
}

}  // namespace

int GdipInitializer::count_ = 0;

GdiplusFunctions SetGdiplusFunctions(GdiplusFunctions functions) {
  auto previous = std::move(Functions());
  Functions() = std::move(functions);
  return previous;
}

std::wstring GdipInitName() {
  wchar_t name[64];
  std::swprintf(name, sizeof name / sizeof name[0], L"GDIPlusInitID=%x", static_cast<unsigned>(getpid()));
  return name;
}

GdipInitializer::GdipInitializer(bool autoStart) : autoStart_(autoStart) {
  if (autoStart_) Initialize();
}

GdipInitializer::~GdipInitializer() {
  if (autoStart_) Deinitialize();
}

bool GdipInitializer::Initialize() {
  if (!started_) {
    const std::wstring name = GdipInitName();
    if (ProcessNames::Register(name)) {
      mapping_ = name;
      started_ = true;
      status_ = Functions().startup(&token_, input_);
    }
  }
  ++count_;
  return IsInitialized();
}

void GdipInitializer::Deinitialize() {
  --count_;
  if (started_ && count_ == 0) {
    Functions().shutdown(token_);
    ProcessNames::Release(mapping_);
    mapping_.clear();
    started_ = false;
  }
}

bool GdipInitializer::IsInitialized() const { return started_ && status_ == 0; }
